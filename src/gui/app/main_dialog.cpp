#include "gui/app/main_dialog.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>

#include "gui/station/station_window.h"
#include "qtcore/bundle/support_bundle.h"
#include "qtcore/bundle/transfer_history.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QShortcut>
#include <QStyle>
#include <QWindow>

#include <array>
#include <functional>

#include "core/app/version.h"
#include "core/database/channel_data_buffer.h"
#include "core/database/channel_data_file.h"
#include "core/database/receiver_database.h"
#include "gui/app/dialog_units.h"
#include "gui/app/serial_config_dialog.h"
#include "gui/editor/receiver_data_dialog.h"
#include "gui/ui/accessible_value.h"
#include "gui/ui/prompts.h"
#include "gui/ui/region_from_bitmap.h"
#include "gui/ui/skin_button.h"
#include "gui/ui/text_progress_bar.h"
#include "qtcore/app/core_text.h"
#include "qtcore/app/path_text.h"
#include "qtcore/app/settings.h"

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

const QString kOpenFilter = QCoreApplication::translate(
    "dorvane::CMainDialog", "Image or Binary Files (*.img *.bin);;Channel Data (*.irz);;All files (*)");
const QString kUploadFilter = QCoreApplication::translate("dorvane::CMainDialog", "Channel Data (*irz)");

// Colours of the panel's own texts and fields (the skin is dark).
const QColor kLabelText(0xd9, 0xde, 0xe6);
const QColor kFieldBackground(0x10, 0x15, 0x1b);
const QColor kFieldText(0x8c, 0xe8, 0xa6);

// The core's texts, in the language installed.
QString q(const std::string& s) { return coreText(s); }

}  // namespace

CMainDialog::CMainDialog(Options options, Prompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint),
      options_(std::move(options)),
      prompts_(prompts),
      portName_(options_.portName) {
    document_.setDiagnostics([this](std::string_view line) { diagnosticLines_.emplace_back(line); });
    TransferSession::Options sessionOptions;
    sessionOptions.flowTimes = options_.flowTimes;
    sessionOptions.engineTimeouts = options_.engineTimeouts;
    sessionOptions.buffer = &document_.buffer();
    // The figures (and the line speed from them) as often as the flow's clock ticks.
    sessionOptions.figuresPeriodMs = static_cast<int>(options_.flowTimes.tick);
    session_ = std::make_unique<TransferSession>(static_cast<SessionObserver&>(*this), sessionOptions);

    // The skin and the shape cut from it (everything but the key green).
    skin_ = QPixmap(kSkin);
    skinRegion_ = regionFromBitmap(skin_.toImage(), kKeyGreen);

    setWindowIcon(QIcon(QStringLiteral(":/art/icon_256.png")));
    setWindowTitle(QStringLiteral("Dorvane_QX"));
    setAttribute(Qt::WA_NoSystemBackground, true);
    QFont font;
    // The desktop's own font first, at the size the skin is drawn for.
    font.setFamilies({QApplication::font().family(), QStringLiteral("Segoe UI"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    setFont(font);
    setFixedSize(skin_.isNull() ? dialogUnits(280, 255).size() : skin_.size());
    if (skinRegion_) setMask(*skinRegion_);

    buildControls();
    setUpButtons();
    setUpKeyboard();
    progress_->setRange(0, 100);
    progress_->setText(QString());

    if (!options_.deferPort) openPort();
    session_->start();
}

CMainDialog::~CMainDialog() {
    stopPortRetry();
    session_.reset();
}

// ---------------------------------------------------------------- controls

CSkinButton* CMainDialog::makeTextButton(int id, const QString& text, const QString& tooltip, QRect where) {
    auto* b = new CSkinButton(text, this);
    b->setGeometry(where);
    b->setBitmaps(kButtonFace, kKeyMagenta);
    b->setTooltipText(tooltip);
    b->setAlign(CSkinButton::Align::TextOverImage, false);
    b->setPressedStyle(CSkinButton::PressedStyle::ShiftDown, false);
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
    b->setFlatFocus(true, false);
    controls_[id] = b;
    return b;
}

CSkinButton* CMainDialog::makeLamp(int id, QRect where) {
    auto* b = new CSkinButton(this);
    b->setGeometry(where);
    b->setBitmaps(kGreyLamp, std::nullopt);
    b->setAlign(CSkinButton::Align::TextOverImage, false);
    b->setPressedStyle(CSkinButton::PressedStyle::ShiftDown, false);
    b->setColor(CSkinButton::TextIn, QColor(0xFF, 0xFF, 0xFF));
    b->setColor(CSkinButton::TextOut, QColor(0x00, 0x00, 0x00));
    b->sizeToContent();
    b->setDrawBorder(false, false);
    b->setFocusPolicy(Qt::NoFocus);
    b->setFlatFocus(true, false);
    controls_[id] = b;
    return b;
}

QPalette CMainDialog::labelPalette() const {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, kLabelText);
    return p;
}

QLabel* CMainDialog::label(const QString& text, QRect where, Qt::Alignment align) {
    auto* l = new QLabel(text, this);
    l->setPalette(labelPalette());
    l->setAlignment(align);
    // Room for the text's height; the template's 8 units are one line.
    l->setGeometry(where.adjusted(0, -2, 0, 2));
    return l;
}

QLabel* CMainDialog::field(int id, const QString& text, QRect where, Qt::Alignment align) {
    auto* l = new QLabel(text, this);
    QPalette p = labelPalette();
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
}

void CMainDialog::buildProgressBar() {
    progress_ = new CTextProgressBar(this);
    progress_->setGeometry(dialogUnits(15, 121, 223, 14));
    // Dark enough that the white text on it keeps 4.5:1.
    progress_->setBarColor(QColor(0x2a, 0x6f, 0xc4));
    progress_->setBackgroundColor(QColor(0xe4, 0xe9, 0xef));
    progress_->setTextColors(QColor(0xFF, 0xFF, 0xFF), QColor(0x1d, 0x23, 0x2b));
    QFont barFont = font();
    barFont.setBold(true);
    progress_->setFont(barFont);
    progress_->setText(QStringLiteral("Progress1"));
    markAccessible(progress_, QAccessible::ProgressBar);
    progress_->setAccessibleName(tr("Progress"));
    controls_[kProgress] = progress_;
}

void CMainDialog::buildLog() {
    log_ = new QListWidget(this);
    log_->setGeometry(dialogUnits(15, 143, 169, 62));
    log_->setSelectionMode(QAbstractItemView::NoSelection);
    log_->setSortingEnabled(false);
    log_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    log_->setUniformItemSizes(true);
    // Reached with Tab; the Menu key opens its menu (Save log, Save trace).
    log_->setFocusPolicy(Qt::TabFocus);
    log_->setAccessibleName(tr("Log"));
    log_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(log_, &QWidget::customContextMenuRequested, this, &CMainDialog::onLogMenu);
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        auto* menuKey = new QShortcut(keys, log_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(menuKey, &QShortcut::activated, this, [this] { onLogMenu(log_->viewport()->rect().center()); });
    }
    controls_[kLog] = log_;
}

void CMainDialog::connectControls() {
    connect(minimizeButton_, &QPushButton::clicked, this, &CMainDialog::onMinimizeClicked);
    connect(closeButton_, &QPushButton::clicked, this, &CMainDialog::onCloseClicked);
    connect(openButton_, &QPushButton::clicked, this, &CMainDialog::onOpenClicked);
    connect(downloadButton_, &QPushButton::clicked, this, &CMainDialog::onDownloadClicked);
    connect(uploadButton_, &QPushButton::clicked, this, &CMainDialog::onUploadClicked);
    connect(configureButton_, &QPushButton::clicked, this, &CMainDialog::onConfigureClicked);
    connect(titleButton_, &QPushButton::clicked, this, &CMainDialog::onTitleClicked);
    connect(portLamp_, &QPushButton::clicked, this, &CMainDialog::onPortLampClicked);
    connect(editorButton_, &QPushButton::clicked, this, &CMainDialog::onEditClicked);
    connect(stationButton_, &QPushButton::clicked, this, &CMainDialog::onStationClicked);
    connect(forced_, &QCheckBox::toggled, this, &CMainDialog::onForcedToggled);
}

// The keyboard reaches every command: Tab goes through the controls in the
// order of the panel, Space presses the one with the focus (drawn on the
// skin), and Alt with a letter presses a button from anywhere.
void CMainDialog::setUpKeyboard() {
    for (CSkinButton* b : {minimizeButton_, closeButton_, titleButton_, portLamp_}) {
        b->setFocusPolicy(Qt::TabFocus);
        b->setFlatFocus(true, false);
    }
    QWidget* order[] = {filePathEdit_, openButton_,      uploadButton_, downloadButton_, stationButton_,
                        editorButton_, configureButton_, forced_,       portLamp_,       log_,
                        titleButton_,  minimizeButton_,  closeButton_};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    const std::pair<Qt::Key, QAbstractButton*> keys[] = {{Qt::Key_O, openButton_},      {Qt::Key_D, downloadButton_},
                                                         {Qt::Key_U, uploadButton_},    {Qt::Key_E, editorButton_},
                                                         {Qt::Key_C, configureButton_}, {Qt::Key_F, forced_},
                                                         {Qt::Key_S, stationButton_}};
    for (const auto& entry : keys) {
        QAbstractButton* const button = entry.second;
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | entry.first), this);
        connect(shortcut, &QShortcut::activated, button, [button] {
            if (button->isVisible() && button->isEnabled()) button->animateClick();
        });
    }
}

void CMainDialog::buildWindowButtons() {
    installAccessibleValues();
    minimizeButton_ = new CSkinButton(this);
    minimizeButton_->setGeometry(dialogUnits(217, 18, 10, 12));
    controls_[kMinimize] = minimizeButton_;
    closeButton_ = new CSkinButton(this);
    closeButton_->setGeometry(dialogUnits(229, 18, 10, 12));
    controls_[kClose] = closeButton_;
}

void CMainDialog::buildForcedCheckBox() {
    forced_ = new QCheckBox(tr("Forced download"), this);
    forced_->setPalette(labelPalette());
    forced_->setGeometry(dialogUnits(118, 208, 67, 15).translated(-6, 0));
    forced_->setEnabled(false);
    forced_->setToolTip(tr("Download even when the STB's buyer code does not match the image"));
    controls_[kForced] = forced_;
}

void CMainDialog::buildControls() {
    // Tab order follows the template.
    buildWindowButtons();

    openButton_ = makeTextButton(kOpen, tr("Open"), tr("Open"), dialogUnits(192, 64, 46, 25));
    downloadButton_ = makeTextButton(kDownload, tr("Download"), tr("download"), dialogUnits(192, 142, 46, 25));

    buildProgressBar();

    filePathEdit_ = new QLineEdit(this);
    filePathEdit_->setGeometry(dialogUnits(60, 71, 120, 14));
    filePathEdit_->setReadOnly(true);
    filePathEdit_->setToolTip(tr("The current file"));
    filePathEdit_->setAccessibleName(tr("File Name"));
    controls_[kFilePath] = filePathEdit_;
    fileLabel_ = label(tr("File Name :"), dialogUnits(16, 74, 41, 8));

    elapsedLabel_ = label(tr("Elapsed :"), dialogUnits(15, 103, 31, 8));
    // Wide enough for "00:00" in this font.
    elapsed_ =
        field(kElapsed, QStringLiteral("00:00"), dialogUnits(46, 103, 19, 11).adjusted(0, 0, 8, 0), Qt::AlignHCenter);
    throughputLabel_ = label(tr("Throughput :"), dialogUnits(90, 103, 42, 8));
    throughput_ = field(kThroughput, QString(), dialogUnits(139, 103, 41, 11), Qt::AlignRight);

    configureButton_ = makeTextButton(kConfigure, tr("Configure"), tr("Configure"), dialogUnits(192, 197, 46, 25));
    portLamp_ = makeLamp(kPortLamp, dialogUnits(37, 209, 10, 12));
    portLamp_->setToolTip(tr("Connect or disconnect the port"));
    markAccessible(portLamp_, QAccessible::Button);
    portLamp_->setAccessibleName(tr("Port"));
    //: The state of the port lamp, as a screen reader says it.
    setAccessibleValue(portLamp_, tr("disconnected"));
    portLabel_ = label(QStringLiteral("COM 1"), dialogUnits(15, 209, 23, 8));
    controls_[kPortName] = portLabel_;

    buildLog();

    titleButton_ = new CSkinButton(QString::fromStdString(titleText()), this);
    // Wider than the template to the left (the header is empty there), so
    // that "Dorvane_QX 0.6" fits on one line; it sits on the skin's badge.
    titleButton_->setGeometry(QRect(248, 64, 118, 28));
    titleButton_->setFocusPolicy(Qt::NoFocus);
    controls_[kTitle] = titleButton_;

    uploadButton_ = makeTextButton(kUpload, tr("Upload"), tr("upload"), dialogUnits(192, 91, 46, 24));
    powerLamp_ = makeLamp(kPowerLamp, dialogUnits(94, 209, 10, 12));
    powerLamp_->setToolTip(tr("STB power: green while the STB's application answers"));
    powerLamp_->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    powerLabel_ = label(tr("STB Power"), dialogUnits(55, 209, 37, 8));
    markAccessible(powerLamp_, QAccessible::Indicator);
    powerLamp_->setAccessibleName(tr("STB Power"));
    //: The state of the STB power lamp, as a screen reader says it.
    setAccessibleValue(powerLamp_, tr("off"));

    editorButton_ = makeTextButton(kEditor, tr("Edit"), tr("editor"), dialogUnits(192, 169, 46, 25));
    editorButton_->hide();
    stationButton_ = makeTextButton(kStation, tr("Station"), tr("Many ports at once"), dialogUnits(192, 117, 46, 23));

    buildForcedCheckBox();

    fitFileRow();
    showPortName();
    connectControls();
}

void CMainDialog::setUpButtons() {
    minimizeButton_->setBitmaps(kMinimizeImage, kKeyMagenta);
    minimizeButton_->setTooltipText(tr("Minimize"));
    minimizeButton_->setAccessibleName(tr("Minimize"));
    minimizeButton_->setTransparent(false);
    minimizeButton_->setDrawBorder(false, false);
    minimizeButton_->sizeToContent();
    minimizeButton_->setFocusPolicy(Qt::NoFocus);
    closeButton_->setBitmaps(kCloseImage, kKeyMagenta);
    closeButton_->setTooltipText(tr("Close"));
    closeButton_->setAccessibleName(tr("Close"));
    closeButton_->setTransparent(false);
    closeButton_->setDrawBorder(false, false);
    closeButton_->sizeToContent();
    closeButton_->setFocusPolicy(Qt::NoFocus);

    // The title: a strip of key green (all see-through) so only its text
    // shows, white while the pointer is over it.
    titleButton_->setBitmaps(QImage(kTitleStrip), kKeyGreen, QImage(), std::nullopt, CSkinButton::OutImage::Darker);
    titleButton_->setTransparent();
    titleButton_->setAlign(CSkinButton::Align::TextOverImage, true);
    titleButton_->setPressedStyle(CSkinButton::PressedStyle::ShiftDown);
    titleButton_->setColor(CSkinButton::TextIn, QColor(0xFF, 0xFF, 0xFF));
    titleButton_->setColor(CSkinButton::TextOut, QColor(0x00, 0x00, 0x00));
    titleButton_->setDrawBorder(false);
    QFont f = font();
    f.setBold(true);
    titleButton_->setFont(f);
    titleButton_->setTooltipText(tr("About Dorvane_QX"));
    titleButton_->setAccessibleDescription(tr("About Dorvane_QX"));
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

void CMainDialog::appendLog(const QString& line) {
    log_->addItem(line);
    log_->setCurrentRow(log_->count() - 1, QItemSelectionModel::NoUpdate);
    log_->scrollToBottom();
}

namespace {

// The font at the largest pixel size, from the base's down to 8, at which
// needed() fits into room.
QFont fittingFont(QFont font, int room, const std::function<int(const QFontMetrics&)>& needed) {
    for (int size = font.pixelSize(); size > 8; --size) {
        font.setPixelSize(size);
        if (needed(QFontMetrics(font)) <= room) return font;
    }
    font.setPixelSize(8);
    return font;
}

}  // namespace

void CMainDialog::fitRows() {
    // Both rows live in the left panel of the skin, between these edges.
    const int left = dialogUnitsX(15);
    const int right = dialogUnitsX(180);
    constexpr int kGap = 3;       // between a label and its field or lamp
    constexpr int kGroupGap = 8;  // between one label's group and the next
    constexpr int kFieldPad = 6;  // a sunken field's frame and margin

    // Elapsed and throughput: the label, its field wide enough for the
    // widest value ("9:59:59" of a long writing, a full line's "1036800 bps").
    const auto statusWidths = [&](const QFontMetrics& fm) {
        return std::array<int, 4>{fm.horizontalAdvance(elapsedLabel_->text()),
                                  fm.horizontalAdvance(QStringLiteral("9:59:59")) + kFieldPad,
                                  fm.horizontalAdvance(throughputLabel_->text()),
                                  fm.horizontalAdvance(QStringLiteral("1036800 bps")) + kFieldPad};
    };
    const QFont statusFont = fittingFont(font(), right - left, [&](const QFontMetrics& fm) {
        const auto w = statusWidths(fm);
        return w[0] + kGap + w[1] + kGroupGap + w[2] + kGap + w[3];
    });
    for (QWidget* w : {static_cast<QWidget*>(elapsedLabel_), static_cast<QWidget*>(elapsed_),
                       static_cast<QWidget*>(throughputLabel_), static_cast<QWidget*>(throughput_)})
        w->setFont(statusFont);
    const auto sw = statusWidths(QFontMetrics(statusFont));
    const auto place = [](QWidget* w, int x, int width) { w->setGeometry(x, w->y(), width, w->height()); };
    // The fields are as high as a line of their font with frame and margin.
    for (QLabel* field : {elapsed_, throughput_}) {
        const int needed = QFontMetrics(statusFont).height() + 2 * (field->frameWidth() + field->margin());
        if (field->height() < needed)
            field->setGeometry(field->x(), field->y() - (needed - field->height() + 1) / 2, field->width(), needed);
    }
    place(elapsedLabel_, left, sw[0]);
    place(elapsed_, left + sw[0] + kGap, sw[1]);
    // The throughput group keeps to the right edge, its template place.
    place(throughput_, right - sw[3], sw[3]);
    place(throughputLabel_, right - sw[3] - kGap - sw[2], sw[2]);

    // The bottom row: port name and lamp, "STB Power" and lamp, then
    // "Forced download" against the right edge. The port name gets what is
    // left (showPortName() fits the name into it).
    QFont rowFont = font();
    rowFont.setPixelSize(std::max(8, font().pixelSize() - 1));
    const int lamp = portLamp_->width();
    QFont bottomFont = rowFont;
    for (int size = rowFont.pixelSize(); size >= 7; --size) {
        bottomFont.setPixelSize(size);
        forced_->setFont(bottomFont);
        const int needed = lamp + kGroupGap + QFontMetrics(bottomFont).horizontalAdvance(powerLabel_->text()) + kGap +
                           lamp + kGroupGap + forced_->sizeHint().width();
        // The port name keeps at least the template's width, and room for
        // the name at the smallest size.
        QFont smallest = rowFont;
        smallest.setPixelSize(8);
        const int portRoom =
            std::max(dialogUnitsX(23), QFontMetrics(smallest).horizontalAdvance(shortPortName(portName_)));
        if (needed <= right - left - portRoom - kGap) break;
    }
    forced_->setFont(bottomFont);
    powerLabel_->setFont(bottomFont);
    const int checkWidth = forced_->sizeHint().width();
    place(forced_, right - checkWidth, checkWidth);
    const int powerLampX = forced_->x() - kGroupGap - lamp;
    place(powerLamp_, powerLampX, lamp);
    const int powerWidth = QFontMetrics(bottomFont).horizontalAdvance(powerLabel_->text());
    place(powerLabel_, powerLampX - kGap - powerWidth, powerWidth);
    const int portLampX = powerLabel_->x() - kGroupGap - lamp;
    place(portLamp_, portLampX, lamp);
    place(portLabel_, left, portLampX - kGap - left);
}

// The file name's label keeps its template place when its text fits, and
// takes room from the path field (down to half of it) when a translation
// is longer; beyond that its font gets smaller.
void CMainDialog::fitFileRow() {
    const int right = filePathEdit_->geometry().right();
    const int widest = fileLabel_->width() + filePathEdit_->width() / 2;
    const int needed = fileLabel_->fontMetrics().horizontalAdvance(fileLabel_->text());
    const int width = std::clamp(needed, fileLabel_->width(), widest);
    fileLabel_->setFont(fitFontToWidth(fileLabel_->font(), width, fileLabel_->text()));
    fileLabel_->setGeometry(fileLabel_->x(), fileLabel_->y(), width, fileLabel_->height());
    const int pathLeft = fileLabel_->geometry().right() + 3;
    if (pathLeft > filePathEdit_->x())
        filePathEdit_->setGeometry(pathLeft, filePathEdit_->y(), right - pathLeft + 1, filePathEdit_->height());
}

void CMainDialog::showPortName() {
    // The bottom row makes room for a long name first.
    fitRows();
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
    if (!prompts_.question(this, tr("Downloading process is in progress, Do you want to stop the downloading?")))
        return false;
    if (busy()) session_->cancel();
    return true;
}

void CMainDialog::warn(const QString& text) { prompts_.message(this, text, PromptIcon::Exclamation); }

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
        // A stray Esc does not end the program: it asks first, busy or not.
        if (busy() ? confirmStop() : prompts_.question(this, tr("Do you want to close Dorvane_QX?"))) {
            closingConfirmed_ = true;
            done(QDialog::Rejected);
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMainDialog::onMinimizeClicked() { showMinimized(); }

void CMainDialog::onTitleClicked() { prompts_.about(this); }

// ---------------------------------------------------------------- the port

bool CMainDialog::openPort(bool boxOnFailure) {
    portTried_ = true;
    const std::optional<PortOpenFailure> failure = session_->openPort(portName_);  // 115,200 8N1
    if (!failure) {
        setPortLamp(true);
        stopPortRetry();
        return true;
    }
    // A log line, not a box: nothing needs the port yet (a missing adapter
    // stands between nobody and the editor). The retry goes on quietly.
    stopPortRetry();
    setPortLamp(false);
    if (boxOnFailure) warn(q(failure->text + "\n" + failure->advice));
    appendLog(q(failure->text));
    appendLog(q(failure->advice));
    startPortRetry();
    return false;
}

void CMainDialog::openPortForTransfer() {
    if (port().isOpen() || portClosedByHand_ || busy()) return;
    // Tried again now (the retry may not have come round yet); a failure
    // goes into the box the transfer's refusal shows.
    if (!portTried_ || CSerialPort::probePort(portName_)) openPort();
}

void CMainDialog::onPortRetry() {
    // Silent while the device cannot be opened.
    if (port().isOpen()) {
        stopPortRetry();
        return;
    }
    if (CSerialPort::probePort(portName_))
        openPort();
    else
        startPortRetry();
}

// The retry runs on the event loop the engine and the flow use.
void CMainDialog::startPortRetry() {
    stopPortRetry();
    retryTimer_ = session_->loop().schedule(options_.portRetryMs, [this] {
        retryTimer_ = 0;
        onPortRetry();
    });
}

void CMainDialog::stopPortRetry() {
    if (retryTimer_ != 0) session_->loop().cancel(retryTimer_);
    retryTimer_ = 0;
}

void CMainDialog::onPortLost(const SessionNotice& notice) {
    // The adapter went away: the engine has ended a running transfer; the
    // port comes back by itself when the device does.
    appendLog(q(notice.text));
    setPortLamp(false);
    startPortRetry();
}

void CMainDialog::setPortLamp(bool on) {
    portLampOn_ = on;
    portLamp_->setBitmaps(on ? kGreenLamp : kGreyLamp, std::nullopt);
    setAccessibleValue(portLamp_, on ? tr("connected") : tr("disconnected"));
}

void CMainDialog::onPortLampClicked() {
    // The port stays as it is under a running transfer, as with Configure.
    if (busy()) {
        warn(tr("You can't disconnect Serial port on downloading..."));
        return;
    }
    CSerialPort& line = port();
    if (line.isOpen()) {
        setPortLamp(false);
        line.close();
        portClosedByHand_ = true;
        appendLog(tr("%1 disconnected.").arg(line.name()));
        return;
    }
    portClosedByHand_ = false;
    stopPortRetry();
    if (line.name().isEmpty()) line.setName(portName_);
    if (line.openDefault().ok()) {
        setPortLamp(true);
        appendLog(tr("%1 connected.").arg(line.name()));
    } else {
        // Not reported as connected when it is not: the failure box, the
        // grey lamp and the retry as at start-up (which opens again and
        // takes the failure of that attempt).
        openPort(true);
    }
}

void CMainDialog::lendPort(const QString& port, bool lend) {
    if (lend) {
        // Only the window's own port, and never under a transfer (Configure
        // is refused then).
        if (port != portName_ || busy() || !this->port().isOpen()) return;
        portLent_ = true;
        stopPortRetry();
        setPortLamp(false);
        this->port().close();
        return;
    }
    if (!portLent_) return;
    portLent_ = false;
    if (portClosedByHand_) return;
    if (this->port().openDefault().ok())
        setPortLamp(true);
    else
        openPort();
}

void CMainDialog::onConfigureClicked() {
    if (busy()) {
        warn(tr("You can't configure Serial port on downloading..."));
        return;
    }
    const std::optional<QString> chosen = prompts_.choosePort(this, portName_);
    if (!chosen || chosen->isEmpty()) return;

    Settings(options_.settingsApplication).storePort(*chosen);
    portClosedByHand_ = false;
    stopPortRetry();
    port().close();
    portName_ = *chosen;
    port().setName(portName_);
    showPortName();
    openPort(true);
}

// ---------------------------------------------------------------- files and transfers

void CMainDialog::onOpenClicked() {
    if (busy()) {
        // Replacing the image under a running download is not allowed.
        warn(tr("You can't open a file on downloading..."));
        return;
    }
    const QString path = prompts_.openFileName(this, QString(), kOpenFilter);
    if (path.isEmpty()) return;
    openFile(path);
}

void CMainDialog::openFile(const QString& path) {
    filePath_ = path;
    filePathEdit_->setText(path);
    filePathEdit_->setCursorPosition(static_cast<int>(path.size()));
    // The flow shows the log lines or the box, and tells fileInspected.
    static_cast<void>(session_->openFile(pathFromText(path)));
}

void CMainDialog::openFileForEditing(const QString& path) {
    openFile(path);
    if (!editorButton_->isHidden()) openEditor();
}

void CMainDialog::onForcedToggled(bool checked) { session_->setForcedDownload(checked); }

void CMainDialog::onDownloadClicked() {
    openPortForTransfer();
    const bool wasIdle = !busy();
    session_->download();
    afterClick(wasIdle);
}

void CMainDialog::onUploadClicked() {
    openPortForTransfer();
    const bool wasIdle = !busy();
    session_->upload();
    afterClick(wasIdle);
}

// ---------------------------------------------------------------- trace and figures

// A transfer that started with the click shows its figures as the bar's
// tooltip (the bar keeps its own texts) and its summary at the end.
void CMainDialog::afterClick(bool wasIdle) {
    if (!wasIdle || !busy()) return;
    recording_ = true;
    refusalAdvice_.clear();
    logAtStart_ = log_->count();
    progress_->setToolTip(QString());
}

void CMainDialog::figures(const TransferFigures& figures) {
    if (recording_) progress_->setToolTip(q(progressText(figures)));
}

void CMainDialog::transferEnded(const SessionOutcome& outcome) {
    if (!recording_) return;
    recording_ = false;
    const QString summary = q(outcome.summary());
    progress_->setToolTip(summary);
    if (outcome.outcome == TransferOutcome::Refused) appendLog(q(refusalAdvice_));
    if (outcome.outcome != TransferOutcome::NotStarted) appendLog(tr("Transfer summary: ") + summary);
    keepTransferRecord(outcome.outcome, summary);
}

QString CMainDialog::transfersFolder() const {
    return options_.transfersFolder.isEmpty() ? TransferHistory::defaultFolder() : options_.transfersFolder;
}

// The transfer's log, trace and receipt go into the ring of the last ones.
void CMainDialog::keepTransferRecord(TransferOutcome outcome, const QString& summary) {
    TransferRecord r;
    r.kind =
        monitor().kind() == TransferMonitor::Kind::Download ? QStringLiteral("download") : QStringLiteral("upload");
    r.outcome = receiptOutcome(outcome);
    r.ended = QDateTime::currentDateTime();
    r.port = portName_;
    const QFileInfo file(filePath_);
    if (!filePath_.isEmpty()) {
        r.fileName = file.fileName();
        r.fileSize = file.exists() ? file.size() : -1;
    }
    r.summary = summary;
    const QStringList all = logLines();
    r.log = all.mid(std::min<qsizetype>(logAtStart_, all.size()));
    // The ring goes into support bundles: the line without the file's content.
    const std::string text = trace().text(TraceDetail::WithoutData);
    r.trace = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
    TransferHistory(transfersFolder()).record(r);
}

void CMainDialog::onLogMenu(const QPoint& at) {
    QMenu menu(this);
    QAction* saveLogAction = menu.addAction(tr("Save log..."));
    QAction* saveTraceAction = menu.addAction(tr("Save trace..."));
    menu.addSeparator();
    QAction* bundleAction = menu.addAction(tr("Save support bundle..."));
    bundleAction->setEnabled(!busy());
    saveLogAction->setEnabled(log_->count() > 0);
    saveTraceAction->setEnabled(!trace().bursts().empty());
    QAction* chosen = menu.exec(log_->viewport()->mapToGlobal(at));
    if (chosen == saveLogAction)
        saveLog();
    else if (chosen == saveTraceAction)
        saveTrace();
    else if (chosen == bundleAction)
        saveSupportBundle();
}

namespace {

// Writes text into path through a work file, so that a failed save leaves
// the previous file whole.
Status writeTextFile(const QString& path, const QByteArray& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return {Error::Failed, QCoreApplication::translate("dorvane::CMainDialog", "Can't save %1: %2")
                                   .arg(path, file.errorString())
                                   .toStdString()};
    return {};
}

}  // namespace

void CMainDialog::saveLog() {
    const QString path =
        prompts_.saveFileName(this, QString(), QStringLiteral("dorvane.log"), tr("Log (*.log *.txt);;All files (*)"));
    if (path.isEmpty()) return;
    const Status written = writeTextFile(path, logLines().join(QLatin1Char('\n')).append(QLatin1Char('\n')).toUtf8());
    if (!written.ok()) warn(QString::fromStdString(written.message()));
}

void CMainDialog::saveTrace() {
    const QString path = prompts_.saveFileName(this, QString(), QStringLiteral("dorvane.trace"),
                                               tr("Trace (*.trace *.txt);;All files (*)"));
    if (path.isEmpty()) return;
    const std::string text = trace().text();
    const Status written = writeTextFile(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
    if (!written.ok()) warn(QString::fromStdString(written.message()));
}

void CMainDialog::saveSupportBundle() {
    const QString path = prompts_.saveFileName(
        this, QString(),
        QStringLiteral("dorvane-support-%1.zip").arg(QDate::currentDate().toString(QStringLiteral("yyyyMMdd"))),
        tr("Zip archive (*.zip);;All files (*)"));
    if (path.isEmpty()) return;
    BundleInputs inputs;
    inputs.port = portName_;
    inputs.settingsApplication =
        options_.settingsApplication.isEmpty() ? Settings::defaultApplicationName() : options_.settingsApplication;
    inputs.transfersFolder = transfersFolder();
    inputs.windowLog = logLines();
    const std::string trace = this->trace().text(TraceDetail::WithoutData);
    if (!this->trace().bursts().empty())
        inputs.lastTrace = QByteArray(trace.data(), static_cast<qsizetype>(trace.size()));
    if (!filePath_.isEmpty()) inputs.userFiles << filePath_;
    // The port check opens the window's port: it is lent for that moment.
    lendPort(portName_, true);
    const Status written = writeSupportBundle(path, inputs);
    lendPort(portName_, false);
    if (!written.ok()) warn(q(written.message()));
}

void CMainDialog::onEditClicked() { openEditor(); }

// The Station view, with the file chosen here; this window's port is left
// out of it while this window holds it.
void CMainDialog::onStationClicked() {
    if (busy()) {
        warn(tr("You can't open the Station view while transferring..."));
        return;
    }
    StationWindow station(this);
    station.setFile(filePath_);
    station.addUsbPorts();
    station.exec();
}

void CMainDialog::openEditor() {
    // The editor shares the channel-data buffer with the upload.
    if (busy()) {
        warn(tr("You can't edit a file while transferring..."));
        return;
    }
    session_->image().close();
    if (const Status read = document_.read(pathFromText(filePath_)); !read.ok()) {
        warn(q(read.message()));
        return;
    }
    {
        CReceiverDataDialog editor(document_, prompts_, options_.editor);
        if (editor.initialise()) prompts_.run(editor);
    }
    // The file as it is now (saved or not) becomes the current file again.
    openFile(textFromPath(document_.path()));
    // Back in the window: a port not opened yet (--edit) opens now.
    if (!portTried_) openPort();
}

// ---------------------------------------------------------------- what the flow shows

void CMainDialog::logLine(const std::string& line) { appendLog(q(line)); }

void CMainDialog::notice(const SessionNotice& notice) {
    using Kind = SessionNotice::Kind;
    switch (notice.kind) {
        case Kind::Succeeded: prompts_.message(this, q(notice.text), PromptIcon::Information); return;
        // The receive queue overflowed: bytes were lost (the command line says
        // the same on standard error).
        case Kind::BufferFull: appendLog(q(notice.text)); return;
        case Kind::PortLost: onPortLost(notice); return;
        case Kind::Refused:
            // The buyer codes go into the log with the transfer's summary.
            refusalAdvice_ = notice.advice;
            warn(q(notice.text));
            return;
        default: warn(q(notice.joined("\n")));
    }
}

bool CMainDialog::askYesNo(const std::string& question) { return prompts_.question(this, q(question)); }

void CMainDialog::stateChanged(const SessionState& state) {
    // The bar is painted again only when it changed: the link poll tells
    // its state twice a second on an idle window.
    const QString progressText = q(state.progressText);
    if (progressText != progress_->text() || state.progress != progress_->position()) {
        progress_->setText(progressText);
        progress_->setPosition(state.progress);
        progress_->update();
    }
    elapsed_->setText(q(elapsedText(state.elapsed)));
    if (state.lineRate) throughput_->setText(QStringLiteral("%1 bps").arg(*state.lineRate));
    // The button of the running transfer stops it.
    using Running = FlowDisplay::Running;
    downloadButton_->setText(
        coreText(state.running == Running::Download ? QStringLiteral("Stop") : QStringLiteral("Download")));
    uploadButton_->setText(
        coreText(state.running == Running::Upload ? QStringLiteral("Stop") : QStringLiteral("Upload")));
    if (state.receiverOn == powerLampOn_ && !powerLamp_->inImage().isNull()) return;
    powerLampOn_ = state.receiverOn;
    setAccessibleValue(powerLamp_, state.receiverOn ? tr("on") : tr("off"));
    powerLamp_->setBitmaps(state.receiverOn ? kGreenLamp : kGreyLamp, std::nullopt);
}

std::optional<std::filesystem::path> CMainDialog::chooseUploadTarget() {
    const QString path = prompts_.saveFileName(this, QString(), QStringLiteral("stbdata.irz"), kUploadFilter);
    if (path.isEmpty()) return std::nullopt;
    filePath_ = path;
    filePathEdit_->setText(path);
    filePathEdit_->setCursorPosition(static_cast<int>(path.size()));
    return pathFromText(path);
}

void CMainDialog::fileInspected(const std::filesystem::path& path, const Result<Inspection>& result) {
    const QString shown = textFromPath(path);
    filePath_ = shown;
    filePathEdit_->setText(shown);
    filePathEdit_->setCursorPosition(static_cast<int>(shown.size()));
    if (!result.ok()) return;
    editorButton_->setVisible(result->showEditor);
    {
        const QSignalBlocker block(forced_);
        forced_->setChecked(false);
    }
    if (result->enableForcedDownload) forced_->setEnabled(true);
}

}  // namespace dorvane
