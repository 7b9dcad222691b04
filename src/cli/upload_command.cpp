#include "cli/commands_all.h"
#include "cli/transfer_session.h"

namespace dorvane::cli {

namespace {

int runUpload(const QStringList& args, const CommandLine& options) {
    const auto request = parseTransferArguments(args, options, TransferRequest::Kind::Upload);
    if (!request.ok()) return usageError(uploadCommand(), QString::fromStdString(request.message()));
    return runTransfer(request.value());
}

}  // namespace

const Command& uploadCommand() {
    static const Command command{"upload", "FILE",
                                 "Backs up the STB's channel data into FILE (replaced only when the whole\n"
                                 "upload arrived and is channel data; otherwise what arrived is kept in\n"
                                 "stbdata-recovered-DATE-TIME.irz). The STB must be on with its 'PC COM'\n"
                                 "item active.\n"
                                 "An existing FILE is replaced only after a yes on the terminal, or with\n"
                                 "--force. Output as for download.",
                                 transferOptions(TransferRequest::Kind::Upload), runUpload};
    return command;
}

}  // namespace dorvane::cli
