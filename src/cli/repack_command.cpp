#include "cli/channel_data_cli.h"
#include "cli/commands_all.h"

namespace dorvane::cli {

namespace {

int runRepack(const QStringList& args, const CommandLine&) {
    if (args.size() != 2)
        return usageError(repackCommand(), QStringLiteral("repack needs an input and an output file"));
    const auto document = loadChannelDataFile(args[0]);
    if (!document) return kExitFailure;
    if (!saveChannelDataFile(*document, args[1])) return kExitFailure;
    out() << "Wrote " << args[1] << " (" << document->buffer().length() << " bytes)" << Qt::endl;
    return kExitOk;
}

}  // namespace

const Command& repackCommand() {
    static const Command command{"repack",
                                 "IN OUT",
                                 "Unpacks the channel-data file IN and packs it again into OUT, as the\n"
                                 "editor's save does: channels stand packed from slot 0, deleted ones are\n"
                                 "dropped, the date is today's. An existing OUT is kept as OUT.bak. A file\n"
                                 "that cannot be written back whole, or whose channels would be lost, is\n"
                                 "refused with the reason.",
                                 {},
                                 runRepack};
    return command;
}

}  // namespace dorvane::cli
