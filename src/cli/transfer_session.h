#pragma once

#include <QString>

#include <filesystem>
#include <optional>

#include "core/flow/operator_flow.h"
#include "qtcore/app/command_line.h"

namespace dorvane::cli {

// What a download or an upload from the command line needs.
struct TransferRequest {
    enum class Kind { Download, Upload };
    Kind kind = Kind::Download;
    QString port;  // empty: the configured port
    bool forced = false;
    bool force = false;          // upload: replace an existing target without asking
    std::filesystem::path file;  // the image to send, or the upload's target
    bool json = false;           // one JSON object a line instead of text
    QString trace;               // where the trace of the line goes (empty: nowhere)
    bool verify = false;         // download of channel data: read it back and compare
};

// Time limits can be shortened for tests and trials:
// DORVANE_TIMEOUTS="start=2000,reply=3000,batch=1000,writing=5000,first=3000,silence=1000" (milliseconds).
void applyTimeoutOverrides(FlowTimes& flow, EngineTimeouts& engine);
// How long --verify waits for the STB's application ("verify=MS" there).
Millis verifyBoundMs();

// Runs one transfer through the operator flow that the window uses, with
// the log on standard output, errors on standard error and progress on
// standard error (or everything as JSON lines). Returns the exit status.
int runTransfer(const TransferRequest& request);

// The options of a download (--port, --forced, --json, --trace) and of an
// upload (--port, --force, --json, --trace).
QList<OptionSpec> transferOptions(TransferRequest::Kind kind);

// The request from the parsed options and the file; a failure says what is
// wrong with the command line ("a file is needed").
Result<TransferRequest> parseTransferArguments(const QStringList& files, const CommandLine& options,
                                               TransferRequest::Kind kind);

}  // namespace dorvane::cli
