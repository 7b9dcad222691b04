#include "cli/channel_data_cli.h"

#include "app/path_text.h"
#include "cli/command.h"
#include "database/backup_blob.h"
#include "database/integrity_check.h"

namespace dorvane::cli {

namespace {
QString text(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

std::filesystem::path toPath(const QString& file) { return pathFromText(file); }

std::unique_ptr<ChannelDataDocument> loadChannelDataFile(const QString& file) {
    auto document = std::make_unique<ChannelDataDocument>();
    if (const Status opened = document->open(toPath(file)); !opened.ok()) {
        err() << file << ": " << text(opened.message()) << Qt::endl;
        return nullptr;
    }
    return document;
}

void reportNotRead(const ChannelDataDocument& document, const QString& file) {
    for (const std::string& line : document.losses().notRead()) err() << file << ": not read: " << text(line) << Qt::endl;
}

bool saveChannelDataFile(ChannelDataDocument& document, const QString& file) {
    if (document.isReadOnly()) {
        err() << file << ": not written: the source cannot be written back without losing data: "
              << text(joinReasons(document.readOnlyReasons())) << Qt::endl;
        return false;
    }
    const auto findings = checkIntegrity(document.database());
    if (countLosingData(findings) > 0) {
        for (const auto& f : findings)
            if (f.losesData) err() << file << ": " << text(f.text) << Qt::endl;
        err() << file << ": not written: " << text(lossSummary(findings)) << Qt::endl;
        return false;
    }
    for (const auto& f : findings) err() << file << ": warning: " << text(f.text) << Qt::endl;
    if (const Status written = document.saveAs(toPath(file)); !written.ok()) {
        err() << file << ": " << text(written.message()) << Qt::endl;
        return false;
    }
    return true;
}

}  // namespace dorvane::cli
