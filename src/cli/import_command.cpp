#include <QFile>

#include <memory>

#include "cli/channel_data_cli.h"
#include "cli/commands_all.h"
#include "database/backup_blob.h"
#include "exchange/channel_data_json.h"
#include "exchange/channel_table_csv.h"

namespace dorvane::cli {

namespace {

int runImport(const QStringList& args, const CommandLine&) {
    if (args.size() != 2) return usageError(importCommand(), QStringLiteral("import needs a JSON or CSV file and an output file"));
    QFile input(args[0]);
    if (!input.open(QIODevice::ReadOnly)) {
        err() << args[0] << ": File open failed!" << Qt::endl;
        return kExitFailure;
    }
    const QByteArray bytes = input.readAll();
    const bool csv = args[0].endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);

    std::unique_ptr<ChannelDataDocument> document;
    Result<int> changed = 0;  // channels a table changed
    if (csv) {
        // The table updates the channels of the existing file.
        setDiagnosticSink([](std::string_view) {});
        document = loadChannelDataFile(args[1]);
        setDiagnosticSink({});
        if (!document) return kExitFailure;
        changed = applyChannelTableCsv(bytes, document->database());
    } else {
        document = std::make_unique<ChannelDataDocument>();
        if (Status read = databaseFromJson(bytes, document->database()); !read.ok()) changed = read;
    }
    if (!changed.ok()) {
        err() << args[0] << ": " << QString::fromStdString(changed.message()) << Qt::endl
              << args[1] << ": not written" << Qt::endl;
        return kExitFailure;
    }
    if (!saveChannelDataFile(*document, args[1])) return kExitFailure;
    out() << "Wrote " << args[1] << " (" << document->buffer().length() << " bytes";
    if (csv) out() << ", " << changed.value() << " channels changed";
    out() << ")" << Qt::endl;
    return kExitOk;
}

}  // namespace

const Command& importCommand() {
    static const Command command{
        "import", "FILE.json|FILE.csv OUT",
        "A JSON file as `channels --json` prints it is packed into the channel-data\n"
        "file OUT. A CSV table as `channels --csv` prints it updates the names and\n"
        "PIDs of the channels of the existing file OUT, by channel number. Bad\n"
        "input is refused with where the first problem is, and nothing is\n"
        "written. An existing OUT is kept as OUT.bak.",
        {},
        runImport};
    return command;
}

}  // namespace dorvane::cli
