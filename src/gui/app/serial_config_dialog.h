#pragma once

#include <QDialog>
#include <QList>
#include <QTimer>

#include <functional>

#include "qtcore/serial/serial_port.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;

namespace dorvane {

// "Serial Port Configuration": the ports found on this machine with their
// descriptions, the current one preselected. What the system says about
// the chosen port (maker, USB ids, serial number, whether another program
// holds it) shows below the list, which follows adapters being plugged in
// and out. A device path may also be typed (/dev/serial/by-id/...).
class CSerialConfigDialog : public QDialog {
    Q_OBJECT

public:
    using PortLister = std::function<QList<SerialPortEntry>()>;
    static constexpr int kRefreshMs = 1000;

    explicit CSerialConfigDialog(QWidget* parent = nullptr);
    // The ports to list instead of the ones found (tests).
    CSerialConfigDialog(const QList<SerialPortEntry>& ports, QWidget* parent);
    // Asks lister for the ports, at the start and again every second.
    CSerialConfigDialog(PortLister lister, QWidget* parent);

    // The current port before exec(), the chosen one after OK.
    void setPortName(const QString& name);
    QString portName() const { return portName_; }

    // The language of the windows: a code, or empty to follow the system.
    void setLanguage(const QString& code);
    QString language() const;

    QComboBox* portBox() const { return combo_; }
    QComboBox* languageBox() const { return languageCombo_; }
    QLabel* detailsLabel() const { return details_; }
    QPushButton* checkButton() const { return check_; }

    // Who holds the port the check is to open: called with true before it
    // opens it and with false when it has let it go.
    using PortLender = std::function<void(const QString& port, bool lend)>;
    void setPortLender(PortLender lender) { lender_ = std::move(lender); }
    // "Check connection": the connection check on the chosen port, in a
    // dialog of its own that does not block this one.
    void checkConnection();

    void accept() override;
    // Asks for the ports again; the list changes only when they did.
    void refresh();

private:
    void fill();
    void buildLanguageRow(QGridLayout* grid, int row);
    void showDetails();
    QString chosenName() const;

    PortLister lister_;
    PortLender lender_;
    QPushButton* check_ = nullptr;
    QList<SerialPortEntry> ports_;
    QComboBox* combo_ = nullptr;
    QComboBox* languageCombo_ = nullptr;
    QLabel* details_ = nullptr;
    QTimer refreshTimer_;
    QString portName_;
    QString extraName_;  // a port the system does not list, shown as "(current)"
};

// The name the window shows for a port: "COM3", or the device path
// without "/dev/" ("ttyUSB0", "pts/4").
QString shortPortName(const QString& name);

// What the dialog says about a port, one fact a line.
QString portDetailsText(const SerialPortEntry& port);

}  // namespace dorvane
