#include "qtcore/doctor/connection_doctor.h"

#include <QLocale>

#include "core/serial/loopback_check.h"
#include "core/transfer/frames.h"

namespace dorvane {

namespace {

constexpr int kLineBitsPerByte = 10;  // start, 8 data, stop

QString hexBytes(const std::vector<std::uint8_t>& bytes) {
    QStringList parts;
    for (const std::uint8_t b : bytes) parts << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0'));
    return parts.join(QLatin1Char(' '));
}

QString number(qint64 n) { return QLocale(QLocale::English).toString(n); }

const char kSilenceCauses[] =
    "Most likely, in this order: the STB is off; its application runs with \"PC COM\" off (an upload needs that "
    "menu item on); the cable lacks the right wires (the PC's TX must reach the STB's RX and the STB's TX the PC's "
    "RX, with ground joined: a null-modem cable).";

}  // namespace

ConnectionDoctor::ConnectionDoctor(DoctorOptions options, QObject* parent)
    : QObject(parent), options_(std::move(options)) {
    deadline_.setSingleShot(true);
    quiet_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        if (phase_ == Phase::Loopback)
            finishLoopback();
        else if (phase_ == Phase::Link)
            sendLinkTest();
        else if (phase_ == Phase::BootLoader)
            finishBootWait(false);
    });
    connect(&quiet_, &QTimer::timeout, this, [this] {
        if (phase_ == Phase::Loopback) finishLoopback();
    });
    port_.setDataHandler([this] { onData(); });
    port_.setFailureHandler([this] {
        if (!running()) return;
        addStep({QStringLiteral("line"), StepStatus::Problem, QStringLiteral("the port failed during the check."),
                 QStringLiteral("The adapter was unplugged or its driver gave up: plug it in again and check again.")});
        finish();
    });
}

ConnectionDoctor::~ConnectionDoctor() { port_.close(); }

void ConnectionDoctor::addStep(DoctorStep step) {
    report_.steps.append(step);
    emit stepDone(step);
}

DoctorReport ConnectionDoctor::portStepsOnly(const QString& port) {
    DoctorOptions options;
    options.port = port;
    options.boxSteps = false;
    ConnectionDoctor doctor(options);
    doctor.start();
    return doctor.report();
}

void ConnectionDoctor::start() {
    report_ = DoctorReport{};
    report_.port = options_.port;
    report_.loopbackTested = options_.loopback;
    report_.stbAsked = options_.boxSteps;
    phase_ = Phase::Link;  // running() while the port steps go
    clock_.start();
    if (!runPortSteps()) return;
    afterLine();
}

void ConnectionDoctor::cancel() {
    if (!running()) return;
    addStep({QStringLiteral("check"), StepStatus::Skipped, QStringLiteral("stopped before its end."), {}});
    finish();
}

// The port, the permission, the holder and the line settings; false when
// the check ends with them.
bool ConnectionDoctor::runPortSteps() {
    survey_ = surveyPort(options_.port);
    addStep(portStep(survey_));
    addStep(permissionStep(survey_));
    addStep(holderStep(survey_));
    if (const QString why = reasonNotToOpen(survey_); !why.isEmpty()) {
        addStep({QStringLiteral("line settings"), StepStatus::Skipped, QStringLiteral("not tried: ") + why, {}});
        skipBoxSteps(QStringLiteral("not tried: ") + why);
        finish();
        return false;
    }
    const Status opened = port_.open(options_.port);
    addStep(lineSettingsStep(survey_, opened));
    if (!opened.ok()) {
        skipBoxSteps(QStringLiteral("not tried: the port did not open."));
        finish();
        return false;
    }
    if (!options_.boxSteps) {
        finish();
        return false;
    }
    return true;
}

void ConnectionDoctor::afterLine() {
    if (options_.loopback) {
        startLoopback();
        return;
    }
    addStep({QStringLiteral("loopback"),
             StepStatus::Skipped,
             QStringLiteral("no loop-back plug fitted (%1 tests one: TX joined to RX).").arg(options_.loopbackHow),
             {}});
    startLink();
}

void ConnectionDoctor::skipBoxSteps(const QString& why, bool withLoopback) {
    if (!options_.boxSteps) return;
    if (withLoopback) addStep({QStringLiteral("loopback"), StepStatus::Skipped, why, {}});
    addStep({QStringLiteral("link"), StepStatus::Skipped, why, {}});
    addStep({QStringLiteral("boot loader"), StepStatus::Skipped, why, {}});
}

std::vector<std::uint8_t> ConnectionDoctor::takeReceived() {
    std::vector<std::uint8_t> bytes;
    std::uint8_t b = 0;
    while (port_.receiveQueue().pop(b)) bytes.push_back(b);
    return bytes;
}

void ConnectionDoctor::onData() {
    const std::vector<std::uint8_t> bytes = takeReceived();
    if (bytes.empty()) return;
    if (phase_ == Phase::Loopback) {
        lastBackNs_ = clock_.nsecsElapsed();
        received_.insert(received_.end(), bytes.begin(), bytes.end());
        quiet_.start(options_.loopbackQuietMs);
    } else if (phase_ == Phase::Link) {
        linkTestAnswered(bytes);
    } else if (phase_ == Phase::BootLoader) {
        for (const std::uint8_t b : bytes)
            if (b == ctl::C) return finishBootWait(true);
    }
}

// ---------------------------------------------------------------- loop-back

void ConnectionDoctor::startLoopback() {
    phase_ = Phase::Loopback;
    sent_ = loopbackPattern(static_cast<std::size_t>(options_.loopbackBytes));
    received_.clear();
    lastBackNs_ = -1;
    const qint64 lineMs = qint64(sent_.size()) * kLineBitsPerByte * 1000 / CSerialPort::kDefaultBaudRate;
    clock_.start();
    port_.write(sent_);
    deadline_.start(static_cast<int>(2 * lineMs + 1000));
}

void ConnectionDoctor::finishLoopback() {
    deadline_.stop();
    quiet_.stop();
    const LoopbackTally t = compareLoopback(sent_, received_);
    DoctorStep step{QStringLiteral("loopback"), t.clean() ? StepStatus::Ok : StepStatus::Problem, {}, {}};
    const double seconds = lastBackNs_ > 0 ? static_cast<double>(lastBackNs_) / 1e9 : 0.0;
    const qint64 rate = seconds > 0 ? static_cast<qint64>(static_cast<double>(t.received) / seconds) : 0;
    step.detail =
        QStringLiteral(
            "%1 bytes sent, %2 back: %3 lost, %4 garbled, %5 extra; %6 bytes/s back "
            "(the line carries %7).")
            .arg(number(qint64(t.sent)), number(qint64(t.received)), number(qint64(t.lost)), number(qint64(t.wrong)),
                 number(qint64(t.extra)), number(rate), number(CSerialPort::kDefaultBaudRate / kLineBitsPerByte));
    if (t.received == 0)
        step.advice = QStringLiteral(
            "Nothing came back: the plug is not fitted, TX and RX are not joined, or the "
            "adapter does not send.");
    else if (!t.clean())
        step.advice = QStringLiteral(
            "The adapter or its cable loses or garbles bytes: try another cable, another "
            "USB socket (not a hub) or another adapter.");
    addStep(step);
    skipBoxSteps(QStringLiteral("not tried: the loop-back plug is fitted instead of the STB."), false);
    finish();
}

// ---------------------------------------------------------------- the STB

void ConnectionDoctor::startLink() {
    phase_ = Phase::Link;
    linkTriesLeft_ = options_.linkTries;
    echoes_ = 0;
    strangeBytes_.clear();
    takeReceived();
    sendLinkTest();
}

void ConnectionDoctor::sendLinkTest() {
    if (linkTriesLeft_ <= 0) return finishLink();
    --linkTriesLeft_;
    port_.writeByte(ctl::BEL);
    deadline_.start(options_.linkWaitMs);
}

void ConnectionDoctor::linkTestAnswered(const std::vector<std::uint8_t>& bytes) {
    for (const std::uint8_t b : bytes) {
        if (b == ctl::ACK)
            report_.applicationAnswered = true;
        else if (b == ctl::C)
            report_.bootLoaderAsked = true;
        else if (b == ctl::BEL)
            ++echoes_;
        else if (strangeBytes_.size() < 16)
            strangeBytes_.push_back(b);
    }
    if (report_.applicationAnswered || report_.bootLoaderAsked) finishLink();
}

void ConnectionDoctor::finishLink() {
    deadline_.stop();
    DoctorStep step{QStringLiteral("link"), StepStatus::Ok, {}, {}};
    linkSilent_ = false;
    if (report_.applicationAnswered) {
        step.detail = QStringLiteral("the STB's application answered the link test (BEL, ACK): an upload can start.");
        step.advice = QStringLiteral("For a download switch the STB off, start the download, then switch it on.");
    } else if (report_.bootLoaderAsked) {
        step.detail = QStringLiteral(
            "the STB's boot loader asks for a file ('C'): a download can start now; an "
            "upload needs its application.");
    } else if (echoes_ > 0) {
        step.status = StepStatus::Problem;
        step.detail = QStringLiteral("what the PC sends comes back (%1 of %2 BELs): the line is looped.")
                          .arg(echoes_)
                          .arg(options_.linkTries);
        step.advice = QStringLiteral("A loop-back plug or a cable that joins TX to RX is fitted, not the STB's cable.");
    } else if (!strangeBytes_.empty()) {
        step.status = StepStatus::Problem;
        step.detail = QStringLiteral("bytes came that answer nothing (%1).").arg(hexBytes(strangeBytes_));
        step.advice = QStringLiteral("Another device is on the line, or it runs at another speed than 115,200 bit/s.");
    } else {
        linkSilent_ = true;
        step.status = StepStatus::Problem;
        step.detail = QStringLiteral("no answer to %1 link tests (BEL, waited %2 ms each).")
                          .arg(options_.linkTries)
                          .arg(options_.linkWaitMs);
        step.advice = QString::fromLatin1(kSilenceCauses);
        if (options_.powerCycleWaitMs <= 0)
            step.advice += QStringLiteral(" Switching the STB off and on during a check (%1) tells which.")
                               .arg(options_.powerCycleHow);
    }
    addStep(step);
    if (report_.applicationAnswered || report_.bootLoaderAsked || options_.powerCycleWaitMs <= 0) {
        addStep({QStringLiteral("boot loader"),
                 StepStatus::Skipped,
                 report_.bootLoaderAsked ? QStringLiteral("already asking for a file.")
                 : report_.applicationAnswered
                     ? QStringLiteral("not needed: the application answers.")
                     : QStringLiteral("not asked to switch the STB off and on (%1).").arg(options_.powerCycleHow),
                 {}});
        return finish();
    }
    startBootWait();
}

void ConnectionDoctor::startBootWait() {
    phase_ = Phase::BootLoader;
    takeReceived();
    clock_.start();
    emit powerCycleWanted(
        QStringLiteral("Switch the STB off, wait two seconds and switch it on again: waiting up "
                       "to %1 s for its boot loader.")
            .arg(options_.powerCycleWaitMs / 1000.0, 0, 'f', options_.powerCycleWaitMs % 1000 ? 1 : 0));
    deadline_.start(options_.powerCycleWaitMs);
}

void ConnectionDoctor::finishBootWait(bool asked) {
    deadline_.stop();
    DoctorStep step{QStringLiteral("boot loader"), asked ? StepStatus::Ok : StepStatus::Problem, {}, {}};
    if (asked) {
        report_.bootLoaderAsked = true;
        step.detail = QStringLiteral(
                          "the boot loader asked for a file ('C') %1 s after the request: cable and STB "
                          "work, a download can start.")
                          .arg(static_cast<double>(clock_.elapsed()) / 1000.0, 0, 'f', 1);
        if (linkSilent_)
            step.advice = QStringLiteral(
                "No application answered the link test before: the STB was off, or its "
                "application has \"PC COM\" off (an upload needs that menu item on).");
    } else {
        step.detail = QStringLiteral("no 'C' within %1 s.").arg(options_.powerCycleWaitMs / 1000.0, 0, 'f', 1);
        step.advice = QStringLiteral(
            "The STB did not start, or what it sends does not reach the PC: check its power, "
            "and that the cable is a null-modem cable (TX and RX crossed, ground joined).");
    }
    addStep(step);
    finish();
}

void ConnectionDoctor::finish() {
    deadline_.stop();
    quiet_.stop();
    port_.close();
    phase_ = Phase::Done;
    emit finished();
}

}  // namespace dorvane
