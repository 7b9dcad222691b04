#pragma once

#include <QString>
#include <QTimer>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/flow/operator_flow.h"
#include "core/image/image_file.h"
#include "core/serial/tracing_link.h"
#include "core/transfer/line_trace.h"
#include "core/transfer/transfer_engine.h"
#include "core/transfer/transfer_monitor.h"
#include "qtcore/serial/serial_port.h"
#include "qtcore/transfer/qt_event_loop.h"

namespace dorvane {

class ChannelDataBuffer;

// One thing the operator is told by a box or an error line.
struct SessionNotice {
    enum class Kind {
        Refusal,
        Failed,
        Succeeded,
        TimedOut,
        WritingSilent,
        Restarted,
        Refused,
        PortClosed,
        PortFailed,
        PortOpenFailed,  // openPort(): the port could not be opened (text "Port(X) open failed.")
        PortLost,        // the open port failed (text "Port(X) failed: ..."); a log line, no box
        BufferFull,      // the port's receive queue overflowed: bytes were lost
    };
    Kind kind = Kind::Failed;
    std::string text;    // the flow's (or the port's) own text
    std::string advice;  // what to do about it; empty when there is nothing to add
    // The advice goes in front of the text (where nothing answered) rather than after it.
    bool adviceFirst() const { return kind == Kind::TimedOut; }
    // Text and advice as one, the parts separated by separator.
    std::string joined(const std::string& separator) const;
};

// Where the session stands, for a front end to show.
struct SessionState {
    bool busy = false;                                          // a transfer runs or is starting
    FlowDisplay::Running running = FlowDisplay::Running::None;  // its button stops it
    int progress = 0;                                           // 0..100
    std::string progressText;                                   // the flow's text over the bar
    Millis elapsed = 0;                                         // since the running (or last) transfer began
    // The line speed as the window shows it: the data of the last whole
    // second of line time, in bytes x 9 (a byte and its framing); nothing
    // before the first transfer. From the monitor's figures.
    std::optional<std::int64_t> lineRate;
    bool receiverOn = false;  // the STB's application answers the link test
};

// The end of a transfer.
struct SessionOutcome {
    TransferOutcome outcome = TransferOutcome::NotStarted;
    TransferFigures figures;                 // for a transfer that started
    std::vector<std::uint8_t> infoRecord;    // the STB's information record, when it sent one
    std::optional<ReceiverDialect> dialect;  // how the STB answered the download's header block
    std::optional<UploadResult> upload;      // where an upload's data went
    std::string summary() const { return summaryText(figures); }
};

// What a front end renders. Everything comes on the thread of the session.
class SessionObserver {
public:
    virtual ~SessionObserver() = default;
    virtual void logLine(const std::string& line) = 0;
    virtual void notice(const SessionNotice& notice) = 0;
    // While a transfer runs, every figures period.
    virtual void figures(const TransferFigures& /*figures*/) {}
    virtual void stateChanged(const SessionState& /*state*/) {}
    // download() or upload() begins (before its checks): what and which file.
    virtual void transferBegun(TransferMonitor::Kind /*kind*/, const std::filesystem::path& /*file*/,
                               std::int64_t /*totalBytes*/) {}
    virtual void transferEnded(const SessionOutcome& outcome) = 0;
    // Questions: a Yes/No (false: nobody to ask), the upload's target.
    virtual bool askYesNo(const std::string& /*question*/) { return false; }
    virtual std::optional<std::filesystem::path> chooseUploadTarget() = 0;
    virtual void fileInspected(const std::filesystem::path& /*path*/, const Result<Inspection>& /*result*/) {}
};

// Why openPort() failed: "Port(X) open failed." and what to do.
struct PortOpenFailure {
    std::string text;
    std::string advice;
};

// One port, one STB: the event loop, the serial port, the line that traces
// it, the engine, the figures, the trace of the last transfer and the
// operator flow, wired once for the window, the command line and a station.
class TransferSession : private OperatorView {
public:
    struct Options {
        FlowTimes flowTimes{};
        EngineTimeouts engineTimeouts{};
        int figuresPeriodMs = 1000;
        // The channel-data buffer an upload fills (the editor's); nullptr: the session's own.
        ChannelDataBuffer* buffer = nullptr;
    };

    TransferSession(SessionObserver& observer, Options options);
    ~TransferSession() override;
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

    // Opens the port (115,200 8N1): the log line "X port was opened
    // successfully!", or why not.
    std::optional<PortOpenFailure> openPort(const QString& name);
    void closePort() { port_.close(); }
    // Starts the link poll (once the port is open, or after the first try).
    void start();

    Result<Inspection> openFile(const std::filesystem::path& path);
    void setForcedDownload(bool forced) { flow_->setForcedDownload(forced); }
    // The Download and Upload buttons: start, or while busy ask to stop.
    void download();
    void upload();
    // Ends the transfer without asking.
    void cancel() { flow_->cancel(); }
    // Ctrl-C: false for the first while the STB writes (the caller warns).
    bool interrupt();
    // SIGTERM, a closed terminal: ends every phase at once.
    void stopNow();
    bool receiverWriting() const { return flow_->receiverWriting(); }
    bool busy() const { return flow_->busy() || flow_->starting(); }
    void setFiguresPeriod(int ms) { options_.figuresPeriodMs = ms; }

    QtEventLoop& loop() { return loop_; }
    CSerialPort& port() { return port_; }
    TracingLink& line() { return *line_; }
    CImageFile& image() { return image_; }
    CTransferEngine& engine() { return *engine_; }
    OperatorFlow& flow() { return *flow_; }
    const TransferMonitor& monitor() const { return *monitor_; }
    const TraceRecorder& trace() const { return trace_; }
    const SessionState& state() const { return state_; }

private:
    void begin(TransferMonitor::Kind kind, const std::filesystem::path& file);
    void recordTrace();
    void onPortFailed(const Status& why);
    void changeState();
    std::string adviceFor(NoticeKind kind) const;
    void onFiguresTick();
    void endTransfer(const FlowEnd& end);

    // OperatorView.
    void appendLog(const std::string& line) override;
    void showNotice(NoticeKind kind, const std::string& text) override;
    bool askYesNo(const std::string& question) override;
    void displayChanged(const FlowDisplay& display) override;
    std::optional<std::filesystem::path> chooseUploadTarget() override;
    void fileInspected(const std::filesystem::path& path, const Result<Inspection>& result) override;
    void transferEnded(const FlowEnd& end) override;

    SessionObserver& observer_;
    Options options_;
    QtEventLoop loop_;
    CSerialPort port_;
    CImageFile image_;
    std::unique_ptr<ChannelDataBuffer> ownBuffer_;
    ChannelDataBuffer& buffer_;
    std::unique_ptr<TracingLink> line_;
    TraceRecorder trace_;  // the bytes of the last transfer
    std::unique_ptr<CTransferEngine> engine_;
    std::unique_ptr<TransferMonitor> monitor_;
    std::unique_ptr<OperatorFlow> flow_;
    QTimer figuresTimer_;
    SessionState state_;
    QString portName_;
    std::optional<PortOpenFailure> openFailure_;  // the last open's, while the port stays closed
    std::string portAdvice_;                      // why the port failed while open, for the next box
    std::uint64_t receivedAtBegin_ = 0;           // bytes from the STB before the transfer
    bool ended_ = true;                           // the transfer begun last has reported its end
};

}  // namespace dorvane
