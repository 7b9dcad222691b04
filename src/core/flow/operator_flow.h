#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "core/common/event_loop.h"
#include "core/image/inspection.h"
#include "core/transfer/transfer_engine.h"

namespace dorvane {

class CImageFile;
class ChannelDataBuffer;
class SerialLink;

// How a download or upload ended (for the command line's exit status and
// for tests; the window shows the texts it was given on the way).
enum class TransferOutcome {
    NotStarted,  // a precondition refused the start (its box was shown)
    Succeeded,
    Canceled,   // stop answered Yes, or cancel()
    TimedOut,   // no receiver within the start time-out, or it fell silent
    Refused,    // the receiver refused the image (buyer code)
    PortError,  // the port failed, or a frame could not be written
    Failed,     // an upload that did not bring the whole file, or its saving failed
};

// What a message box of the flow is about, so that a front end can add
// what to do next without reading the text.
enum class NoticeKind {
    Refusal,        // a precondition refused a start or an open (no file, the STB's power, busy)
    Failed,         // the transfer or its file failed
    Succeeded,      // the download ended well (shown with an information icon)
    TimedOut,       // no receiver within the start time-out, or it fell silent
    WritingSilent,  // the STB stopped reporting while it wrote its memory
    Restarted,      // the STB restarted before it finished writing
    Refused,        // the STB refused the image (buyer code)
    PortClosed,     // a transfer needs the port, and it is not open
    PortFailed,     // the port failed while a transfer ran
};

// What the flow's display shows: which transfer runs (its button then
// stops it), the bar with the flow's text over it, the time since the
// transfer began and whether the STB's application answers the link test.
struct FlowDisplay {
    enum class Running { None, Download, Upload };
    Running running = Running::None;
    int progress = 0;  // 0..100
    std::string progressText;
    Millis elapsed = 0;
    bool receiverOn = false;
};

// Where an upload's data went.
struct UploadResult {
    enum class Kind {
        Saved,      // the target holds it; the file it replaced is NAME.bak when it was kept
        Recovered,  // the target is as it was; what arrived is in the recovery file `kept`
        NotSaved,   // the target is as it was and nothing was kept (nothing came, or no copy could be written)
        Refused,    // the target cannot take an upload: nothing was asked of the STB
    };
    Kind kind = Kind::NotSaved;
    std::filesystem::path target;
    std::filesystem::path kept;  // Recovered: the recovery file
    std::string reason;          // why not Saved, as the operator was told; may be empty
};

// The end of a transfer the flow started (or refused to start).
struct FlowEnd {
    TransferOutcome outcome = TransferOutcome::NotStarted;
    // How the STB answered the download's header block, when it did.
    std::optional<ReceiverDialect> dialect;
    // An upload's, once its target was chosen.
    std::optional<UploadResult> upload;
};

// What the operator is told and asked, without widgets: the transfer
// session implements it and hands it on to the window and the command line.
class OperatorView {
public:
    virtual ~OperatorView() = default;

    // A line at the end of the message log.
    virtual void appendLog(const std::string& line) = 0;
    // A message box of the flow, with what it is about.
    virtual void showNotice(NoticeKind kind, const std::string& text) = 0;
    // A Yes/No question; true for Yes. May run a modal loop.
    virtual bool askYesNo(const std::string& question) = 0;
    // The display changed.
    virtual void displayChanged(const FlowDisplay& display) = 0;

    // The upload's target, or nothing when the operator cancelled (the
    // upload then does not start).
    virtual std::optional<std::filesystem::path> chooseUploadTarget() = 0;

    // A file was (re)inspected: after Open and after a saved upload. The
    // log lines and error box have been shown already.
    virtual void fileInspected(const std::filesystem::path& /*path*/, const Result<Inspection>& /*result*/) {}

    // The transfer started by downloadClicked()/uploadClicked() is over, or
    // it did not start (NotStarted). Not called for a stop question.
    virtual void transferEnded(const FlowEnd& /*end*/) {}
};

// The largest file a download sends without "Forced download": 64 MiB,
// far beyond any image a receiver's memory holds.
inline constexpr std::uint64_t kLargestImage = std::uint64_t{64} << 20;

// Why a file of this length must not go to a receiver, or nothing when it
// may: an empty file never; one beyond kLargestImage only when forced.
std::optional<std::string> downloadSizeProblem(std::uint64_t length, bool forced);

// Why an upload cannot be kept in target, or nothing when it can: the
// target is a folder, or its folder is missing or cannot be written.
std::optional<std::string> uploadTargetProblem(const std::filesystem::path& target);

// The elapsed field: "%02d:%02d" (minutes, seconds), and from an hour on
// "%d:%02d:%02d" (hours, minutes, seconds).
std::string elapsedText(Millis elapsed);

// Times of the flow, changeable for tests.
struct FlowTimes {
    Millis startTimeout = 30000;  // until the receiver's first answer
    Millis tick = 1000;           // elapsed time, blinking text
    Millis commandPause = 200;    // before and after the boot-console command
};

// A download into the boot loader (it sent its information record) fills
// the progress bar to this much while the blocks go; the receiver's writing
// of its memory fills the rest.
inline constexpr int kBootLoaderTransferScale = 68;

// The operator's side of a download and an upload: preconditions, start,
// stop, progress, log lines, message boxes, the end of the transfer and the
// saving of an upload. Shared by the window and the command line.
//
// Wiring, everything on the thread that runs the event loop:
//   QtEventLoop loop;  CSerialPort port;  CImageFile image;
//   CTransferEngine engine(loop, port, image, document.buffer());
//   OperatorFlow flow(loop, engine, port, image, document.buffer(), view);
//   port.open(...);  flow.start();          // link test every 500 ms
//   flow.openFile(path);  flow.downloadClicked();  ...
class OperatorFlow : public TransferListener {
public:
    OperatorFlow(EventLoop& loop, CTransferEngine& engine, SerialLink& link, CImageFile& image,
                 ChannelDataBuffer& buffer, OperatorView& view, FlowTimes times = {});
    ~OperatorFlow() override;
    OperatorFlow(const OperatorFlow&) = delete;
    OperatorFlow& operator=(const OperatorFlow&) = delete;

    // Attaches itself to the engine as its listener and starts the link
    // poll (what the window does at start-up once the port is open).
    void start();

    // Open: inspects the file (log lines or the error box), makes it the
    // current file, turns "Forced download" off. While a download runs it
    // refuses (Error::Busy) with its box shown and nothing changed.
    Result<Inspection> openFile(const std::filesystem::path& path);

    // The "Forced download" box.
    void setForcedDownload(bool forced);
    bool forcedDownload() const;

    // The Download button: starts a download of the current image, or, while
    // a transfer runs, asks whether to stop it.
    void downloadClicked();
    // The Upload button: starts an upload into the file the view chooses,
    // or, while a transfer runs, asks whether to stop it.
    void uploadClicked();
    // Ends a running transfer without asking ("Transferring canceled!"), or
    // a start that is still checking the receiver or sending the command.
    void cancel();
    // An interrupt from outside (Ctrl-C): while blocks are exchanged the
    // receiver gets CAN CAN and the transfer ends at once. While the
    // receiver writes its memory the first interrupt does nothing and
    // returns false (the caller warns); a second one ends the wait.
    bool interrupt();
    // "Stop now" from outside (SIGTERM, a closed terminal): as a second
    // interrupt, in every phase at once.
    void stopNow();
    // The receiver writes its memory in the running transfer.
    bool receiverWriting() const;

    bool busy() const { return busy_; }
    bool starting() const { return starting_; }  // checks/command before busy
    const std::filesystem::path& filePath() const { return filePath_; }
    int progressScale() const { return progressScale_; }

    // TransferListener.
    void onTransferEvent(const EngineReport& report) override;

private:
    enum class Kind { None, Download, Upload };

    void askStop(const char* question);
    void beginBusy(Kind kind);
    void endTransfer();
    void finish(TransferOutcome outcome);
    void onTransferTimeout();
    bool onTransferFailure(const EngineReport& report);
    bool onDownloadEvent(const EngineReport& report);
    void onReceiverIdentified(const ReceiverAnswer& answer);
    void onDataStarted();
    void onWriteFailed(EngineState state);
    void onBuyerRefused();
    void onBatchEnded();
    void onBlocksSent(std::int64_t bytes);
    void onUploadStarted();
    void onUploadEnd(const UploadOutcome& outcome);
    void onWritingEnd();
    void onPortFailed();
    void onWritingSilent();
    void onSourceFailed();
    void onReceiverRestarted();
    std::optional<std::filesystem::path> keepRecoveryCopy(std::span<const std::uint8_t> data);
    std::optional<std::string> unfinishedUploadReason(const UploadOutcome& outcome) const;
    std::span<const std::uint8_t> uploadToKeep(const UploadOutcome& outcome) const;
    void failUpload(const std::string& reason, const UploadOutcome& outcome);
    void continueDownload(bool receiverAnswers);
    void continueUpload(bool receiverAnswers, const std::filesystem::path& target);
    void saveUpload();
    void startElapsedTimer();
    void showProgress(int position, const std::string& text);
    void showProgressText(const std::string& text);
    void setRunning(FlowDisplay::Running running);
    void keepUploadResult(UploadResult::Kind kind, const std::string& reason,
                          const std::optional<std::filesystem::path>& kept = std::nullopt);
    void startBlink();
    void stopBlink();
    void showUploadPercent(int shown);
    void cancelTimer(EventLoop::TimerId& id);

    EventLoop& loop_;
    CTransferEngine& engine_;
    SerialLink& link_;
    CImageFile& image_;
    ChannelDataBuffer& buffer_;
    OperatorView& view_;
    FlowTimes times_;
    LifetimeGuard lifetime_;  // for the scheduled steps of a start

    Kind kind_ = Kind::None;
    bool busy_ = false;
    bool starting_ = false;
    int startGeneration_ = 0;  // a cancelled start ignores its late callbacks
    std::filesystem::path filePath_;
    int progressScale_ = kBootLoaderTransferScale;
    std::int64_t transferred_ = 0;
    FlowDisplay display_;
    std::optional<ReceiverDialect> dialect_;    // the running download's STB, once it answered
    std::optional<UploadResult> uploadResult_;  // the running upload's, once its target was chosen
    Millis startTime_ = 0;
    int lastUploadPercent_ = 0;
    bool blinkOn_ = true;
    bool writingWarned_ = false;  // an interrupt while the receiver writes
    bool ackAnswer_ = true;       // the receiver answered the header block with ACK and 'C'

    EventLoop::TimerId elapsedTimer_ = 0;  // elapsed time, every second
    EventLoop::TimerId startTimeout_ = 0;  // 30 s until the receiver answers
    EventLoop::TimerId blinkTimer_ = 0;    // "Wait writing image end..."
    EventLoop::TimerId continuation_ = 0;  // pauses around the command
};

}  // namespace dorvane
