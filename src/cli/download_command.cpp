#include "cli/commands_all.h"
#include "cli/transfer_session.h"

namespace dorvane::cli {

namespace {

int runDownload(const QStringList& args, const CommandLine& options) {
    const auto request = parseTransferArguments(args, options, TransferRequest::Kind::Download);
    if (!request.ok()) return usageError(downloadCommand(), QString::fromStdString(request.message()));
    return runTransfer(request.value());
}

}  // namespace

const Command& downloadCommand() {
    static const Command command{"download", "FILE",
                                 "Downloads an image or channel-data file into the STB. Arm it with the STB\n"
                                 "switched off, then switch the STB on. An empty file is never sent.\n"
                                 "The log goes to standard output, errors to standard error\n"
                                 "(\"dorvane: ...\"), progress to standard error (a line that redraws itself on\n"
                                 "a terminal, a plain line every 5 s elsewhere); Ctrl-C cancels (while the\n"
                                 "STB writes only a second one), SIGTERM and SIGHUP stop at once.",
                                 transferOptions(TransferRequest::Kind::Download), runDownload};
    return command;
}

}  // namespace dorvane::cli
