#include <memory>

#include "cli/channel_data_cli.h"
#include "cli/commands_all.h"
#include "database/demo_data.h"

namespace dorvane::cli {

namespace {

int runDemoData(const QStringList& args) {
    QStringList files;
    bool full = false;
    std::uint32_t seed = 1;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--full")) {
            full = true;
        } else if (args[i] == QLatin1String("--seed")) {
            bool ok = false;
            if (i + 1 < args.size()) seed = args[++i].toUInt(&ok);
            if (!ok) return usageError(demoDataCommand(), QStringLiteral("--seed needs a number"));
        } else if (args[i].startsWith(QLatin1String("--"))) {
            return usageError(demoDataCommand(), QStringLiteral("unknown option %1").arg(args[i]));
        } else {
            files << args[i];
        }
    }
    if (files.size() != 1) return usageError(demoDataCommand(), QStringLiteral("demo-data needs one file"));

    ChannelDataDocument document;
    ReceiverDatabase* db = &document.database();
    if (full)
        fillFullDatabase(*db, seed);
    else
        fillDemoDatabase(*db);
    if (!saveChannelDataFile(document, files.first())) return kExitFailure;
    int channels = 0;
    for (int n = 0; n < kChannelSlots; ++n) channels += !channelFree(db->channel(n));
    out() << "Wrote " << files.first() << ": " << channels << " channels (" << document.buffer().length()
          << " bytes)" << Qt::endl;
    return kExitOk;
}

}  // namespace

const Command& demoDataCommand() {
    static const Command command{
        "demo-data", "demo-data FILE [--full] [--seed N]",
        "Writes a channel-data file with a made-up database: a few satellites and\n"
        "about a hundred channels, or with --full every table full (163 satellites,\n"
        "2,000 transponders, 5,000 channels), the same for the same seed.",
        runDemoData};
    return command;
}

}  // namespace dorvane::cli
