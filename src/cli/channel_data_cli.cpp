#include "cli/channel_data_cli.h"

#include "cli/command.h"
#include "core/database/backup_blob.h"
#include "core/database/integrity_check.h"
#include "qtcore/app/path_text.h"

namespace dorvane::cli {

namespace {
QString text(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

std::filesystem::path toPath(const QString& file) { return pathFromText(file); }

DiagnosticSink printedDiagnostics() {
    return [](std::string_view line) {
        if (line.ends_with('\n')) line.remove_suffix(1);
        err() << "dorvane: " << QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())) << Qt::endl;
    };
}

std::unique_ptr<ChannelDataDocument> loadChannelDataFile(const QString& file, DiagnosticSink diagnostics) {
    auto document = std::make_unique<ChannelDataDocument>();
    document->setDiagnostics(std::move(diagnostics));
    if (const Status opened = document->open(toPath(file)); !opened.ok()) {
        err() << file << ": " << text(opened.message()) << Qt::endl;
        return nullptr;
    }
    return document;
}

void reportNotRead(const ChannelDataDocument& document, const QString& file) {
    for (const std::string& line : document.losses().notRead())
        err() << file << ": not read: " << text(line) << Qt::endl;
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
    document.setDiagnostics(printedDiagnostics());
    if (const Status written = document.saveAs(toPath(file)); !written.ok()) {
        err() << file << ": " << text(written.message()) << Qt::endl;
        return false;
    }
    return true;
}

}  // namespace dorvane::cli
