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
        "download", "download [--port PORT] [--forced] FILE",
        "Downloads an image or channel-data file into the STB. Arm it with the STB\n"
        "switched off, then switch the STB on. --forced skips the buyer check and\n"
        "the 64 MiB bound; an empty file is never sent.\n"
        "PORT defaults to the port configured in the window. The log goes to\n"
        "standard output, messages to standard error; Ctrl-C cancels.",
        runDownload};
    return command;
}

}  // namespace dorvane::cli
