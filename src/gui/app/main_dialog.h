#pragma once

#include <QDialog>
#include <QPoint>
#include <QRegion>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>

#include "flow/operator_flow.h"
#include "database/channel_data_document.h"
#include "image/image_file.h"
#include "serial/serial_port.h"
#include "serial/tracing_link.h"
#include "transfer/line_trace.h"
#include "transfer/transfer_engine.h"
#include "transfer/transfer_monitor.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace dorvane {

class CSkinButton;
class CTextProgressBar;
class QtEventLoop;
class WindowPrompts;

// The program's window: a frameless, skinned and shaped panel with the
// buttons, the message log, the progress bar and the lamps. It owns the
// serial port, the transfer engine and the operator flow that runs every
// download and upload, and shows what the flow tells it.
class CMainDialog : public QDialog, private OperatorView {
    Q_OBJECT

public:
    // Control ids of the window template; control(id) finds them.
    enum ControlId {
        kMinimize = 1000, kClose = 1001, kOpen = 1002, kDownload = 1003, kProgress = 1004,
        kFilePath = 1005, kElapsed = 1006, kThroughput = 1007, kConfigure = 1008, kTitle = 1009,
        kPortLamp = 1010, kPortName = 1011, kPowerLamp = 1012, kLog = 1013, kEditor = 1014,
        kUpload = 1016, kForced = 1018
    };

    struct Options {
        QString portName = QStringLiteral("COM1");
        FlowTimes flowTimes{};
        EngineTimeouts engineTimeouts{};
        int portRetryMs = 500;
        // The dialogs to ask through; nullptr: the real ones.
        WindowPrompts* prompts = nullptr;
        // Where the settings go when the operator picks another port
        // (empty: the program's own).
        QString settingsApplication;
        // The port is not opened with the window but when the operator
        // comes back to it from the editor or starts a transfer
        // ("Dorvane_QX --edit FILE": the editor first, no port in its way).
        bool deferPort = false;
        // Where the last transfers are kept for a support bundle (empty:
        // the user's data folder of the program).
        QString historyFolder;
    };

    explicit CMainDialog(Options options, QWidget* parent = nullptr);
    ~CMainDialog() override;

    QWidget* control(int id) const;
    QStringList logLines() const;
    bool portLampOn() const { return portLampOn_; }
    bool powerLampOn() const { return powerLampOn_; }
    bool busy() const;
    QString portName() const { return portName_; }
    bool portRetryRunning() const { return retryTimer_ != 0; }

    CSerialPort& port() { return port_; }
    OperatorFlow& flow() { return *flow_; }
    CTransferEngine& engine() { return *engine_; }
    // The bytes of the last transfer on the line (bounded) and its figures.
    const TraceRecorder& trace() const { return trace_; }
    const TransferMonitor& monitor() const { return *monitor_; }

    // The log's context menu: "Save log...", "Save trace..." and "Save
    // support bundle...".
    void saveLog();
    void saveTrace();
    void saveSupportBundle();
    // The folder of the last transfers' logs, traces and receipts.
    QString historyFolder() const;

    // The connection check of the Configure dialog borrows the window's
    // port: lend true closes it (when it is the window's and no transfer
    // runs), lend false opens it again.
    void lendPort(const QString& port, bool lend);

    // Open with a chosen file (what the Open button does after its dialog).
    void openFile(const QString& path);
    // Opens the file and, when it is channel data, the editor on it.
    void openFileForEditing(const QString& path);
    void appendLog(const QString& line);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Commands.
    void onMinimizeClicked();
    void onCloseClicked();
    void onOpenClicked();
    void onDownloadClicked();
    void onUploadClicked();
    void onConfigureClicked();
    void onTitleClicked();
    void onPortLampClicked();
    void onForcedToggled(bool checked);
    void onEditClicked();
    void beginTransferRecord(TransferMonitor::Kind kind);
    void keepTransferRecord(TransferOutcome outcome);
    void showTransferFigures();
    void onLogMenu(const QPoint& at);
    // The editor window opens from here.
    void openEditor();

    // The port. A failure to open is said in the log (and retried); the
    // box with the reason comes when a transfer needs the port.
    // The box comes at once when the operator asked for the port himself
    // (the lamp, Configure).
    bool openPort(bool boxOnFailure = false);
    // Before a transfer: opens a port that is closed but not by the
    // operator's hand (deferred, or gone and not back yet).
    void openPortForTransfer();
    void onPortRetry();
    QPalette labelPalette() const;
    QLabel* label(const QString& text, QRect where, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
    QLabel* field(int id, const QString& text, QRect where, Qt::Alignment align);
    void buildProgressBar();
    void buildWindowButtons();
    void buildForcedCheckBox();
    void buildLog();
    void connectControls();
    void startPortRetry();
    void stopPortRetry();
    void onPortFailed(const Status& why);
    void setPortLamp(bool on);
    void showPortName();
    // Places the status row and the bottom row so that every text fits.
    void fitRows();

    // Start-up pieces.
    void buildControls();
    void setUpButtons();
    CSkinButton* makeTextButton(int id, const QString& text, const QString& tooltip, QRect where);
    CSkinButton* makeLamp(int id, QRect where);
    bool confirmStop();

    // OperatorView.
    void appendLog(const std::string& line) override;
    void showMessage(const std::string& text) override;
    bool askYesNo(const std::string& question) override;
    void setProgress(int position, const std::string& text) override;
    void setProgressText(const std::string& text) override;
    void setElapsedText(const std::string& text) override;
    void setThroughputText(const std::string& text) override;
    void setDownloadButtonText(const std::string& text) override;
    void setUploadButtonText(const std::string& text) override;
    void setPowerLamp(bool on) override;
    std::optional<std::filesystem::path> chooseUploadTarget() override;
    void fileInspected(const std::filesystem::path& path, const Result<Inspection>& result) override;
    void transferEnded(TransferOutcome outcome) override;

    Options options_;
    std::unique_ptr<WindowPrompts> ownPrompts_;
    WindowPrompts* prompts_ = nullptr;

    CSerialPort port_;
    CImageFile image_;
    // Every byte to and from the STB passes through here: the trace of the
    // last transfer and its figures are taken from it.
    TraceRecorder trace_;
    // The channel-data file the editor and the upload work on.
    ChannelDataDocument document_;
    std::unique_ptr<QtEventLoop> loop_;
    std::unique_ptr<TracingLink> line_;
    std::unique_ptr<TransferMonitor> monitor_;
    std::unique_ptr<CTransferEngine> engine_;
    std::unique_ptr<OperatorFlow> flow_;

    QString portName_;
    QString filePath_;
    QPixmap skin_;
    std::optional<QRegion> skinRegion_;
    std::uint64_t retryTimer_ = 0;  // the port retry on the event loop (0: not armed)
    QTimer figuresTimer_;  // the progress bar's tooltip while a transfer runs
    std::string portAdvice_;
    std::uint64_t receivedAtStart_ = 0;  // bytes from the STB before the transfer  // why the port failed while open, for the next box
    bool portLampOn_ = false;
    bool powerLampOn_ = false;
    bool closingConfirmed_ = false;
    bool portClosedByHand_ = false;
    bool portLent_ = false;          // closed for the connection check
    int logAtStart_ = 0;             // the first log line of the running transfer  // the lamp disconnected it: not opened again by itself
    bool portTried_ = false;         // opened (or tried) since start
    QString openFailure_;            // why the last open failed, for the transfer's box
    std::optional<QPoint> dragOffset_;

    std::map<int, QWidget*> controls_;
    CSkinButton* minimizeButton_ = nullptr;
    CSkinButton* closeButton_ = nullptr;
    CSkinButton* openButton_ = nullptr;
    CSkinButton* downloadButton_ = nullptr;
    CSkinButton* uploadButton_ = nullptr;
    CSkinButton* configureButton_ = nullptr;
    CSkinButton* editorButton_ = nullptr;
    CSkinButton* titleButton_ = nullptr;
    CSkinButton* portLamp_ = nullptr;
    CSkinButton* powerLamp_ = nullptr;
    CTextProgressBar* progress_ = nullptr;
    QLineEdit* filePathEdit_ = nullptr;
    QLabel* elapsed_ = nullptr;
    QLabel* throughput_ = nullptr;
    QLabel* portLabel_ = nullptr;
    QLabel* elapsedLabel_ = nullptr;
    QLabel* throughputLabel_ = nullptr;
    QLabel* powerLabel_ = nullptr;
    QListWidget* log_ = nullptr;
    QCheckBox* forced_ = nullptr;
};

}  // namespace dorvane
