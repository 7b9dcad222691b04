#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

namespace dorvane {

enum class StepStatus { Ok, Problem, Skipped };

// One step of the connection check: what was looked at, how it went, what
// was found and, where something is to be done, what.
struct DoctorStep {
    QString name;  // "port", "permission", "holder", "line", "loopback", "link", "boot loader"
    StepStatus status = StepStatus::Skipped;
    QString detail;
    QString advice;  // empty: nothing to do
};

// Every step in the order they ran, and whether a transfer could start:
// the application answered the link test (an upload can start) or the
// boot loader asked for a file (a download can).
struct DoctorReport {
    QString port;
    QList<DoctorStep> steps;
    bool applicationAnswered = false;
    bool bootLoaderAsked = false;
    bool loopbackTested = false;  // a loop-back plug stood in for the STB
    bool stbAsked = true;         // false: only the port's steps ran

    bool transferCouldStart() const { return applicationAnswered || bootLoaderAsked; }
    const DoctorStep* step(const QString& name) const;
    bool anyProblem() const;
};

// "ok", "problem", "skipped".
QString statusWord(StepStatus status);

// One block per step:
//   [ok]      port: /dev/ttyUSB0, FT232R USB UART, made by FTDI, USB 0403:6001
//             -> what to do
// and a last line with the verdict.
QString doctorText(const DoctorReport& report);
// One step's block of that text, and its last line.
QString doctorStepText(const DoctorStep& step);
QString doctorVerdict(const DoctorReport& report);

// {"port": ..., "steps": [{"name", "status", "detail", "advice"}...],
//  "transferCouldStart": bool, "applicationAnswered": bool, "bootLoaderAsked": bool}
QJsonObject doctorJson(const DoctorReport& report);

}  // namespace dorvane
