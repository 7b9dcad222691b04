#pragma once

#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "flow/operator_flow.h"
#include "serial/tracing_link.h"
#include "transfer/transfer_monitor.h"

namespace dorvane::cli {

// Passes everything on to another view.
class ForwardingView : public OperatorView {
public:
    explicit ForwardingView(OperatorView& inner) : inner_(inner) {}
    void appendLog(const std::string& line) override { inner_.appendLog(line); }
    void showMessage(const std::string& text) override { inner_.showMessage(text); }
    bool askYesNo(const std::string& question) override { return inner_.askYesNo(question); }
    void setProgress(int position, const std::string& text) override { inner_.setProgress(position, text); }
    void setProgressText(const std::string& text) override { inner_.setProgressText(text); }
    void setElapsedText(const std::string& text) override { inner_.setElapsedText(text); }
    void setThroughputText(const std::string& text) override { inner_.setThroughputText(text); }
    void setDownloadButtonText(const std::string& text) override { inner_.setDownloadButtonText(text); }
    void setUploadButtonText(const std::string& text) override { inner_.setUploadButtonText(text); }
    void setPowerLamp(bool on) override { inner_.setPowerLamp(on); }
    std::optional<std::filesystem::path> chooseUploadTarget() override { return inner_.chooseUploadTarget(); }
    void fileInspected(const std::filesystem::path& path, const Result<Inspection>& result) override {
        inner_.fileInspected(path, result);
    }
    void transferEnded(TransferOutcome outcome) override { inner_.transferEnded(outcome); }

protected:
    OperatorView& inner_;
};

// What a report needs to know about the run.
struct ReportContext {
    std::string port;
    TransferMonitor* monitor = nullptr;
    const TracingLink* line = nullptr;
    std::function<std::uint32_t()> imageBuyerCode;  // for the refusal's details
};

// The command line's report of a transfer: the flow's log lines, its boxes
// as errors (each once, with what to do about it), a progress report drawn
// from the line and one summary at the end. The inner view (the console
// view of the session) keeps the upload target and ends the event loop.
class ReportingView : public ForwardingView {
public:
    ReportingView(OperatorView& inner, ReportContext context);
    ~ReportingView() override;

    void appendLog(const std::string& line) override;
    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string&) override { return false; }
    void setProgress(int, const std::string&) override {}
    void setProgressText(const std::string&) override {}
    void setElapsedText(const std::string&) override {}
    void setThroughputText(const std::string&) override {}
    void setDownloadButtonText(const std::string&) override {}
    void setUploadButtonText(const std::string&) override {}
    void setPowerLamp(bool) override {}
    void transferEnded(TransferOutcome outcome) override;

    // Added to the next error (why the port failed while a transfer ran).
    void setPendingAdvice(const std::string& advice) { pendingAdvice_ = advice; }
    // The transfer's start, after the checks of the command line.
    virtual void started(const std::string& command, const std::string& file) = 0;
    // Starts the progress reports.
    void startReporting(int periodMs);

    static const char* outcomeName(TransferOutcome outcome);

protected:
    virtual void log(const std::string& line) = 0;
    virtual void error(const std::string& text) = 0;
    virtual void notice(const std::string& text) = 0;
    virtual void progress() = 0;
    virtual void finished(TransferOutcome outcome) = 0;

    ReportContext context_;

private:
    std::string lastMessage_;
    std::string pendingAdvice_;
    QTimer timer_;
};

// For people: log lines on standard output, errors on standard error as
// "dorvane: ...", and on a terminal a progress line on standard error that
// redraws itself; elsewhere a plain progress line every 5 s.
class TextReport : public ReportingView {
public:
    TextReport(OperatorView& inner, ReportContext context, bool terminal, std::FILE* out = stdout,
               std::FILE* status = stderr);
    ~TextReport() override;
    void started(const std::string& command, const std::string& file) override;

    static constexpr int kPlainPeriodMs = 5000;
    static constexpr int kTerminalPeriodMs = 250;

protected:
    void log(const std::string& line) override;
    void error(const std::string& text) override;
    void notice(const std::string& text) override;
    void progress() override;
    void finished(TransferOutcome outcome) override;

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
    JsonReport(OperatorView& inner, ReportContext context, std::FILE* out = stdout);
    void started(const std::string& command, const std::string& file) override;

protected:
    void log(const std::string& line) override;
    void error(const std::string& text) override;
    void notice(const std::string& text) override;
    void progress() override;
    void finished(TransferOutcome outcome) override;

private:
    std::FILE* out_;
};

}  // namespace dorvane::cli
