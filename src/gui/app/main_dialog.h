#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/database/channel_data_document.h"
#include "gui/editor/editor_options.h"
#include "qtcore/transfer/transfer_session.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace dorvane {

class CSkinButton;
class CTextProgressBar;
class Prompts;

// The program's window: a frameless, skinned and shaped panel with the
// buttons, the message log, the progress bar and the lamps. It owns the
// transfer session that runs every download and upload on its port, and
// shows what the session tells it.
class CMainDialog : public QDialog, private SessionObserver {
    Q_OBJECT

public:
    // Control ids of the window template; control(id) finds them.
    enum ControlId {
        kMinimize = 1000,
        kClose = 1001,
        kOpen = 1002,
        kDownload = 1003,
        kProgress = 1004,
        kFilePath = 1005,
        kElapsed = 1006,
        kThroughput = 1007,
        kConfigure = 1008,
        kTitle = 1009,
        kPortLamp = 1010,
        kPortName = 1011,
        kPowerLamp = 1012,
        kLog = 1013,
        kEditor = 1014,
        kUpload = 1016,
        kForced = 1018,
        kStation = 1019
    };

    struct Options {
        QString portName = QStringLiteral("COM1");
        FlowTimes flowTimes{};
        EngineTimeouts engineTimeouts{};
        int portRetryMs = 500;
        // How the editor the window opens behaves.
        EditorOptions editor{};
        // Where the settings go when the operator picks another port
        // (empty: the program's own).
        QString settingsApplication;
        // The port is not opened with the window but when the operator
        // comes back to it from the editor or starts a transfer
        // ("Dorvane_QX --edit FILE": the editor first, no port in its way).
        bool deferPort = false;
        // Where the last transfers are kept for a support bundle (empty:
        // the user's data folder of the program).
        QString transfersFolder;
    };

    // The window asks through `prompts` (which it hands on to the editor it
    // opens); the caller keeps them for the window's life.
    CMainDialog(Options options, Prompts& prompts, QWidget* parent = nullptr);
    ~CMainDialog() override;

    QWidget* control(int id) const;
    QStringList logLines() const;
    // The diagnostic lines of the document's unpacking and packing, kept for
    // the support log (they are no operator's business).
    const std::vector<std::string>& diagnosticLines() const { return diagnosticLines_; }
    bool portLampOn() const { return portLampOn_; }
    bool powerLampOn() const { return powerLampOn_; }
    bool busy() const { return session_->busy(); }
    QString portName() const { return portName_; }
    bool portRetryRunning() const { return retryTimer_ != 0; }

    CSerialPort& port() { return session_->port(); }
    OperatorFlow& flow() { return session_->flow(); }
    CTransferEngine& engine() { return session_->engine(); }
    // The bytes of the last transfer on the line (bounded) and its figures.
    const TraceRecorder& trace() const { return session_->trace(); }
    const TransferMonitor& monitor() const { return session_->monitor(); }

    // The log's context menu: "Save log...", "Save trace..." and "Save
    // support bundle...".
    void saveLog();
    void saveTrace();
    void saveSupportBundle();
    // The folder of the last transfers' logs, traces and receipts.
    QString transfersFolder() const;

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
    void onStationClicked();
    void afterClick(bool wasIdle);
    void keepTransferRecord(TransferOutcome outcome, const QString& summary);
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
    void onPortLost(const SessionNotice& notice);
    void setPortLamp(bool on);
    void showPortName();
    // Places the status row and the bottom row so that every text fits.
    void fitRows();
    void fitFileRow();
    void setUpKeyboard();

    // Start-up pieces.
    void buildControls();
    void setUpButtons();
    CSkinButton* makeTextButton(int id, const QString& text, const QString& tooltip, QRect where);
    CSkinButton* makeLamp(int id, QRect where);
    bool confirmStop();
    // A box with the exclamation icon.
    void warn(const QString& text);

    // SessionObserver.
    void logLine(const std::string& line) override;
    void notice(const SessionNotice& notice) override;
    void figures(const TransferFigures& figures) override;
    void stateChanged(const SessionState& state) override;
    void transferEnded(const SessionOutcome& outcome) override;
    bool askYesNo(const std::string& question) override;
    std::optional<std::filesystem::path> chooseUploadTarget() override;
    void fileInspected(const std::filesystem::path& path, const Result<Inspection>& result) override;

    Options options_;
    Prompts& prompts_;

    // The channel-data file the editor and the upload work on.
    ChannelDataDocument document_;
    std::vector<std::string> diagnosticLines_;
    std::unique_ptr<TransferSession> session_;

    QString portName_;
    QString filePath_;
    QPixmap skin_;
    std::optional<QRegion> skinRegion_;
    std::uint64_t retryTimer_ = 0;  // the port retry on the event loop (0: not armed)
    bool recording_ = false;        // a transfer started by a click runs: its figures are the bar's tooltip
    std::string refusalAdvice_;     // the buyer codes of a refusal, logged at the transfer's end
    bool portLampOn_ = false;
    bool powerLampOn_ = false;
    bool closingConfirmed_ = false;
    bool portClosedByHand_ = false;  // the lamp disconnected it: not opened again by itself
    bool portLent_ = false;          // closed for the connection check
    int logAtStart_ = 0;             // the first log line of the running transfer
    bool portTried_ = false;         // opened (or tried) since start
    std::optional<QPoint> dragOffset_;

    std::map<int, QWidget*> controls_;
    CSkinButton* minimizeButton_ = nullptr;
    CSkinButton* closeButton_ = nullptr;
    CSkinButton* openButton_ = nullptr;
    CSkinButton* downloadButton_ = nullptr;
    CSkinButton* uploadButton_ = nullptr;
    CSkinButton* configureButton_ = nullptr;
    CSkinButton* editorButton_ = nullptr;
    CSkinButton* stationButton_ = nullptr;
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
    QLabel* fileLabel_ = nullptr;
    QListWidget* log_ = nullptr;
    QCheckBox* forced_ = nullptr;
};

}  // namespace dorvane
