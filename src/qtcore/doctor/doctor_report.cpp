#include "qtcore/doctor/doctor_report.h"

#include <QJsonArray>
#include <QStringList>

namespace dorvane {

const DoctorStep* DoctorReport::step(const QString& name) const {
    for (const DoctorStep& s : steps)
        if (s.name == name) return &s;
    return nullptr;
}

bool DoctorReport::anyProblem() const {
    for (const DoctorStep& s : steps)
        if (s.status == StepStatus::Problem) return true;
    return false;
}

QString statusWord(StepStatus status) {
    switch (status) {
        case StepStatus::Ok: return QStringLiteral("ok");
        case StepStatus::Problem: return QStringLiteral("problem");
        case StepStatus::Skipped: return QStringLiteral("skipped");
    }
    return {};
}

namespace {

constexpr int kIndent = 11;

constexpr int kWidth = 100;

// The text's lines, each broken at blanks to fit the width after the indent.
QStringList wrapped(const QString& text) {
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        for (const QString& word : paragraph.split(QLatin1Char(' '))) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > kWidth - kIndent) {
                lines << line;
                line.clear();
            }
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        lines << line;
    }
    return lines;
}

QString indentedLines(const QString& text, const QString& firstPrefix) {
    const QStringList lines = wrapped(text);
    QString out;
    const QString pad(kIndent, QLatin1Char(' '));
    for (qsizetype i = 0; i < lines.size(); ++i) out += (i == 0 ? firstPrefix : pad) + lines[i] + QLatin1Char('\n');
    return out;
}

}  // namespace

QString doctorVerdict(const DoctorReport& report) {
    if (report.applicationAnswered)
        return QStringLiteral(
            "A transfer can start: the STB's application answers (an upload; a download "
            "needs it switched off).");
    if (report.bootLoaderAsked)
        return QStringLiteral("A transfer can start: the STB's boot loader asks for a file (download).");
    if (!report.stbAsked && !report.anyProblem())
        return QStringLiteral("The port opens at 115,200 8N1; the STB was not asked.");
    if (report.loopbackTested && !report.anyProblem())
        return QStringLiteral("The port and the plug pass every byte. Fit the STB's cable instead and check again.");
    return QStringLiteral("No transfer can start yet: see the problems above.");
}

QString doctorStepText(const DoctorStep& s) {
    const QString tag = QStringLiteral("[%1]").arg(statusWord(s.status)).leftJustified(kIndent - 1) + QLatin1Char(' ');
    QString text = indentedLines(QStringLiteral("%1: %2").arg(s.name, s.detail), tag);
    if (!s.advice.isEmpty())
        text += indentedLines(QStringLiteral("-> ") + s.advice, QString(kIndent, QLatin1Char(' ')));
    return text;
}

QString doctorText(const DoctorReport& report) {
    QString text;
    for (const DoctorStep& s : report.steps) text += doctorStepText(s);
    return text + doctorVerdict(report) + QLatin1Char('\n');
}

QJsonObject doctorJson(const DoctorReport& report) {
    QJsonArray steps;
    for (const DoctorStep& s : report.steps) {
        steps.append(QJsonObject{{QStringLiteral("name"), s.name},
                                 {QStringLiteral("status"), statusWord(s.status)},
                                 {QStringLiteral("detail"), s.detail},
                                 {QStringLiteral("advice"), s.advice}});
    }
    return QJsonObject{{QStringLiteral("port"), report.port},
                       {QStringLiteral("steps"), steps},
                       {QStringLiteral("transferCouldStart"), report.transferCouldStart()},
                       {QStringLiteral("applicationAnswered"), report.applicationAnswered},
                       {QStringLiteral("bootLoaderAsked"), report.bootLoaderAsked},
                       {QStringLiteral("loopbackTested"), report.loopbackTested}};
}

}  // namespace dorvane
