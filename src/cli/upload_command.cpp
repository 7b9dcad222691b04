#include "cli/commands_all.h"
#include "cli/transfer_session.h"

namespace dorvane::cli {

namespace {

int runUpload(const QStringList& args) {
    int status = kExitUsage;
    const auto request = parseTransferArguments(args, TransferRequest::Kind::Upload, &status);
    return request ? runTransfer(*request) : status;
}

}  // namespace

const Command& uploadCommand() {
    static const Command command{
        "upload", "upload [--port PORT] [--force] [--json] [--trace TRACE] FILE",
        "Backs up the STB's channel data into FILE (replaced only when the whole\n"
        "upload arrived). The STB must be on with its 'PC COM' item active.\n"
        "An existing FILE is replaced only after a yes on the terminal, or with\n"
        "--force. PORT defaults to the port configured in the window, else the\n"
        "first USB serial adapter. Output, --json and --trace as for download.",
        runUpload};
    return command;
}

}  // namespace dorvane::cli
