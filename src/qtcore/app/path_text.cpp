#include "app/path_text.h"

namespace dorvane {

std::filesystem::path pathFromText(const QString& text) { return std::filesystem::path(text.toStdU16String()); }

QString textFromPath(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

}  // namespace dorvane
