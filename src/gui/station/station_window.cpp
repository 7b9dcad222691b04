#include "gui/station/station_window.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QScrollArea>
#include <QVBoxLayout>

#include <map>

#include "qtcore/app/core_text.h"
#include "qtcore/app/path_text.h"
#include "qtcore/serial/serial_port.h"

namespace dorvane {

namespace {

constexpr int kRedrawMs = 250;
constexpr int kColumns = 4;

QString phaseText(PortPhase phase) {
    switch (phase) {
        case PortPhase::Opening: return PortTile::tr("Opening");
        case PortPhase::Waiting: return PortTile::tr("Waiting for the STB");
        case PortPhase::Transferring: return PortTile::tr("Transferring");
        case PortPhase::Writing: return PortTile::tr("Writing");
        case PortPhase::Verifying: return PortTile::tr("Verifying");
        case PortPhase::LeavingLine: return PortTile::tr("Switch the STB off");
        case PortPhase::Stopped: return PortTile::tr("Stopped");
        case PortPhase::Unusable: return PortTile::tr("Port unusable");
    }
    return {};
}

// The result word of a receipt ("ok", "timed-out"...) as the tile shows it.
QString resultWord(const std::string& result) {
    static const std::map<std::string, const char*> words = {
        //: The result of the last STB of a port in the Station view.
        {"ok", QT_TRANSLATE_NOOP("dorvane::PortTile", "ok")},
        {"verify-failed", QT_TRANSLATE_NOOP("dorvane::PortTile", "verify failed")},
        {"unconfirmed", QT_TRANSLATE_NOOP("dorvane::PortTile", "unconfirmed")},
        {"not-started", QT_TRANSLATE_NOOP("dorvane::PortTile", "not started")},
        {"succeeded", QT_TRANSLATE_NOOP("dorvane::PortTile", "succeeded")},
        {"canceled", QT_TRANSLATE_NOOP("dorvane::PortTile", "canceled")},
        {"timed-out", QT_TRANSLATE_NOOP("dorvane::PortTile", "timed out")},
        {"refused", QT_TRANSLATE_NOOP("dorvane::PortTile", "refused")},
        {"port-error", QT_TRANSLATE_NOOP("dorvane::PortTile", "port error")},
        {"failed", QT_TRANSLATE_NOOP("dorvane::PortTile", "failed")},
    };
    const auto it = words.find(result);
    return it == words.end() ? QString::fromStdString(result) : PortTile::tr(it->second);
}

}  // namespace

PortTile::PortTile(const QString& port, QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setObjectName(QStringLiteral("portTile"));
    auto* layout = new QVBoxLayout(this);
    name_ = new QLabel(QStringLiteral("<b>%1</b>").arg(port.toHtmlEscaped()), this);
    state_ = new QLabel(this);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 100);
    progress_->setAccessibleName(tr("Progress of %1").arg(port));
    result_ = new QLabel(this);
    versions_ = new QLabel(this);
    line_ = new QLabel(this);
    line_->setStyleSheet(QStringLiteral("color: gray"));
    line_->setMinimumWidth(1);
    startStop_ = new QPushButton(tr("Start"), this);
    for (QWidget* w : {static_cast<QWidget*>(name_), static_cast<QWidget*>(state_), static_cast<QWidget*>(progress_),
                       static_cast<QWidget*>(result_), static_cast<QWidget*>(versions_), static_cast<QWidget*>(line_),
                       static_cast<QWidget*>(startStop_)})
        layout->addWidget(w);
}

void PortTile::render(const PortStatus& status, bool running, const QString& lastLine) {
    state_->setText(phaseText(status.phase));
    progress_->setVisible(status.progress >= 0);
    progress_->setValue(std::max(0, status.progress));
    if (status.etaSeconds >= 0)
        progress_->setFormat(
            tr("%p % (%1:%2 left)").arg(status.etaSeconds / 60).arg(status.etaSeconds % 60, 2, 10, QLatin1Char('0')));
    else
        progress_->setFormat(QStringLiteral("%p %"));
    result_->setText(
        status.lastResult.empty()
            ? tr("No STB done yet")
            : tr("Last: %1 (%2 of %3 ok)").arg(resultWord(status.lastResult)).arg(status.ok).arg(status.boxes));
    result_->setToolTip(coreText(status.lastReason));
    versions_->setText(status.bootVersion.empty() ? QString()
                                                  : tr("Boot loader %1, application %2")
                                                        .arg(QString::fromStdString(status.bootVersion),
                                                             QString::fromStdString(status.appVersion)));
    line_->setText(line_->fontMetrics().elidedText(lastLine, Qt::ElideRight, std::max(80, line_->width())));
    line_->setToolTip(lastLine);
    startStop_->setText(running ? tr("Stop") : tr("Start"));
}

StationWindow::StationWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Station"));
    buildControls();
    connect(&redraw_, &QTimer::timeout, this, [this] {
        if (dirty_) render();
    });
    redraw_.start(kRedrawMs);
    resize(900, 600);
}

StationWindow::~StationWindow() {
    redraw_.stop();
    run_.reset();
}

void StationWindow::buildControls() {
    auto* top = new QVBoxLayout(this);
    buildFileRows(top);
    buildOptionsRow(top);

    auto* tiles = new QWidget(this);
    grid_ = new QGridLayout(tiles);
    grid_->setAlignment(Qt::AlignTop);
    auto* scroll = new QScrollArea(this);
    scroll->setAccessibleName(tr("Ports"));
    scroll->setWidgetResizable(true);
    scroll->setWidget(tiles);
    top->addWidget(scroll, 1);

    problem_ = new QLabel(this);
    problem_->setStyleSheet(QStringLiteral("color: #b00000"));
    problem_->setWordWrap(true);
    top->addWidget(problem_);
    auto* bottom = new QHBoxLayout;
    totals_ = new QLabel(this);
    startAll_ = new QPushButton(tr("Start all"), this);
    stopAll_ = new QPushButton(tr("Stop all"), this);
    bottom->addWidget(totals_, 1);
    bottom->addWidget(startAll_);
    bottom->addWidget(stopAll_);
    connect(startAll_, &QPushButton::clicked, this, &StationWindow::startAll);
    connect(stopAll_, &QPushButton::clicked, this, &StationWindow::stopAll);
    top->addLayout(bottom);
    render();
}

void StationWindow::buildFileRows(QVBoxLayout* top) {
    auto* fileRow = new QHBoxLayout;
    file_ = new QLineEdit(this);
    auto* browse = new QPushButton(tr("Browse..."), this);
    auto* fileLabel = new QLabel(tr("File:"), this);
    fileLabel->setBuddy(file_);
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(file_, 1);
    fileRow->addWidget(browse);
    connect(browse, &QPushButton::clicked, this, &StationWindow::browseFile);
    top->addLayout(fileRow);

    auto* reportRow = new QHBoxLayout;
    report_ = new QLineEdit(this);
    report_->setPlaceholderText(tr("no report"));
    auto* browseReport = new QPushButton(tr("Browse..."), this);
    csv_ = new QCheckBox(tr("CSV"), this);
    auto* reportLabel = new QLabel(tr("Report file:"), this);
    reportLabel->setBuddy(report_);
    reportRow->addWidget(reportLabel);
    reportRow->addWidget(report_, 1);
    reportRow->addWidget(browseReport);
    reportRow->addWidget(csv_);
    connect(browseReport, &QPushButton::clicked, this, &StationWindow::browseReport);
    top->addLayout(reportRow);
}

void StationWindow::buildOptionsRow(QVBoxLayout* top) {
    auto* optionsRow = new QHBoxLayout;
    repeat_ = new QCheckBox(tr("Next STB after each"), this);
    repeat_->setChecked(true);
    verify_ = new QCheckBox(tr("Verify channel data"), this);
    forced_ = new QCheckBox(tr("Forced download"), this);
    portChoice_ = new QComboBox(this);
    portChoice_->setAccessibleName(tr("Port to add"));
    auto* add = new QPushButton(tr("Add port"), this);
    auto* addUsb = new QPushButton(tr("Add USB adapters"), this);
    for (QWidget* w : {static_cast<QWidget*>(repeat_), static_cast<QWidget*>(verify_), static_cast<QWidget*>(forced_)})
        optionsRow->addWidget(w);
    optionsRow->addStretch();
    optionsRow->addWidget(portChoice_);
    optionsRow->addWidget(add);
    optionsRow->addWidget(addUsb);
    connect(add, &QPushButton::clicked, this, [this] {
        if (!portChoice_->currentText().isEmpty()) addPort(portChoice_->currentText());
    });
    connect(addUsb, &QPushButton::clicked, this, &StationWindow::addUsbPorts);
    top->addLayout(optionsRow);
    refillPortChoice();
}

void StationWindow::refillPortChoice() {
    portChoice_->clear();
    for (const SerialPortEntry& entry : CSerialPort::availablePorts()) portChoice_->addItem(entry.name);
}

void StationWindow::setFile(const QString& path) { file_->setText(path); }
void StationWindow::setReport(const QString& path) { report_->setText(path); }

void StationWindow::browseFile() {
    const QString path = QFileDialog::getOpenFileName(this, tr("File for every STB"), file_->text());
    if (!path.isEmpty()) setFile(path);
}

void StationWindow::browseReport() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Report file"), report_->text(), QString(), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty()) setReport(path);
}

void StationWindow::addPort(const QString& name) {
    if (tiles_.contains(name)) return;
    auto* tile = new PortTile(name, grid_->parentWidget());
    const int index = static_cast<int>(tiles_.size());
    grid_->addWidget(tile, index / kColumns, index % kColumns);
    tiles_.insert(name, tile);
    connect(tile->startStop(), &QPushButton::clicked, this, [this, name] { toggle(name); });
    if (run_) run_->addPort(name);
    dirty_ = true;
}

void StationWindow::addUsbPorts() {
    for (const SerialPortEntry& entry : CSerialPort::availablePorts())
        if (entry.isUsb()) addPort(entry.name);
}

// The run is made on the first start, from the file and options then set.
bool StationWindow::ensureRun() {
    if (run_) return true;
    StationSetup setup;
    setup.file = pathFromText(file_->text());
    setup.repeat = repeat_->isChecked();
    setup.forced = forced_->isChecked();
    setup.verify = verify_->isChecked();
    setup.options.flowTimes.startTimeout = StationSetup::kStartTimeout;
    setup.options.figuresPeriodMs = 1000;
    if (file_->text().isEmpty()) {
        problem_->setText(tr("Choose the file every STB gets."));
        return false;
    }
    if (const auto problem = prepareStationFile(setup)) {
        problem_->setText(coreText(*problem));
        return false;
    }
    if (setup.verify && !ChannelCheck::isChannelData(setup.bytes)) {
        problem_->setText(tr("Verify is for channel data: this file is not."));
        return false;
    }
    problem_->clear();
    run_ = std::make_unique<StationRun>(std::move(setup));
    run_->setReport(report_->text(), csv_->isChecked());
    run_->changed = [this] { dirty_ = true; };
    for (const QString& name : tiles_.keys()) run_->addPort(name);
    for (QWidget* w : {static_cast<QWidget*>(file_), static_cast<QWidget*>(report_), static_cast<QWidget*>(csv_),
                       static_cast<QWidget*>(repeat_), static_cast<QWidget*>(verify_), static_cast<QWidget*>(forced_)})
        w->setEnabled(false);
    return true;
}

bool StationWindow::startAll() {
    if (!ensureRun()) return false;
    run_->startAll();
    render();
    return true;
}

void StationWindow::stopAll() {
    if (run_) run_->stopAll();
}

void StationWindow::toggle(const QString& port) {
    if (run_ && run_->running(port)) return run_->stopPort(port);
    if (ensureRun()) run_->startPort(port);
    dirty_ = true;
}

void StationWindow::render() {
    dirty_ = false;
    if (!run_) {
        for (auto it = tiles_.begin(); it != tiles_.end(); ++it) {
            PortStatus idle;
            idle.port = it.key();
            idle.phase = PortPhase::Stopped;
            it.value()->render(idle, false, {});
        }
        totals_->setText(tr("Done: 0   Failed: 0   STBs per hour: 0"));
        return;
    }
    for (const PortStatus& status : run_->board().ports())
        if (PortTile* tile = tiles_.value(status.port))
            tile->render(status, run_->running(status.port), run_->lastLine(status.port));
    const StationBoard::Totals t = run_->totals();
    QString text =
        tr("Done: %1   Failed: %2   STBs per hour: %3").arg(t.done).arg(t.failed).arg(t.boxesPerHour, 0, 'f', 1);
    if (!run_->report().isEmpty()) text += tr("   Report: %1").arg(run_->report());
    totals_->setText(text);
    if (!run_->reportError().isEmpty()) problem_->setText(coreText(run_->reportError()));
}

void StationWindow::closeEvent(QCloseEvent* event) {
    if (run_ && run_->anyWriting() &&
        QMessageBox::question(this, tr("Station"),
                              tr("An STB is writing its memory. Close anyway and leave it mid-write?")) !=
            QMessageBox::Yes) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace dorvane
