#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/commands_all.h"
#include "core/image/inspection.h"
#include "qtcore/app/path_text.h"

namespace dorvane::cli {

// One JSON object a line per file: what the window logs, and the header's
// fields by name.
void printJson(const QString& file, const Result<Inspection>& result, const CImageFile& image) {
    QJsonObject o;
    o.insert(QStringLiteral("file"), file);
    o.insert(QStringLiteral("opened"), result.ok());
    if (!result.ok()) {
        o.insert(QStringLiteral("error"), QString::fromStdString(result.message()));
    } else {
        QJsonArray lines;
        for (const std::string& line : result->logLines) lines.append(QString::fromStdString(line));
        o.insert(QStringLiteral("lines"), lines);
        o.insert(QStringLiteral("type"), static_cast<int>(image.type()));
        o.insert(QStringLiteral("typeName"), QString::fromStdString(image.typeName()));
        o.insert(QStringLiteral("size"), static_cast<qint64>(image.length()));
        o.insert(QStringLiteral("version"), QString::fromStdString(image.versionText()));
        o.insert(QStringLiteral("buyer"), QString::fromStdString(image.buyerText()));
        o.insert(QStringLiteral("buyerCode"), static_cast<qint64>(image.buyerCode()));
        o.insert(QStringLiteral("channelData"), result->showEditor);
    }
    out() << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) << '\n';
    out().flush();
}

int runInspect(const QStringList& args, const CommandLine& options) {
    const bool json = options.isSet("json");
    if (args.isEmpty()) return usageError(inspectCommand(), QStringLiteral("inspect needs at least one file"));
    int status = kExitOk;
    CImageFile image;
    for (const QString& file : args) {
        const Result<Inspection> result = inspectImageFile(image, pathFromText(file));
        if (json) {
            printJson(file, result, image);
            if (!result.ok()) status = kExitFailure;
            continue;
        }
        if (!result.ok()) {
            err() << "dorvane: " << QString::fromStdString(result.message()) << Qt::endl;
            status = kExitFailure;
            continue;
        }
        for (const std::string& line : result->logLines) out() << QString::fromStdString(line) << '\n';
        out().flush();
    }
    image.close();
    return status;
}

const Command& inspectCommand() {
    static const Command command{"inspect",
                                 "FILE...",
                                 "Prints, for each file, the lines the main window logs when the file is\n"
                                 "opened: name, image type, size, version, build date and buyer.\n"
                                 "A refused header prints \"dorvane: Image File corrupted!\" on standard error.",
                                 {{.name = "json",
                                   .description = "print one JSON object a line per file: file, opened, and either\n"
                                                  "error or lines, type, typeName, size, version, buyer, buyerCode,\n"
                                                  "channelData"}},
                                 runInspect};
    return command;
}

}  // namespace dorvane::cli
