#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

namespace dorvane {

class ConnectionDoctor;

// "Check connection": runs the connection check on a port and shows each
// step as it ends. Nothing waits in the window: the check runs on the
// event loop, and closing the dialog stops it.
class CConnectionCheckDialog : public QDialog {
    Q_OBJECT
public:
    // Called with true before the check opens the port, with false when it
    // has let it go (the window holds the same port otherwise).
    using PortLender = std::function<void(const QString& port, bool lend)>;
    static constexpr int kPowerCycleWaitMs = 30000;

    CConnectionCheckDialog(QString port, PortLender lender, QWidget* parent = nullptr);
    ~CConnectionCheckDialog() override;

    // Starts (again); the power-cycle box decides about the boot loader.
    void startCheck();
    bool checking() const;
    QString resultText() const;
    QCheckBox* powerCycleBox() const { return powerCycle_; }
    QCheckBox* loopbackBox() const { return loopback_; }
    QPushButton* againButton() const { return again_; }

signals:
    void checkFinished();

protected:
    void done(int result) override;

private:
    void onFinished();
    void stopCheck();

    QString port_;
    PortLender lender_;
    std::unique_ptr<ConnectionDoctor> doctor_;
    bool lent_ = false;
    QPlainTextEdit* text_ = nullptr;
    QCheckBox* powerCycle_ = nullptr;
    QCheckBox* loopback_ = nullptr;
    QPushButton* again_ = nullptr;
};

}  // namespace dorvane
