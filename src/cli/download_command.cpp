#include "cli/commands_all.h"
#include "cli/transfer_session.h"

namespace dorvane::cli {

namespace {

int runDownload(const QStringList& args) {
    int status = kExitUsage;
    const auto request = parseTransferArguments(args, TransferRequest::Kind::Download, &status);
    return request ? runTransfer(*request) : status;
}

}  // namespace

const Command& downloadCommand() {
    static const Command command{
        "download", "download [--port PORT] [--forced] [--json] [--trace TRACE] FILE",
        "Downloads an image or channel-data file into the STB. Arm it with the STB\n"
        "switched off, then switch the STB on. --forced skips the buyer check and\n"
        "the 64 MiB bound; an empty file is never sent.\n"
        "PORT defaults to the port configured in the window, else the first USB\n"
        "serial adapter. The log goes to standard output, errors to standard error\n"
        "(\"dorvane: ...\"), progress to standard error (a line that redraws itself on\n"
        "a terminal, a plain line every 5 s elsewhere); Ctrl-C cancels.\n"
        "--json prints one JSON object a line instead (start, progress, log,\n"
        "message, error, result). --trace TRACE writes every byte of the line in\n"
        "both directions into TRACE.",
        runDownload};
    return command;
}

}  // namespace dorvane::cli
