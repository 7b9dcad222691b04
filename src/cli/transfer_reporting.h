#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include <QStringList>

#include "qtcore/transfer/outcome_text.h"
#include "qtcore/transfer/transfer_session.h"

namespace dorvane::cli {

using dorvane::oneLine;  // (transfer/outcome_text.h)

// What a report needs to know about the run.
struct ReportContext {
    std::string port;
    std::filesystem::path uploadTarget;  // what an upload writes
};

// The command line's report of a transfer session: the flow's log lines,
// its notices as errors (each once, with what to do about it), a progress
// report from the figures and one summary at the end. Its end ends the
// event loop.
class ReportingView : public SessionObserver {
public:
    explicit ReportingView(ReportContext context) : context_(std::move(context)) {}

    void logLine(const std::string& line) override;
    void notice(const SessionNotice& notice) override;
    void figures(const TransferFigures& figures) override { progress(figures); }
    void transferBegun(TransferMonitor::Kind kind, const std::filesystem::path& file, std::int64_t totalBytes) override;
    void transferEnded(const SessionOutcome& outcome) override;
    // Nothing is asked on the command line; a stop comes from a signal.
    bool askYesNo(const std::string&) override { return false; }
    std::optional<std::filesystem::path> chooseUploadTarget() override { return context_.uploadTarget; }

    // An error of the command line itself (its checks, the port, a signal).
    void showError(const std::string& text);
    // How often the figures are reported.
    virtual int periodMs() const { return 1000; }
    bool ended() const { return ended_; }
    TransferOutcome outcome() const { return outcome_; }
    // What the report said, a line each, as the text report says it (errors
    // as "dorvane: ...", the end as "Transfer OUTCOME: figures"): the log a
    // kept transfer holds.
    const QStringList& transcript() const { return transcript_; }
    // The transfer's figures at its end; empty when it did not start.
    const std::string& summary() const { return summary_; }

    static const char* outcomeName(TransferOutcome outcome);

protected:
    virtual void started(const std::string& command, const std::string& file, std::int64_t totalBytes) = 0;
    virtual void log(const std::string& line) = 0;
    virtual void error(const std::string& text) = 0;
    virtual void message(const std::string& text) = 0;
    virtual void progress(const TransferFigures& figures) = 0;
    virtual void finished(const SessionOutcome& outcome) = 0;

    ReportContext context_;

private:
    std::string lastMessage_;
    bool ended_ = false;
    TransferOutcome outcome_ = TransferOutcome::NotStarted;
    QStringList transcript_;
    std::string summary_;
};

// For people: log lines on standard output, errors on standard error as
// "dorvane: ...", and on a terminal a progress line on standard error that
// redraws itself; elsewhere a plain progress line every 5 s.
class TextReport : public ReportingView {
public:
    TextReport(ReportContext context, bool terminal, std::FILE* out = stdout, std::FILE* status = stderr);
    ~TextReport() override;
    int periodMs() const override { return terminal_ ? kTerminalPeriodMs : 1000; }

    static constexpr int kPlainPeriodMs = 5000;
    static constexpr int kTerminalPeriodMs = 250;

protected:
    void started(const std::string& command, const std::string& file, std::int64_t totalBytes) override;
    void log(const std::string& line) override;
    void error(const std::string& text) override;
    void message(const std::string& text) override;
    void progress(const TransferFigures& figures) override;
    void finished(const SessionOutcome& outcome) override;

private:
    void clearStatus();

    bool terminal_;
    std::FILE* out_;
    std::FILE* status_;
    bool statusShown_ = false;
    std::int64_t lastPlainAt_ = 0;  // the first plain line after 5 s
};

// For scripts: one JSON object a line on standard output: "start",
// "progress" (every second), "log", "message", "error" and "result".
class JsonReport : public ReportingView {
public:
    explicit JsonReport(ReportContext context, std::FILE* out = stdout);

protected:
    void started(const std::string& command, const std::string& file, std::int64_t totalBytes) override;
    void log(const std::string& line) override;
    void error(const std::string& text) override;
    void message(const std::string& text) override;
    void progress(const TransferFigures& figures) override;
    void finished(const SessionOutcome& outcome) override;

private:
    std::FILE* out_;
};

}  // namespace dorvane::cli
