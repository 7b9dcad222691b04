#include "core/image/inspection.h"

#include <string>

namespace dorvane {

Result<Inspection> inspectImageFile(CImageFile& image, const std::filesystem::path& path) {
    if (image.isOpen()) image.close();
    if (Status opened = image.open(path); !opened.ok()) return opened;

    Inspection result;
    auto& log = result.logLines;
    log.emplace_back(48, '-');
    log.push_back("File Name : " + image.fileName());
    log.push_back("Image Type : " + image.typeName());
    log.push_back("File Size : " + std::to_string(image.length()) + " bytes");

    if (image.type() == ImageType::IrzData) {
        result.showEditor = true;
        return result;
    }

    result.enableForcedDownload = true;
    std::string version = "Version : " + image.versionText();
    if (image.buildNumber() != 0) version += " (build #" + std::to_string(image.buildNumber()) + ")";
    log.push_back(version);
    if (image.hasBuildInfo()) log.push_back("Build Date : " + image.dateText() + " (" + image.timeText() + ")");
    log.push_back("Buyer : " + image.buyerText());
    return result;
}

}  // namespace dorvane
