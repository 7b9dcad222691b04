#include "app/main_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QWindow>

#include "app/dialog_units.h"
#include "app/serial_config_dialog.h"
#include "app/settings.h"
#include "app/version.h"
#include "transfer/qt_event_loop.h"
#include "app/window_prompts.h"
#include "database/channel_data_buffer.h"
#include "database/channel_data_file.h"
#include "database/receiver_database.h"
#include "editor/editor_prompts.h"
#include "editor/receiver_data_dialog.h"
#include "ui/region_from_bitmap.h"
#include "ui/skin_button.h"
#include "ui/text_progress_bar.h"

namespace dorvane {

namespace {

constexpr QRgb kKeyGreen = 0xFF00FF00;
constexpr QRgb kKeyMagenta = 0xFFFF00FF;

const QString kSkin = QStringLiteral(":/art/skin.png");
const QString kButtonFace = QStringLiteral(":/art/button_face.png");
const QString kMinimizeImage = QStringLiteral(":/art/minimize.png");
const QString kCloseImage = QStringLiteral(":/art/close.png");
const QString kGreenLamp = QStringLiteral(":/art/lamp_green.png");
const QString kGreyLamp = QStringLiteral(":/art/lamp_grey.png");
const QString kTitleStrip = QStringLiteral(":/art/title_strip.png");

const QString kOpenFilter = QStringLiteral("Image or Binary Files (*.img *.bin);;Channel Data (*irz)");
const QString kUploadFilter = QStringLiteral("Channel Data (*irz)");

// Colours of the panel's own texts and fields (the skin is dark).
const QColor kLabelText(0xd9, 0xde, 0xe6);
const QColor kFieldBackground(0x10, 0x15, 0x1b);
const QColor kFieldText(0x8c, 0xe8, 0xa6);

QString q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CMainDialog::CMainDialog(Options options, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      options_(std::move(options)),
      loop_(std::make_unique<QtEventLoop>()),
      portName_(options_.portName) {
    if (options_.prompts) {
        prompts_ = options_.prompts;
    } else {
        ownPrompts_ = std::make_unique<DialogPrompts>();
        prompts_ = ownPrompts_.get();
    }
    engine_ = std::make_unique<CTransferEngine>(*loop_, port_, image_, document_.buffer(), options_.engineTimeouts);
    flow_ = std::make_unique<OperatorFlow>(*loop_, *engine_, port_, image_, document_.buffer(),
                                           static_cast<OperatorView&>(*this), options_.flowTimes);

    // The skin and the shape cut from it (everything but the key green).
    skin_ = QPixmap(kSkin);
    skinRegion_ = regionFromBitmap(skin_.toImage(), kKeyGreen);

    setWindowIcon(QIcon(QStringLiteral(":/art/icon_256.png")));
    setWindowTitle(QStringLiteral("Dorvane_QX"));
    setAttribute(Qt::WA_NoSystemBackground, true);
    QFont font;
    font.setFamilies({QStringLiteral("Segoe UI"), QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(skin_.isNull() ? dialogUnits(280, 255).size() : skin_.size());
    if (skinRegion_) setMask(*skinRegion_);

    buildControls();
    setUpButtons();
    progress_->setRange(0, 100);
    progress_->setText(QString());

    retryTimer_.setInterval(options_.portRetryMs);
    connect(&retryTimer_, &QTimer::timeout, this, &CMainDialog::onPortRetry);
    connect(&port_, &CSerialPort::failed, this, &CMainDialog::onPortFailed);

    openPort();
    flow_->start();
}

CMainDialog::~CMainDialog() {
    retryTimer_.stop();
    // The flow and the engine go before the port and the event loop they use.
    flow_.reset();
    engine_.reset();
    port_.close();
}

// ---------------------------------------------------------------- controls

CSkinButton* CMainDialog::makeTextButton(int id, const QString& text, const QString& tooltip, QRect where) {
    auto* b = new CSkinButton(text, this);
    b->setGeometry(where);
    b->setBitmaps(kButtonFace, kKeyMagenta);
    b->setTooltipText(tooltip);
    b->setAlign(3, false);
    b->setPressedStyle(1, false);
    b->setColor(CSkinButton::TextIn, QColor(0xFF, 0xFF, 0xFF));
    b->setColor(CSkinButton::TextOut, QColor(0x00, 0x00, 0x00));
    b->sizeToContent();
    b->setDrawBorder(false, false);
    // The rounded corners of the face show the skin behind them.
    b->setTransparent(false);
    QFont f = font();
    f.setBold(true);
    b->setFont(f);
    b->setFocusPolicy(Qt::TabFocus);
    controls_[id] = b;
    return b;
}

CSkinButton* CMainDialog::makeLamp(int id, QRect where) {
    auto* b = new CSkinButton(this);
    b->setGeometry(where);
    b->setBitmaps(kGreyLamp, std::nullopt);
    b->setAlign(3, false);
    b->setPressedStyle(1, false);
    b->setColor(CSkinButton::TextIn, QColor(0xFF, 0xFF, 0xFF));
    b->setColor(CSkinButton::TextOut, QColor(0x00, 0x00, 0x00));
    b->sizeToContent();
    b->setDrawBorder(false, false);
    b->setFocusPolicy(Qt::NoFocus);
    controls_[id] = b;
    return b;
}

void CMainDialog::buildControls() {
    QPalette labelPalette = palette();
    labelPalette.setColor(QPalette::WindowText, kLabelText);

    const auto label = [&](const QString& text, QRect where, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
        auto* l = new QLabel(text, this);
        l->setPalette(labelPalette);
        l->setAlignment(align);
        // Room for the text's height; the template's 8 units are one line.
        l->setGeometry(where.adjusted(0, -2, 0, 2));
        return l;
    };
    const auto field = [&](int id, const QString& text, QRect where, Qt::Alignment align) {
        auto* l = new QLabel(text, this);
        QPalette p = labelPalette;
        p.setColor(QPalette::Window, kFieldBackground);
        p.setColor(QPalette::WindowText, kFieldText);
        l->setPalette(p);
        l->setAutoFillBackground(true);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setAlignment(align | Qt::AlignVCenter);
        l->setMargin(1);
        l->setGeometry(where);
        controls_[id] = l;
        return l;
    };

    // Tab order follows the template.
    minimizeButton_ = new CSkinButton(this);
    minimizeButton_->setGeometry(dialogUnits(217, 18, 10, 12));
    controls_[kMinimize] = minimizeButton_;
    closeButton_ = new CSkinButton(this);
    closeButton_->setGeometry(dialogUnits(229, 18, 10, 12));
    controls_[kClose] = closeButton_;

    openButton_ = makeTextButton(kOpen, QStringLiteral("Open"), QStringLiteral("Open"), dialogUnits(192, 64, 46, 25));
    downloadButton_ = makeTextButton(kDownload, QStringLiteral("Download"), QStringLiteral("download"),
                                     dialogUnits(192, 142, 46, 25));

    progress_ = new CTextProgressBar(this);
    progress_->setGeometry(dialogUnits(15, 121, 223, 14));
    progress_->setBarColor(QColor(0x3d, 0x8b, 0xe0));
    progress_->setBackgroundColor(QColor(0xe4, 0xe9, 0xef));
    progress_->setTextColors(QColor(0xFF, 0xFF, 0xFF), QColor(0x1d, 0x23, 0x2b));
    QFont barFont = font();
    barFont.setBold(true);
    progress_->setFont(barFont);
    progress_->setText(QStringLiteral("Progress1"));
    controls_[kProgress] = progress_;

    filePathEdit_ = new QLineEdit(this);
    filePathEdit_->setGeometry(dialogUnits(60, 71, 120, 14));
    filePathEdit_->setReadOnly(true);
    filePathEdit_->setToolTip(QStringLiteral("The current file"));
    controls_[kFilePath] = filePathEdit_;
    label(QStringLiteral("File Name :"), dialogUnits(16, 74, 41, 8));

    label(QStringLiteral("Elapsed :"), dialogUnits(15, 103, 31, 8));
    // Wide enough for "00:00" in this font.
    elapsed_ = field(kElapsed, QStringLiteral("00:00"), dialogUnits(46, 103, 19, 11).adjusted(0, 0, 8, 0),
                     Qt::AlignHCenter);
    label(QStringLiteral("Throughput :"), dialogUnits(90, 103, 42, 8));
    throughput_ = field(kThroughput, QString(), dialogUnits(139, 103, 41, 11), Qt::AlignRight);

    configureButton_ = makeTextButton(kConfigure, QStringLiteral("Configure"), QStringLiteral("Configure"),
                                      dialogUnits(192, 197, 46, 25));
    portLamp_ = makeLamp(kPortLamp, dialogUnits(37, 209, 10, 12));
    portLamp_->setToolTip(QStringLiteral("Connect or disconnect the port"));
    portLabel_ = label(QStringLiteral("COM 1"), dialogUnits(15, 209, 23, 8));
    controls_[kPortName] = portLabel_;

    log_ = new QListWidget(this);
    log_->setGeometry(dialogUnits(15, 143, 169, 62));
    log_->setSelectionMode(QAbstractItemView::NoSelection);
    log_->setSortingEnabled(false);
    log_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    log_->setUniformItemSizes(true);
    log_->setFocusPolicy(Qt::NoFocus);
    controls_[kLog] = log_;

    titleButton_ = new CSkinButton(QString::fromStdString(titleText()), this);
    // Wider than the template to the left (the header is empty there), so
    // that "Dorvane_QX 0.6" fits on one line; it sits on the skin's badge.
    titleButton_->setGeometry(QRect(248, 64, 118, 28));
    titleButton_->setFocusPolicy(Qt::NoFocus);
    controls_[kTitle] = titleButton_;

    uploadButton_ = makeTextButton(kUpload, QStringLiteral("Upload"), QStringLiteral("upload"),
                                   dialogUnits(192, 91, 46, 24));
    powerLamp_ = makeLamp(kPowerLamp, dialogUnits(94, 209, 10, 12));
    powerLamp_->setToolTip(QStringLiteral("STB power: green while the STB's application answers"));
    powerLamp_->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    label(QStringLiteral("STB Power"), dialogUnits(55, 209, 37, 8));

    editorButton_ = makeTextButton(kEditor, QStringLiteral("Edit"), QStringLiteral("editor"),
                                   dialogUnits(192, 169, 46, 25));
    editorButton_->hide();

    forced_ = new QCheckBox(QStringLiteral("Forced download"), this);
    forced_->setPalette(labelPalette);
    forced_->setGeometry(dialogUnits(118, 208, 67, 15).translated(-6, 0));
    QFont small = font();
    small.setPixelSize(10);
    forced_->setFont(small);
    forced_->setEnabled(false);
    forced_->setToolTip(QStringLiteral("Download even when the STB's buyer code does not match the image"));
    controls_[kForced] = forced_;

    showPortName();

    connect(minimizeButton_, &QPushButton::clicked, this, &CMainDialog::onMinimizeClicked);
    connect(closeButton_, &QPushButton::clicked, this, &CMainDialog::onCloseClicked);
    connect(openButton_, &QPushButton::clicked, this, &CMainDialog::onOpenClicked);
    connect(downloadButton_, &QPushButton::clicked, this, &CMainDialog::onDownloadClicked);
    connect(uploadButton_, &QPushButton::clicked, this, &CMainDialog::onUploadClicked);
    connect(configureButton_, &QPushButton::clicked, this, &CMainDialog::onConfigureClicked);
    connect(titleButton_, &QPushButton::clicked, this, &CMainDialog::onTitleClicked);
    connect(portLamp_, &QPushButton::clicked, this, &CMainDialog::onPortLampClicked);
    connect(editorButton_, &QPushButton::clicked, this, &CMainDialog::onEditClicked);
    connect(forced_, &QCheckBox::toggled, this, &CMainDialog::onForcedToggled);
}

void CMainDialog::setUpButtons() {
    minimizeButton_->setBitmaps(kMinimizeImage, kKeyMagenta);
    minimizeButton_->setTooltipText(QStringLiteral("Minimize"));
    minimizeButton_->setTransparent(false);
    minimizeButton_->setDrawBorder(false, false);
    minimizeButton_->sizeToContent();
    minimizeButton_->setFocusPolicy(Qt::NoFocus);
    closeButton_->setBitmaps(kCloseImage, kKeyMagenta);
    closeButton_->setTooltipText(QStringLiteral("Close"));
    closeButton_->setTransparent(false);
    closeButton_->setDrawBorder(false, false);
    closeButton_->sizeToContent();
    closeButton_->setFocusPolicy(Qt::NoFocus);

    // The title: a strip of key green (all see-through) so only its text
    // shows, white while the pointer is over it.
    titleButton_->setBitmaps(QImage(kTitleStrip), kKeyGreen, QImage(), std::nullopt, CSkinButton::OutImage::Darker);
    titleButton_->setTransparent();
    titleButton_->setAlign(3, true);
    titleButton_->setPressedStyle(1);
    titleButton_->setColor(CSkinButton::TextIn, QColor(0xFF, 0xFF, 0xFF));
    titleButton_->setColor(CSkinButton::TextOut, QColor(0x00, 0x00, 0x00));
    titleButton_->setDrawBorder(false);
    QFont f = font();
    f.setBold(true);
    titleButton_->setFont(f);
    titleButton_->setTooltipText(QStringLiteral("About Dorvane_QX"));
}

QWidget* CMainDialog::control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

QStringList CMainDialog::logLines() const {
    QStringList lines;
    for (int i = 0; i < log_->count(); ++i) lines << log_->item(i)->text();
    return lines;
}

bool CMainDialog::busy() const { return flow_->busy() || flow_->starting(); }

void CMainDialog::appendLog(const QString& line) {
    log_->addItem(line);
    log_->setCurrentRow(log_->count() - 1, QItemSelectionModel::NoUpdate);
    log_->scrollToBottom();
}

void CMainDialog::showPortName() {
    const QString shown = shortPortName(portName_);
    portLabel_->setText(shown);
    portLabel_->setToolTip(portName_);
    // Long device names get a smaller font rather than run into the lamp.
    QFont f = font();
    for (int size = f.pixelSize(); size > 7; --size) {
        f.setPixelSize(size);
        if (QFontMetrics(f).horizontalAdvance(shown) <= portLabel_->width()) break;
    }
    portLabel_->setFont(f);
}

// ---------------------------------------------------------------- painting, dragging

void CMainDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (skin_.isNull()) {
        p.fillRect(rect(), palette().color(QPalette::Window));
        return;
    }
    p.drawPixmap(0, 0, skin_);
}

void CMainDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QDialog::mousePressEvent(event);
    // The window is dragged by its background.
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
}

void CMainDialog::mouseMoveEvent(QMouseEvent* event) {
    if (dragOffset_ && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - *dragOffset_);
    else
        QDialog::mouseMoveEvent(event);
}

void CMainDialog::mouseReleaseEvent(QMouseEvent* event) {
    dragOffset_.reset();
    QDialog::mouseReleaseEvent(event);
}

void CMainDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !(windowState() & Qt::WindowMinimized))
        setWindowTitle(QStringLiteral("Dorvane_QX"));
}

// ---------------------------------------------------------------- closing

bool CMainDialog::confirmStop() {
    if (!busy()) return true;
    if (!prompts_->question(this, QStringLiteral("Downloading process is in progress, Do you want to stop the downloading?")))
        return false;
    if (busy()) flow_->cancel();
    return true;
}

void CMainDialog::onCloseClicked() {
    if (!confirmStop()) return;
    closingConfirmed_ = true;
    done(QDialog::Accepted);
}

void CMainDialog::closeEvent(QCloseEvent* event) {
    // The system's close request asks like the Close button while a
    // transfer runs, instead of cutting the receiver off mid-flash.
    if (!closingConfirmed_ && !confirmStop()) {
        event->ignore();
        return;
    }
    closingConfirmed_ = true;
    QDialog::closeEvent(event);
}

void CMainDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (confirmStop()) {
            closingConfirmed_ = true;
            done(QDialog::Rejected);
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMainDialog::onMinimizeClicked() { showMinimized(); }

void CMainDialog::onTitleClicked() { prompts_->about(this); }

// ---------------------------------------------------------------- the port

bool CMainDialog::openPort() {
    if (port_.open(portName_, CSerialPort::kDefaultBaudRate, 8, 0, 0)) {
        appendLog(QStringLiteral("%1 port was opened successfully!").arg(portName_));
        setPortLamp(true);
        retryTimer_.stop();
        return true;
    }
    // No retry while the box is up: one box per failed attempt.
    retryTimer_.stop();
    const QString text = QStringLiteral("Port(%1) open failed.").arg(portName_);
    setPortLamp(false);
    prompts_->message(this, text);
    appendLog(text);
    retryTimer_.start();
    return false;
}

void CMainDialog::onPortRetry() {
    // Silent while the device cannot be opened.
    if (port_.isOpen()) {
        retryTimer_.stop();
        return;
    }
    if (CSerialPort::probePort(portName_)) openPort();
}

void CMainDialog::onPortFailed(const QString& message) {
    // The adapter went away: the engine has ended a running transfer; the
    // port comes back by itself when the device does.
    appendLog(QStringLiteral("Port(%1) failed: %2").arg(portName_, message));
    setPortLamp(false);
    retryTimer_.start();
}

void CMainDialog::setPortLamp(bool on) {
    portLampOn_ = on;
    portLamp_->setBitmaps(on ? kGreenLamp : kGreyLamp, std::nullopt);
}

void CMainDialog::onPortLampClicked() {
    if (port_.isOpen()) {
        setPortLamp(false);
        port_.close();
        appendLog(QStringLiteral("%1 disconnected.").arg(port_.name()));
        return;
    }
    retryTimer_.stop();
    if (port_.name().isEmpty()) port_.setName(portName_);
    if (port_.openDefault()) {
        setPortLamp(true);
        appendLog(QStringLiteral("%1 connected.").arg(port_.name()));
    } else {
        // Not reported as connected when it is not: the failure box, the
        // grey lamp and the retry as at start-up.
        openPort();
    }
}

void CMainDialog::onConfigureClicked() {
    if (busy()) {
        prompts_->message(this, QStringLiteral("You can't configure Serial port on downloading..."));
        return;
    }
    const std::optional<QString> chosen = prompts_->choosePort(this, portName_);
    if (!chosen || chosen->isEmpty()) return;

    Settings settings(options_.settingsApplication);
    static const QRegularExpression comName(QStringLiteral("^COM(-?\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = comName.match(*chosen);
    if (m.hasMatch()) {
        settings.setPortNumber(m.captured(1).toInt());
        settings.clearPortName();
    } else {
        settings.setPortName(*chosen);
    }
    retryTimer_.stop();
    port_.close();
    portName_ = *chosen;
    port_.setName(portName_);
    showPortName();
    openPort();
}

// ---------------------------------------------------------------- files and transfers

void CMainDialog::onOpenClicked() {
    if (busy()) {
        // Replacing the image under a running download is not allowed.
        prompts_->message(this, QStringLiteral("You can't open a file on downloading..."));
        return;
    }
    const QString path = prompts_->openFileName(this, kOpenFilter);
    if (path.isEmpty()) return;
    openFile(path);
}

void CMainDialog::openFile(const QString& path) {
    filePath_ = path;
    filePathEdit_->setText(path);
    filePathEdit_->setCursorPosition(static_cast<int>(path.size()));
    flow_->openFile(std::filesystem::path(path.toStdString()));
}

void CMainDialog::openFileForEditing(const QString& path) {
    openFile(path);
    if (!editorButton_->isHidden()) openEditor();
}

void CMainDialog::onForcedToggled(bool checked) { flow_->setForcedDownload(checked); }

void CMainDialog::onDownloadClicked() { flow_->downloadClicked(); }

void CMainDialog::onUploadClicked() { flow_->uploadClicked(); }

void CMainDialog::onEditClicked() { openEditor(); }

void CMainDialog::openEditor() {
    // The editor shares the channel-data buffer with the upload.
    if (flow_->busy() || flow_->starting()) {
        prompts_->message(this, QStringLiteral("You can't edit a file while transferring..."));
        return;
    }
    image_.close();
    // Through UTF-16 so that names outside the local code page survive on
    // Windows.
    const FileResult read = document_.read(std::filesystem::path(filePath_.toStdU16String()));
    if (!read.ok) {
        prompts_->message(this, QString::fromStdString(read.message));
        return;
    }
    {
        CReceiverDataDialog editor(document_);
        if (editor.initialise()) editorPrompts().run(editor);
    }
    // The file as it is now (saved or not) becomes the current file again.
    openFile(QString::fromStdU16String(document_.path().u16string()));
}

// ---------------------------------------------------------------- what the flow shows

void CMainDialog::appendLog(const std::string& line) { appendLog(q(line)); }

void CMainDialog::showMessage(const std::string& text) { prompts_->message(this, q(text)); }

bool CMainDialog::askYesNo(const std::string& question) { return prompts_->question(this, q(question)); }

void CMainDialog::setProgress(int position, const std::string& text) {
    progress_->setText(q(text));
    progress_->setPosition(position);
    progress_->update();
}

void CMainDialog::setProgressText(const std::string& text) {
    progress_->setText(q(text));
    progress_->update();
}

void CMainDialog::setElapsedText(const std::string& text) { elapsed_->setText(q(text)); }

void CMainDialog::setThroughputText(const std::string& text) { throughput_->setText(q(text)); }

void CMainDialog::setDownloadButtonText(const std::string& text) { downloadButton_->setText(q(text)); }

void CMainDialog::setUploadButtonText(const std::string& text) { uploadButton_->setText(q(text)); }

void CMainDialog::setPowerLamp(bool on) {
    if (on == powerLampOn_ && !powerLamp_->inImage().isNull()) return;
    powerLampOn_ = on;
    powerLamp_->setBitmaps(on ? kGreenLamp : kGreyLamp, std::nullopt);
}

std::optional<std::filesystem::path> CMainDialog::chooseUploadTarget() {
    const QString path = prompts_->saveFileName(this, QStringLiteral("stbdata.irz"), kUploadFilter);
    if (path.isEmpty()) return std::nullopt;
    filePath_ = path;
    filePathEdit_->setText(path);
    filePathEdit_->setCursorPosition(static_cast<int>(path.size()));
    return std::filesystem::path(path.toStdString());
}

void CMainDialog::fileInspected(const std::filesystem::path& path, const Inspection& result) {
    const QString shown = QString::fromStdString(path.string());
    filePath_ = shown;
    filePathEdit_->setText(shown);
    filePathEdit_->setCursorPosition(static_cast<int>(shown.size()));
    if (!result.opened) return;
    editorButton_->setVisible(result.showEditor);
    {
        const QSignalBlocker block(forced_);
        forced_->setChecked(false);
    }
    if (result.enableForcedDownload) forced_->setEnabled(true);
}

}  // namespace dorvane
