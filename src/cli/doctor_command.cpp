#include <QCoreApplication>
#include <QJsonDocument>

#include "cli/commands_all.h"
#include "qtcore/app/core_text.h"
#include "qtcore/app/language.h"
#include "qtcore/app/settings.h"
#include "qtcore/doctor/connection_doctor.h"
#include "qtcore/doctor/doctor_shown_text.h"
#include "qtcore/serial/serial_port.h"

namespace dorvane::cli {

namespace {

// The settings are the window's: both programs open the same port.
constexpr char kWindowApplication[] = "Dorvane_QX";
constexpr unsigned kLongestPowerCycleWait = 600;

// The report in the language chosen with --lang; in English byte for byte
// as the check writes it.
bool translated() { return installedLanguage() != QLatin1String("en"); }

QString human(const QString& text) { return translated() ? coreText(text) : text; }

QString stepText(const DoctorStep& step) { return translated() ? shownStepText(step) : doctorStepText(step); }

QString verdictText(const DoctorReport& report) { return translated() ? shownVerdict(report) : doctorVerdict(report); }

int runDoctor(const QStringList& args, const CommandLine& options) {
    if (!args.isEmpty()) return usageError(doctorCommand(), QStringLiteral("unknown argument %1").arg(args.first()));
    const unsigned wait = options.number("power-cycle-wait", 0);
    if (wait > kLongestPowerCycleWait)
        return usageError(doctorCommand(),
                          QStringLiteral("--power-cycle-wait is at most %1 seconds").arg(kLongestPowerCycleWait));
    const bool json = options.isSet("json");

    DoctorOptions doctorOptions;
    doctorOptions.port = options.value("port");
    if (doctorOptions.port.isEmpty()) {
        const PortChoice choice =
            chooseStartPort(Settings(QString::fromLatin1(kWindowApplication)), CSerialPort::availablePorts());
        doctorOptions.port = choice.name;
        if (!choice.reason.isEmpty() && !json)
            err() << human(QStringLiteral("Checking %1: %2 (--port chooses another).").arg(choice.name, choice.reason))
                  << Qt::endl;
    }
    if (doctorOptions.port.isEmpty()) {
        err() << "dorvane: "
              << human(QStringLiteral("no serial port found: plug in the adapter, or name the port with --port."))
              << Qt::endl;
        return kExitFailure;
    }
    doctorOptions.loopback = options.isSet("loopback");
    doctorOptions.powerCycleWaitMs = static_cast<int>(wait * 1000);

    ConnectionDoctor doctor(doctorOptions);
    QObject::connect(&doctor, &ConnectionDoctor::stepDone, [json](const DoctorStep& step) {
        if (json) return;
        out() << stepText(step) << Qt::flush;
    });
    QObject::connect(&doctor, &ConnectionDoctor::powerCycleWanted,
                     [](const QString& text) { err() << human(text) << Qt::endl; });
    QObject::connect(&doctor, &ConnectionDoctor::finished, [] { QCoreApplication::exit(0); });
    doctor.start();
    if (doctor.running()) QCoreApplication::exec();

    const DoctorReport& report = doctor.report();
    if (json)
        out() << QString::fromUtf8(QJsonDocument(doctorJson(report)).toJson(QJsonDocument::Indented));
    else
        out() << verdictText(report) << '\n';
    out().flush();
    return report.transferCouldStart() ? kExitOk : kExitFailure;
}

}  // namespace

const Command& doctorCommand() {
    static const Command command{"doctor",
                                 "",
                                 "Checks the connection to the STB step by step and says what to do where\n"
                                 "one fails: the port and its adapter, the permission to open it, who else\n"
                                 "holds it, the line settings (115,200 8N1), a loop-back test (with\n"
                                 "--loopback), the STB's application (link test) and, with\n"
                                 "--power-cycle-wait, its boot loader after switching it off and on.\n"
                                 "Exit status 0 when a transfer could start, 1 otherwise.",
                                 {{.name = "port",
                                   .valueName = "PORT",
                                   .needs = "a port name",
                                   .description = "the serial port; by default the configured one"},
                                  {.name = "json", .description = "print the steps as a JSON object"},
                                  {.name = "loopback",
                                   .description = "a loop-back plug (TX joined to RX) is fitted instead of\n"
                                                  "the STB: send a pattern and count what comes back"},
                                  {.name = "power-cycle-wait",
                                   .valueName = "SECONDS",
                                   .value = OptionValue::Number,
                                   .needs = "a number",
                                   .description = "ask to switch the STB off and on, and wait this long\n"
                                                  "for its boot loader"}},
                                 runDoctor};
    return command;
}

}  // namespace dorvane::cli
