#include "cli/transfer_reporting.h"

#include <QJsonDocument>
#include <QJsonObject>

#include "flow/operator_advice.h"

namespace dorvane::cli {

namespace {

constexpr char kRefusedBox[] = "This image can't be downloaded your STB!";
constexpr char kPortErrorBox[] = "Serial Port Error! Please, Check your Serial port and STB, And retry!";

// Boxes break their text with "\n"; a report keeps each on one line.
std::string oneLine(std::string text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    return out;
}

QString q(const std::string& s) { return QString::fromStdString(s); }

QJsonObject figuresJson(const TransferFigures& f) {
    QJsonObject o;
    o.insert(QStringLiteral("phase"), QString::fromLatin1(phaseName(f.phase)));
    o.insert(QStringLiteral("bytes"), static_cast<qint64>(f.bytes));
    o.insert(QStringLiteral("totalBytes"), static_cast<qint64>(f.totalBytes));
    o.insert(QStringLiteral("blocks"), f.blocks);
    o.insert(QStringLiteral("totalBlocks"), f.totalBlocks);
    o.insert(QStringLiteral("rate"), static_cast<qint64>(f.rate));
    o.insert(QStringLiteral("etaMs"), f.eta ? QJsonValue(static_cast<qint64>(*f.eta)) : QJsonValue());
    o.insert(QStringLiteral("resent"), f.resent);
    o.insert(QStringLiteral("timeouts"), f.timeouts);
    o.insert(QStringLiteral("elapsedMs"), static_cast<qint64>(f.elapsed));
    o.insert(QStringLiteral("lineMs"), static_cast<qint64>(f.lineTime));
    o.insert(QStringLiteral("writingPercent"), f.writingPercent >= 0 ? QJsonValue(f.writingPercent) : QJsonValue());
    return o;
}

void emitEvent(std::FILE* out, QJsonObject o, const char* event) {
    o.insert(QStringLiteral("event"), QString::fromLatin1(event));
    const QByteArray text = QJsonDocument(o).toJson(QJsonDocument::Compact);
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), out);
    std::fputc('\n', out);
    std::fflush(out);
}

}  // namespace

// ---------------------------------------------------------------------------

ReportingView::ReportingView(OperatorView& inner, ReportContext context)
    : ForwardingView(inner), context_(std::move(context)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (context_.monitor && context_.monitor->running()) progress();
    });
}

ReportingView::~ReportingView() { timer_.stop(); }

void ReportingView::startReporting(int periodMs) { timer_.start(periodMs); }

const char* ReportingView::outcomeName(TransferOutcome outcome) {
    switch (outcome) {
    case TransferOutcome::NotStarted: return "not-started";
    case TransferOutcome::Succeeded: return "succeeded";
    case TransferOutcome::Canceled: return "canceled";
    case TransferOutcome::TimedOut: return "timed-out";
    case TransferOutcome::Refused: return "refused";
    case TransferOutcome::PortError: return "port-error";
    case TransferOutcome::Failed: return "failed";
    }
    return "";
}

void ReportingView::appendLog(const std::string& line) {
    // A box and the log line of the same text are one error, printed once.
    if (!lastMessage_.empty() && lastMessage_.rfind(line, 0) == 0) {
        lastMessage_.clear();
        return;
    }
    lastMessage_.clear();
    log(line);
}

void ReportingView::showMessage(const std::string& text) {
    lastMessage_ = text;
    std::string shown = oneLine(text);
    if (isSuccessMessage(text)) {
        notice(shown);
        return;
    }
    if (isTimeoutMessage(text) && context_.line && context_.line->bytesFromReceiver() == 0)
        shown = noReceiverAdvice(context_.port) + " " + shown;
    if (text == kRefusedBox && context_.monitor && context_.imageBuyerCode)
        shown += " " + buyerRefusalAdvice(context_.imageBuyerCode(), context_.monitor->infoRecord());
    if (text == kPortErrorBox && !pendingAdvice_.empty()) shown += " " + pendingAdvice_;
    pendingAdvice_.clear();
    error(shown);
}

void ReportingView::transferEnded(TransferOutcome outcome) {
    timer_.stop();
    if (context_.monitor) context_.monitor->end();
    finished(outcome);
    inner_.transferEnded(outcome);
}

// ---------------------------------------------------------------------------

TextReport::TextReport(OperatorView& inner, ReportContext context, bool terminal, std::FILE* out, std::FILE* status)
    : ReportingView(inner, std::move(context)), terminal_(terminal), out_(out), status_(status) {}

TextReport::~TextReport() { clearStatus(); }

void TextReport::started(const std::string&, const std::string&) {
    startReporting(terminal_ ? kTerminalPeriodMs : 1000);
}

void TextReport::clearStatus() {
    if (!statusShown_) return;
    std::fputs("\r\033[K", status_);
    std::fflush(status_);
    statusShown_ = false;
}

void TextReport::log(const std::string& line) {
    clearStatus();
    std::fprintf(out_, "%s\n", line.c_str());
    std::fflush(out_);
}

void TextReport::error(const std::string& text) {
    clearStatus();
    std::fflush(out_);
    std::fprintf(status_, "dorvane: %s\n", text.c_str());
    std::fflush(status_);
}

void TextReport::notice(const std::string& text) { log(text); }

void TextReport::progress() {
    const std::string text = context_.monitor->progressText();
    if (terminal_) {
        std::fprintf(status_, "\r\033[K%s", text.c_str());
        std::fflush(status_);
        statusShown_ = true;
        return;
    }
    const std::int64_t elapsed = context_.monitor->figures().elapsed;
    if (elapsed - lastPlainAt_ < kPlainPeriodMs) return;
    lastPlainAt_ = elapsed;
    std::fprintf(status_, "%s\n", text.c_str());
    std::fflush(status_);
}

void TextReport::finished(TransferOutcome outcome) {
    clearStatus();
    if (outcome == TransferOutcome::NotStarted || !context_.monitor) return;
    log("Transfer " + std::string(outcomeName(outcome)) + ": " + context_.monitor->summary());
}

// ---------------------------------------------------------------------------

JsonReport::JsonReport(OperatorView& inner, ReportContext context, std::FILE* out)
    : ReportingView(inner, std::move(context)), out_(out) {}

void JsonReport::started(const std::string& command, const std::string& file) {
    QJsonObject o;
    o.insert(QStringLiteral("command"), q(command));
    o.insert(QStringLiteral("port"), q(context_.port));
    o.insert(QStringLiteral("file"), q(file));
    if (context_.monitor) o.insert(QStringLiteral("totalBytes"), static_cast<qint64>(context_.monitor->figures().totalBytes));
    emitEvent(out_, o, "start");
    startReporting(1000);
}

void JsonReport::log(const std::string& line) { emitEvent(out_, QJsonObject{{QStringLiteral("line"), q(line)}}, "log"); }

void JsonReport::error(const std::string& text) { emitEvent(out_, QJsonObject{{QStringLiteral("text"), q(text)}}, "error"); }

void JsonReport::notice(const std::string& text) {
    emitEvent(out_, QJsonObject{{QStringLiteral("text"), q(text)}}, "message");
}

void JsonReport::progress() { emitEvent(out_, figuresJson(context_.monitor->figures()), "progress"); }

void JsonReport::finished(TransferOutcome outcome) {
    QJsonObject o = context_.monitor ? figuresJson(context_.monitor->figures()) : QJsonObject{};
    o.remove(QStringLiteral("phase"));
    o.insert(QStringLiteral("outcome"), QString::fromLatin1(outcomeName(outcome)));
    o.insert(QStringLiteral("success"), outcome == TransferOutcome::Succeeded);
    if (context_.monitor && outcome != TransferOutcome::NotStarted)
        o.insert(QStringLiteral("summary"), q(context_.monitor->summary()));
    emitEvent(out_, o, "result");
}

}  // namespace dorvane::cli
