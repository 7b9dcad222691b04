#include "cli/transfer_keeping.h"

#include <QDateTime>
#include <QFileInfo>

#include "qtcore/app/path_text.h"
#include "qtcore/bundle/transfer_history.h"

namespace dorvane::cli {

void keepTransfer(const TransferRequest& request, const QString& port, const ReportingView& view,
                  const TraceRecorder& trace) {
    TransferRecord r;
    r.kind = request.kind == TransferRequest::Kind::Download ? QStringLiteral("download") : QStringLiteral("upload");
    r.outcome = receiptOutcome(view.outcome());
    r.ended = QDateTime::currentDateTime();
    r.port = port;
    // Of the file its name and size, never its content.
    const QFileInfo file(textFromPath(request.file));
    r.fileName = file.fileName();
    r.fileSize = file.exists() ? file.size() : -1;
    r.summary = QString::fromStdString(view.summary());
    r.log = view.transcript();
    // Nor in the trace: its data blocks without their content.
    const std::string text = trace.text(TraceDetail::WithoutData);
    r.trace = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    TransferHistory(TransferHistory::defaultFolder()).record(r);
}

}  // namespace dorvane::cli
