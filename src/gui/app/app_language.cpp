#include "gui/app/app_language.h"

#include <QGuiApplication>
#include <QLocale>

#include "qtcore/app/language.h"
#include "qtcore/app/settings.h"

namespace dorvane {

bool applyLanguage(const QString& code) {
    const bool installed = installLanguage(code);
    QGuiApplication::setLayoutDirection(installed ? QLocale(code).textDirection() : Qt::LeftToRight);
    return installed;
}

QString startLanguage(const QString& commandLineChoice, const QString& settingsApplication) {
    if (!commandLineChoice.isEmpty()) return resolveLanguage(commandLineChoice);
    return resolveLanguage(Settings(settingsApplication).language());
}

}  // namespace dorvane
