#pragma once

#include <QString>

#include "cli/transfer_reporting.h"
#include "cli/transfer_session.h"

namespace dorvane::cli {

// Keeps a command-line transfer in the ring of the last transfers, where
// the window keeps its own (TransferHistory): the report's lines as its
// log, the trace of the line and a receipt. For a support bundle made
// after a transfer that failed. Nothing when $DORVANE_TRANSFERS_DIR is set
// empty; a failure to keep it is not the transfer's and is not reported.
void keepTransfer(const TransferRequest& request, const QString& port, const ReportingView& view,
                  const TraceRecorder& trace);

// Keeps the transfer when it goes out of scope: made once the port is
// about to be opened, so that every end from there on is kept (a port
// that does not open too; a file refused before it is not a transfer).
class TransferKeeper {
public:
    TransferKeeper(const TransferRequest& request, QString port, const ReportingView& view, const TraceRecorder& trace)
        : request_(request), port_(std::move(port)), view_(view), trace_(trace) {}
    ~TransferKeeper() { keepTransfer(request_, port_, view_, trace_); }
    TransferKeeper(const TransferKeeper&) = delete;
    TransferKeeper& operator=(const TransferKeeper&) = delete;

private:
    const TransferRequest& request_;
    QString port_;
    const ReportingView& view_;
    const TraceRecorder& trace_;
};

}  // namespace dorvane::cli
