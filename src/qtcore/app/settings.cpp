#include "qtcore/app/settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

namespace dorvane {

namespace {

const char* const kSection = "COM";
const char* const kPortNum = "PortNum";
const char* const kPortName = "PortName";

}  // namespace

Settings::Settings(QString applicationName)
    : application_(applicationName.isEmpty() ? defaultApplicationName() : std::move(applicationName)) {}

QString Settings::organization() { return QStringLiteral("Tavro Technology, Inc."); }

QString Settings::defaultApplicationName() {
    const QString exe = QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
    const QString base = QFileInfo(exe).completeBaseName();
    return base.isEmpty() ? QStringLiteral("Dorvane_QX") : base;
}

int Settings::portNumber() const {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, organization(), application_);
    bool ok = false;
    const int value = s.value(QStringLiteral("%1/%2").arg(kSection, kPortNum), 1).toInt(&ok);
    return ok ? value : 1;
}

void Settings::setPortNumber(int number) {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, organization(), application_);
    s.setValue(QStringLiteral("%1/%2").arg(kSection, kPortNum), number);
}

QString Settings::portName() const {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, organization(), application_);
    return s.value(QStringLiteral("%1/%2").arg(kSection, kPortName)).toString();
}

void Settings::setPortName(const QString& name) {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, organization(), application_);
    s.setValue(QStringLiteral("%1/%2").arg(kSection, kPortName), name);
}

void Settings::clearPortName() {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, organization(), application_);
    s.remove(QStringLiteral("%1/%2").arg(kSection, kPortName));
}

QString Settings::configuredPort() const {
#ifndef _WIN32
    const QString name = portName();
    if (!name.isEmpty()) return name;
#endif
    return comPortName(portNumber());
}

void Settings::storePort(const QString& name) {
    static const QRegularExpression comName(QStringLiteral("^COM(-?\\d+)$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = comName.match(name);
    if (m.hasMatch()) {
        setPortNumber(m.captured(1).toInt());
        clearPortName();
    } else {
        setPortName(name);
    }
}

bool Settings::portConfigured() const {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, organization(), application_);
    return s.contains(QStringLiteral("%1/%2").arg(kSection, kPortNum)) ||
           s.contains(QStringLiteral("%1/%2").arg(kSection, kPortName));
}

PortChoice chooseStartPort(const Settings& settings, const QList<SerialPortEntry>& ports) {
#ifndef _WIN32
    if (!settings.portConfigured()) {
        PortChoice choice = defaultPortChoice(ports);
        if (!choice.name.isEmpty()) return choice;
    }
#else
    Q_UNUSED(ports);
#endif
    return {settings.configuredPort(), {}};
}

QString Settings::language() const {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, organization(), application_);
    return s.value(QStringLiteral("UI/Language")).toString();
}

void Settings::setLanguage(const QString& code) {
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, organization(), application_);
    if (code.isEmpty())
        s.remove(QStringLiteral("UI/Language"));
    else
        s.setValue(QStringLiteral("UI/Language"), code);
}

QString comPortName(int number) { return QStringLiteral("COM%1").arg(number); }

}  // namespace dorvane
