#include "cli/transfer_reporting.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <QCoreApplication>

#include "qtcore/app/core_text.h"
#include "qtcore/app/language.h"
#include "qtcore/app/path_text.h"

namespace dorvane::cli {

namespace {

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

const char* ReportingView::outcomeName(TransferOutcome outcome) { return dorvane::outcomeName(outcome); }

void ReportingView::logLine(const std::string& line) {
    // A box and the log line of the same text are one error, printed once.
    if (!lastMessage_.empty() && lastMessage_.rfind(line, 0) == 0) {
        lastMessage_.clear();
        return;
    }
    lastMessage_.clear();
    transcript_ << q(line);
    log(line);
}

void ReportingView::notice(const SessionNotice& notice) {
    using Kind = SessionNotice::Kind;
    if (notice.kind == Kind::PortLost) return;  // its advice comes with the transfer's error
    lastMessage_ = notice.text;
    SessionNotice shown = notice;
    shown.text = oneLine(notice.text);
    if (notice.kind == Kind::Succeeded) {
        transcript_ << q(shown.text);
        message(shown.text);
        return;
    }
    transcript_ << QStringLiteral("dorvane: ") + q(shown.joined(" "));
    error(shown.joined(" "));
}

void ReportingView::showError(const std::string& text) {
    lastMessage_ = text;
    transcript_ << QStringLiteral("dorvane: ") + q(oneLine(text));
    error(oneLine(text));
}

void ReportingView::transferBegun(TransferMonitor::Kind kind, const std::filesystem::path& file,
                                  std::int64_t totalBytes) {
    const bool download = kind == TransferMonitor::Kind::Download;
    started(download ? "download" : "upload", utf8Path(download ? file : context_.uploadTarget), totalBytes);
}

void ReportingView::transferEnded(const SessionOutcome& outcome) {
    if (ended_) return;
    ended_ = true;
    outcome_ = outcome.outcome;
    if (outcome.outcome != TransferOutcome::NotStarted) {
        summary_ = outcome.summary();
        transcript_
            << QStringLiteral("Transfer %1: %2").arg(QString::fromLatin1(outcomeName(outcome.outcome)), q(summary_));
    }
    finished(outcome);
    QCoreApplication::exit(0);
}

// ---------------------------------------------------------------------------

TextReport::TextReport(ReportContext context, bool terminal, std::FILE* out, std::FILE* status)
    : ReportingView(std::move(context)), terminal_(terminal), out_(out), status_(status) {}

TextReport::~TextReport() { clearStatus(); }

void TextReport::started(const std::string&, const std::string&, std::int64_t) {}

void TextReport::clearStatus() {
    if (!statusShown_) return;
    std::fputs("\r\033[K", status_);
    std::fflush(status_);
    statusShown_ = false;
}

namespace {

// A human message in the language chosen with --lang (English stays byte
// for byte as the core wrote it).
std::string human(const std::string& text) {
    return installedLanguage() == QLatin1String("en") ? text : coreText(text).toStdString();
}

}  // namespace

void TextReport::log(const std::string& line) {
    clearStatus();
    std::fprintf(out_, "%s\n", human(line).c_str());
    std::fflush(out_);
}

void TextReport::error(const std::string& text) {
    clearStatus();
    std::fflush(out_);
    std::fprintf(status_, "dorvane: %s\n", human(text).c_str());
    std::fflush(status_);
}

void TextReport::message(const std::string& text) { log(text); }

void TextReport::progress(const TransferFigures& figures) {
    const std::string text = progressText(figures);
    if (terminal_) {
        std::fprintf(status_, "\r\033[K%s", text.c_str());
        std::fflush(status_);
        statusShown_ = true;
        return;
    }
    const std::int64_t elapsed = figures.elapsed;
    if (elapsed - lastPlainAt_ < kPlainPeriodMs) return;
    lastPlainAt_ = elapsed;
    std::fprintf(status_, "%s\n", text.c_str());
    std::fflush(status_);
}

void TextReport::finished(const SessionOutcome& outcome) {
    clearStatus();
    if (outcome.outcome == TransferOutcome::NotStarted) return;
    log("Transfer " + std::string(outcomeName(outcome.outcome)) + ": " + outcome.summary());
}

// ---------------------------------------------------------------------------

JsonReport::JsonReport(ReportContext context, std::FILE* out) : ReportingView(std::move(context)), out_(out) {}

void JsonReport::started(const std::string& command, const std::string& file, std::int64_t totalBytes) {
    QJsonObject o;
    o.insert(QStringLiteral("command"), q(command));
    o.insert(QStringLiteral("port"), q(context_.port));
    o.insert(QStringLiteral("file"), q(file));
    o.insert(QStringLiteral("totalBytes"), static_cast<qint64>(totalBytes));
    emitEvent(out_, o, "start");
}

void JsonReport::log(const std::string& line) {
    emitEvent(out_, QJsonObject{{QStringLiteral("line"), q(line)}}, "log");
}

void JsonReport::error(const std::string& text) {
    emitEvent(out_, QJsonObject{{QStringLiteral("text"), q(text)}}, "error");
}

void JsonReport::message(const std::string& text) {
    emitEvent(out_, QJsonObject{{QStringLiteral("text"), q(text)}}, "message");
}

void JsonReport::progress(const TransferFigures& figures) { emitEvent(out_, figuresJson(figures), "progress"); }

void JsonReport::finished(const SessionOutcome& outcome) {
    QJsonObject o = figuresJson(outcome.figures);
    o.remove(QStringLiteral("phase"));
    o.insert(QStringLiteral("outcome"), QString::fromLatin1(outcomeName(outcome.outcome)));
    o.insert(QStringLiteral("success"), outcome.outcome == TransferOutcome::Succeeded);
    if (outcome.outcome != TransferOutcome::NotStarted) o.insert(QStringLiteral("summary"), q(outcome.summary()));
    emitEvent(out_, o, "result");
}

}  // namespace dorvane::cli
