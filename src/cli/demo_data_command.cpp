#include <memory>

#include "cli/channel_data_cli.h"
#include "cli/commands_all.h"
#include "core/database/demo_data.h"

namespace dorvane::cli {

namespace {

int runDemoData(const QStringList& files, const CommandLine& options) {
    const bool full = options.isSet("full");
    const std::uint32_t seed = options.number("seed", 1);
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
    out() << "Wrote " << files.first() << ": " << channels << " channels (" << document.buffer().length() << " bytes)"
          << Qt::endl;
    return kExitOk;
}

}  // namespace

const Command& demoDataCommand() {
    static const Command command{"demo-data",
                                 "FILE",
                                 "Writes a channel-data file with a made-up database: a few satellites and\n"
                                 "about a hundred channels, or with --full every table full (163 satellites,\n"
                                 "2,000 transponders, 5,000 channels), the same for the same seed.",
                                 {{.name = "full", .description = "fill every table"},
                                  {.name = "seed",
                                   .valueName = "N",
                                   .value = OptionValue::Number,
                                   .needs = "a number",
                                   .description = "what --full's made-up data grows from (default 1)"}},
                                 runDemoData};
    return command;
}

}  // namespace dorvane::cli
