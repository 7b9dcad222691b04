#pragma once

#include <QString>

#include <filesystem>
#include <optional>

#include "app/command_line.h"

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

// The options of a download (--port, --forced, --json, --trace) and of an
// upload (--port, --force, --json, --trace).
QList<OptionSpec> transferOptions(TransferRequest::Kind kind);

// The request from the parsed options and the file; returns nothing after
// a usage error, which *status then holds.
std::optional<TransferRequest> parseTransferArguments(const QStringList& files, const CommandLine& options,
                                                      TransferRequest::Kind kind, int* status);

}  // namespace dorvane::cli
