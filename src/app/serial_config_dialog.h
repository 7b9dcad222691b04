#pragma once

#include <QDialog>
#include <QList>

#include "serial/serial_port.h"

class QComboBox;

namespace dorvane {

// "Serial Port Configuration": the ports found on this machine with their
// descriptions, the current one preselected.
class CSerialConfigDialog : public QDialog {
    Q_OBJECT

public:
    explicit CSerialConfigDialog(QWidget* parent = nullptr);
    // The ports to list instead of the ones found (tests).
    CSerialConfigDialog(const QList<SerialPortEntry>& ports, QWidget* parent);

    // The current port before exec(), the chosen one after OK.
    void setPortName(const QString& name);
    QString portName() const { return portName_; }

    QComboBox* portBox() const { return combo_; }

    void accept() override;

private:
    void fill();

    QList<SerialPortEntry> ports_;
    QComboBox* combo_ = nullptr;
    QString portName_;
};

// The name the window shows for a port: "COM3", or the device path
// without "/dev/" ("ttyUSB0", "pts/4").
QString shortPortName(const QString& name);

}  // namespace dorvane
