#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <vector>

#include "qtcore/doctor/doctor_report.h"
#include "qtcore/doctor/port_checks.h"
#include "qtcore/serial/serial_port.h"

namespace dorvane {

struct DoctorOptions {
    QString port;
    // A loop-back plug (TX joined to RX) is fitted instead of the STB: the
    // loop-back test runs and the STB's steps do not.
    bool loopback = false;
    // Above 0: the operator is asked to switch the STB off and on, and its
    // boot loader's 'C' is waited for this long.
    int powerCycleWaitMs = 0;
    // False: only the steps that do not talk to the STB (the support bundle).
    bool boxSteps = true;
    int linkTries = 3;     // BELs sent before the application counts as silent
    int linkWaitMs = 500;  // wait for the ACK of each
    int loopbackBytes = 4096;
    int loopbackQuietMs = 300;  // the loop-back ends this long after the last byte back
    // How the user asks for the loop-back test and the power cycle, for the
    // texts that suggest them (the window names its check boxes).
    QString loopbackHow = QStringLiteral("--loopback");
    QString powerCycleHow = QStringLiteral("--power-cycle-wait 30");
};

// The connection check, step by step: the port and its adapter, the
// permission, who holds it, the line settings, then (with a plug) the
// loop-back test or (without) the STB's link test and, when the operator
// switches the STB off and on, its boot loader. Everything waits on the
// event loop; nothing blocks. Used by "dorvane doctor" and by the
// Configure dialog's "Check connection".
class ConnectionDoctor : public QObject {
    Q_OBJECT
public:
    explicit ConnectionDoctor(DoctorOptions options, QObject* parent = nullptr);
    ~ConnectionDoctor() override;

    // Runs the steps; the port steps before this returns, the others on
    // the event loop. finished() comes at the end (also after cancel()).
    void start();
    void cancel();
    bool running() const { return phase_ != Phase::Idle && phase_ != Phase::Done; }
    const DoctorReport& report() const { return report_; }

    // The steps that need no open line, at once (the support bundle).
    static DoctorReport portStepsOnly(const QString& port);

signals:
    void stepDone(const dorvane::DoctorStep& step);
    // The operator is to switch the STB off and on now.
    void powerCycleWanted(const QString& text);
    void finished();

private:
    enum class Phase { Idle, Loopback, Link, BootLoader, Done };

    void addStep(DoctorStep step);
    bool runPortSteps();
    void afterLine();
    void onData();
    std::vector<std::uint8_t> takeReceived();
    void startLoopback();
    void finishLoopback();
    void startLink();
    void sendLinkTest();
    void linkTestAnswered(const std::vector<std::uint8_t>& bytes);
    void finishLink();
    void startBootWait();
    void finishBootWait(bool asked);
    void skipBoxSteps(const QString& why, bool withLoopback = true);
    void finish();

    DoctorOptions options_;
    PortSurvey survey_;
    DoctorReport report_;
    CSerialPort port_;
    QTimer deadline_;
    QTimer quiet_;
    QElapsedTimer clock_;
    Phase phase_ = Phase::Idle;

    std::vector<std::uint8_t> sent_;
    std::vector<std::uint8_t> received_;
    qint64 lastBackNs_ = -1;  // when the last byte came back, from the start of the pattern
    int linkTriesLeft_ = 0;
    int echoes_ = 0;
    std::vector<std::uint8_t> strangeBytes_;
    bool linkSilent_ = false;
};

}  // namespace dorvane
