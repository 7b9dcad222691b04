#include "qtcore/doctor/doctor_shown_text.h"

#include <QCoreApplication>

#include <algorithm>

#include "qtcore/app/core_text.h"

namespace dorvane {

namespace {

// The window's check dialog named these first: they keep its context.
constexpr char kContext[] = "dorvane::CConnectionCheckDialog";

//: A step of the connection check, as its line names it.
const char* const kStepNames[] = {
    QT_TRANSLATE_NOOP("dorvane::CConnectionCheckDialog", "port"),
    QT_TRANSLATE_NOOP("dorvane::CConnectionCheckDialog", "permission"),
    QT_TRANSLATE_NOOP("dorvane::CConnectionCheckDialog", "holder"),
    QT_TRANSLATE_NOOP("dorvane::CConnectionCheckDialog", "line settings"),
    QT_TRANSLATE_NOOP("dorvane::CConnectionCheckDialog", "loopback"),
    QT_TRANSLATE_NOOP("dorvane::CConnectionCheckDialog", "link"),
    QT_TRANSLATE_NOOP("dorvane::CConnectionCheckDialog", "boot loader"),
    QT_TRANSLATE_NOOP("dorvane::CConnectionCheckDialog", "line"),
    QT_TRANSLATE_NOOP("dorvane::CConnectionCheckDialog", "check"),
};

QString stepName(const QString& name) {
    for (const char* known : kStepNames)
        if (name == QLatin1String(known)) return QCoreApplication::translate(kContext, known);
    return name;
}

QString statusText(StepStatus status) {
    switch (status) {
        //: How a step of the connection check went: [ok], [problem], [skipped].
        case StepStatus::Ok: return QCoreApplication::translate("dorvane::CConnectionCheckDialog", "ok");
        case StepStatus::Problem: return QCoreApplication::translate("dorvane::CConnectionCheckDialog", "problem");
        case StepStatus::Skipped: return QCoreApplication::translate("dorvane::CConnectionCheckDialog", "skipped");
    }
    return {};
}

// A finding in the language installed; a list of facts ("/dev/ttyUSB0,
// FT232R USB UART, made by FTDI") fact by fact.
QString shownFinding(const QString& text) {
    const QString whole = coreText(text);
    if (whole != text || !text.contains(QStringLiteral(", "))) return whole;
    QStringList parts = text.split(QStringLiteral(", "));
    for (QString& part : parts) part = coreText(part);
    return parts.join(QStringLiteral(", "));
}

}  // namespace

QString shownStepText(const DoctorStep& step) {
    DoctorStep shown = step;
    shown.name = stepName(step.name);
    shown.detail = shownFinding(step.detail);
    shown.advice = coreText(step.advice);
    // The English tag ("[ok]      ") fills the first kTagWidth characters
    // of the first line and indents the others; a language with a longer
    // word for a status gets a wider column.
    constexpr int kTagWidth = 11;
    int width = kTagWidth;
    for (StepStatus s : {StepStatus::Ok, StepStatus::Problem, StepStatus::Skipped})
        width = std::max(width, static_cast<int>(statusText(s).size()) + 3);
    const QString tag = QStringLiteral("[%1]").arg(statusText(step.status)).leftJustified(width);
    return tag +
           doctorStepText(shown).mid(kTagWidth).replace(QStringLiteral("\n") + QString(kTagWidth, QLatin1Char(' ')),
                                                        QStringLiteral("\n") + QString(width, QLatin1Char(' ')));
}

QString shownVerdict(const DoctorReport& report) { return coreText(doctorVerdict(report)); }

}  // namespace dorvane
