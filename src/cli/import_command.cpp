#include <QFile>

#include <memory>

#include "cli/channel_data_cli.h"
#include "cli/commands_all.h"
#include "core/database/backup_blob.h"
#include "qtcore/exchange/channel_import.h"

namespace dorvane::cli {

namespace {

int runImport(const QStringList& args, const CommandLine&) {
    if (args.size() != 2)
        return usageError(importCommand(), QStringLiteral("import needs a JSON or CSV file and an output file"));
    QFile input(args[0]);
    if (!input.open(QIODevice::ReadOnly)) {
        err() << args[0] << ": File open failed!" << Qt::endl;
        return kExitFailure;
    }
    const QByteArray bytes = input.readAll();
    const ImportKind kind = importKindOf(args[0]);

    std::unique_ptr<ChannelDataDocument> document;
    if (kind == ImportKind::Csv) {
        // The table updates the channels of the existing file.
        document = loadChannelDataFile(args[1], {});
        if (!document) return kExitFailure;
    } else {
        document = std::make_unique<ChannelDataDocument>();
    }
    // The same import, checks and refusals as the editor's "Import...".
    const Result<ImportReport> imported = importChannelData(bytes, kind, *document);
    if (!imported.ok()) {
        err() << args[0] << ": " << QString::fromStdString(imported.message()) << Qt::endl
              << args[1] << ": not written" << Qt::endl;
        return kExitFailure;
    }
    if (!saveChannelDataFile(*document, args[1])) return kExitFailure;
    out() << "Wrote " << args[1] << " (" << document->buffer().length() << " bytes";
    if (kind == ImportKind::Csv) out() << ", " << imported->changedChannels << " channels changed";
    out() << ")" << Qt::endl;
    for (const QString& line : imported->lines) out() << line << Qt::endl;
    return kExitOk;
}

}  // namespace

const Command& importCommand() {
    static const Command command{"import",
                                 "FILE.json|FILE.csv OUT",
                                 "A JSON file as `channels --json` prints it is packed into the channel-data\n"
                                 "file OUT. A CSV table as `channels --csv` prints it (comma or semicolon\n"
                                 "separated, all rows or some) updates the names and PIDs of the channels\n"
                                 "of the existing file OUT; each row finds its channel by satellite,\n"
                                 "frequency, polarisation and service id (the number is a hint), and what\n"
                                 "was applied and what was ignored is listed. Bad input, or data that\n"
                                 "could not be saved, is refused with where the first problem is, and\n"
                                 "nothing is written. An existing OUT is kept as OUT.bak.",
                                 {},
                                 runImport};
    return command;
}

}  // namespace dorvane::cli
