#include "gui/app/serial_config_dialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include "gui/app/connection_check_dialog.h"
#include "qtcore/app/language.h"
#include "qtcore/serial/port_diagnosis.h"

namespace dorvane {

namespace {

bool sameEntry(const SerialPortEntry& a, const SerialPortEntry& b) {
    return a.name == b.name && a.description == b.description && a.manufacturer == b.manufacturer &&
           a.vendorId == b.vendorId && a.productId == b.productId && a.serialNumber == b.serialNumber &&
           a.busy == b.busy && a.holder == b.holder;
}

bool sameList(const QList<SerialPortEntry>& a, const QList<SerialPortEntry>& b) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (!sameEntry(a[i], b[i])) return false;
    return true;
}

QString itemText(const SerialPortEntry& port) {
    return port.description.isEmpty() ? shortPortName(port.name)
                                      : QStringLiteral("%1  (%2)").arg(shortPortName(port.name), port.description);
}

}  // namespace

QString shortPortName(const QString& name) {
    const QString dev = QStringLiteral("/dev/");
    return name.startsWith(dev) ? name.mid(dev.size()) : name;
}

QString portDetailsText(const SerialPortEntry& port) {
    QStringList lines;
    lines << port.name;
    if (!port.description.isEmpty()) lines << port.description;
    if (!port.manufacturer.isEmpty())
        lines << QCoreApplication::translate("dorvane::CSerialConfigDialog", "Made by %1").arg(port.manufacturer);
    if (port.isUsb())
        lines << QCoreApplication::translate("dorvane::CSerialConfigDialog", "USB %1").arg(usbIdText(port));
    if (!port.serialNumber.isEmpty())
        lines << QCoreApplication::translate("dorvane::CSerialConfigDialog", "Serial number %1").arg(port.serialNumber);
    if (port.busy)
        lines << (port.holder.isEmpty()
                      ? QCoreApplication::translate("dorvane::CSerialConfigDialog", "In use by another program")
                      : QCoreApplication::translate("dorvane::CSerialConfigDialog", "In use by %1").arg(port.holder));
    else
        lines << QCoreApplication::translate("dorvane::CSerialConfigDialog", "Free");
    return lines.join(QLatin1Char('\n'));
}

CSerialConfigDialog::CSerialConfigDialog(QWidget* parent) : CSerialConfigDialog(&CSerialPort::availablePorts, parent) {}

CSerialConfigDialog::CSerialConfigDialog(const QList<SerialPortEntry>& ports, QWidget* parent)
    : CSerialConfigDialog([ports] { return ports; }, parent) {}

CSerialConfigDialog::CSerialConfigDialog(PortLister lister, QWidget* parent)
    : QDialog(parent), lister_(std::move(lister)) {
    setWindowTitle(tr("Serial Port Configuration"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Serial Port :"), this), 0, 0);
    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("control1010"));
    combo_->setEditable(true);
    combo_->setInsertPolicy(QComboBox::NoInsert);
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo_->setMinimumContentsLength(24);
    combo_->lineEdit()->setPlaceholderText(QStringLiteral("/dev/serial/by-id/..."));
    combo_->setToolTip(tr("Choose a port, or type its device path"));
    grid->addWidget(combo_, 0, 1);

    details_ = new QLabel(this);
    details_->setObjectName(QStringLiteral("portDetails"));
    details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    details_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    details_->setMargin(4);
    details_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(details_, 1, 0, 1, 2);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    check_ = buttons->addButton(tr("Check &connection"), QDialogButtonBox::ActionRole);
    check_->setObjectName(QStringLiteral("checkConnection"));
    check_->setAutoDefault(false);
    check_->setToolTip(tr("Check the chosen port, its adapter and the STB step by step"));
    connect(check_, &QPushButton::clicked, this, &CSerialConfigDialog::checkConnection);
    buildLanguageRow(grid, 2);
    grid->addWidget(buttons, 3, 0, 1, 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSerialConfigDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(combo_, &QComboBox::currentIndexChanged, this, &CSerialConfigDialog::showDetails);
    connect(combo_, &QComboBox::editTextChanged, this, &CSerialConfigDialog::showDetails);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    ports_ = lister_();
    fill();
    showDetails();
    refreshTimer_.setInterval(kRefreshMs);
    connect(&refreshTimer_, &QTimer::timeout, this, &CSerialConfigDialog::refresh);
    refreshTimer_.start();
}

void CSerialConfigDialog::fill() {
    const QSignalBlocker block(combo_);
    combo_->clear();
    if (!extraName_.isEmpty()) combo_->addItem(tr("%1  (current)").arg(shortPortName(extraName_)), extraName_);
    for (const SerialPortEntry& port : ports_) combo_->addItem(itemText(port), port.name);
}

void CSerialConfigDialog::refresh() {
    QList<SerialPortEntry> now = lister_();
    if (sameList(now, ports_)) return;
    // Keep what the operator has chosen or typed.
    const int index = combo_->currentIndex();
    const bool typed = index < 0 || combo_->currentText() != combo_->itemText(index);
    const QString text = combo_->currentText();
    const QString chosen = index >= 0 ? combo_->itemData(index).toString() : QString();
    ports_ = std::move(now);
    fill();
    int found = -1;
    for (int i = 0; i < combo_->count(); ++i)
        if (combo_->itemData(i).toString() == chosen) found = i;
    {
        const QSignalBlocker block(combo_);
        combo_->setCurrentIndex(found < 0 ? (combo_->count() > 0 ? 0 : -1) : found);
        if (typed) combo_->setEditText(text);
    }
    showDetails();
}

void CSerialConfigDialog::setPortName(const QString& name) {
    portName_ = name;
    bool listed = false;
    for (const SerialPortEntry& p : ports_) listed = listed || p.name == name;
    // A port the system does not list (a pseudo-terminal, a port given on
    // the command line) stays choosable.
    extraName_ = listed || name.isEmpty() ? QString() : name;
    fill();
    int found = -1;
    for (int i = 0; i < combo_->count(); ++i)
        if (combo_->itemData(i).toString() == name) found = i;  // the last match
    {
        const QSignalBlocker block(combo_);
        combo_->setCurrentIndex(found < 0 ? (combo_->count() > 0 ? 0 : -1) : found);
    }
    showDetails();
}

QString CSerialConfigDialog::chosenName() const {
    const QString text = combo_->currentText().trimmed();
    for (int i = 0; i < combo_->count(); ++i)
        if (combo_->itemText(i) == text) return combo_->itemData(i).toString();
    if (text.isEmpty()) return {};
#ifndef _WIN32
    // "ttyUSB0" means the device of that name.
    static const QRegularExpression comName(QStringLiteral("^COM\\d+$"), QRegularExpression::CaseInsensitiveOption);
    if (!text.startsWith(QLatin1Char('/')) && !comName.match(text).hasMatch()) return QStringLiteral("/dev/") + text;
#endif
    return text;
}

void CSerialConfigDialog::showDetails() {
    const QString name = chosenName();
    for (const SerialPortEntry& p : ports_) {
        if (p.name == name) {
            details_->setText(portDetailsText(p));
            return;
        }
    }
    details_->setText(name.isEmpty() ? tr("No serial port found: plug in the adapter.")
                                     : tr("%1\nNot listed by the system").arg(name));
}

void CSerialConfigDialog::checkConnection() {
    const QString port = chosenName();
    if (port.isEmpty()) return;
    auto* dialog = new CConnectionCheckDialog(port, lender_, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
    dialog->startCheck();
}

void CSerialConfigDialog::buildLanguageRow(QGridLayout* grid, int row) {
    auto* label = new QLabel(tr("&Language :"), this);
    languageCombo_ = new QComboBox(this);
    languageCombo_->setObjectName(QStringLiteral("languageBox"));
    //: The language choice that follows the system's locale.
    languageCombo_->addItem(tr("System language"), QString());
    languageCombo_->addItem(languageName(QStringLiteral("en")), QStringLiteral("en"));
    for (const QString& code : shippedLanguages()) languageCombo_->addItem(languageName(code), code);
    languageCombo_->setToolTip(tr("The language of the windows, from the next start"));
    label->setBuddy(languageCombo_);
    grid->addWidget(label, row, 0);
    grid->addWidget(languageCombo_, row, 1);
}

void CSerialConfigDialog::setLanguage(const QString& code) {
    const int index =
        languageCombo_->findData(code.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0 ? QString() : code);
    languageCombo_->setCurrentIndex(std::max(0, index));
}

QString CSerialConfigDialog::language() const { return languageCombo_->currentData().toString(); }

void CSerialConfigDialog::accept() {
    // With nothing to choose from, OK keeps the port as it is.
    const QString chosen = chosenName();
    if (!chosen.isEmpty()) portName_ = chosen;
    refreshTimer_.stop();
    QDialog::accept();
}

}  // namespace dorvane
