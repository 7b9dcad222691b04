#pragma once

#include <QString>

#include <filesystem>
#include <optional>

namespace dorvane::cli {

// What a download or an upload from the command line needs.
struct TransferRequest {
    enum class Kind { Download, Upload };
    Kind kind = Kind::Download;
    QString port;  // empty: the configured port
    bool forced = false;
    bool force = false;  // upload: replace an existing target without asking
    std::filesystem::path file;  // the image to send, or the upload's target
    bool json = false;           // one JSON object a line instead of text
    QString trace;               // where the trace of the line goes (empty: nowhere)
};

// Runs one transfer through the operator flow that the window uses, with
// the log on standard output, errors on standard error and progress on
// standard error (or everything as JSON lines). Returns the exit status.
int runTransfer(const TransferRequest& request);

// Parses "[--port P] [--forced] [--json] [--trace TRACE] FILE" for a
// download and "[--port P] [--force] [--json] [--trace TRACE] FILE" for an
// upload;
// returns nothing after a usage error, which *status then holds.
std::optional<TransferRequest> parseTransferArguments(const QStringList& args, TransferRequest::Kind kind,
                                                      int* status);

}  // namespace dorvane::cli
