#include "core/app/version.h"

#include "version_info.h"

namespace dorvane {

namespace {

std::string trimBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(' ');
    return std::string(s.substr(first, last - first + 1));
}

}  // namespace

std::string productVersionText() { return DORVANE_PRODUCT_VERSION_TEXT; }

std::string productVersionShort(std::string_view versionText) {
    if (versionText.empty()) return {};
    const auto comma = versionText.find(',');
    if (comma == std::string_view::npos) return {};
    // The comma position is taken before trimming and not recomputed.
    const std::string trimmed = trimBlanks(versionText);
    std::string result = trimmed.substr(0, comma) + ".";
    std::string_view rest = versionText.substr(comma + 1);
    const auto firstNonBlank = rest.find_first_not_of(' ');
    rest = firstNonBlank == std::string_view::npos ? std::string_view{} : rest.substr(firstNonBlank);
    const auto next = rest.find(',');
    result += std::string(next == std::string_view::npos ? rest : rest.substr(0, next));
    return result;
}

std::string productVersionShort() { return productVersionShort(productVersionText()); }

std::string productBuild(std::string_view versionText) {
    if (versionText.empty()) return {};
    const auto comma = versionText.rfind(',');
    if (comma == std::string_view::npos) return {};
    return std::string(versionText.substr(comma + 1));
}

std::string productBuild() { return productBuild(productVersionText()); }

std::string aboutVersionLine() { return "v" + productVersionShort() + " (build #" + productBuild() + ")"; }

std::string titleText() { return "Dorvane_QX " + productVersionShort(); }

std::string versionAnswer(std::string_view program) { return std::string(program) + " " + aboutVersionLine(); }

}  // namespace dorvane
