#include "app/serial_config_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace dorvane {

QString shortPortName(const QString& name) {
    const QString dev = QStringLiteral("/dev/");
    return name.startsWith(dev) ? name.mid(dev.size()) : name;
}

CSerialConfigDialog::CSerialConfigDialog(QWidget* parent)
    : CSerialConfigDialog(CSerialPort::availablePorts(), parent) {}

CSerialConfigDialog::CSerialConfigDialog(const QList<SerialPortEntry>& ports, QWidget* parent)
    : QDialog(parent), ports_(ports) {
    setWindowTitle(QStringLiteral("Serial Port Configuration"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Serial Port :"), this), 0, 0);
    combo_ = new QComboBox(this);
    combo_->setObjectName(QStringLiteral("control1010"));
    combo_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo_->setMinimumContentsLength(10);
    grid->addWidget(combo_, 0, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    grid->addWidget(buttons, 1, 0, 1, 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSerialConfigDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    fill();
}

void CSerialConfigDialog::fill() {
    combo_->clear();
    for (const SerialPortEntry& port : ports_) {
        const QString label = port.description.isEmpty()
                                  ? shortPortName(port.name)
                                  : QStringLiteral("%1  (%2)").arg(shortPortName(port.name), port.description);
        combo_->addItem(label, port.name);
    }
}

void CSerialConfigDialog::setPortName(const QString& name) {
    portName_ = name;
    int found = -1;
    for (int i = 0; i < combo_->count(); ++i)
        if (combo_->itemData(i).toString() == name) found = i;  // the last match
    if (found < 0 && !name.isEmpty()) {
        // A port the system does not list (a pseudo-terminal, a port given
        // on the command line) stays choosable.
        combo_->insertItem(0, QStringLiteral("%1  (current)").arg(shortPortName(name)), name);
        found = 0;
    }
    combo_->setCurrentIndex(found < 0 ? 0 : found);
}

void CSerialConfigDialog::accept() {
    // With nothing to choose from, OK keeps the port as it is.
    if (combo_->currentIndex() >= 0) portName_ = combo_->currentData().toString();
    QDialog::accept();
}

}  // namespace dorvane
