#pragma once

#include <QString>

namespace dorvane {

// Installs the translations of a language code ("en", "de"...) in the
// window program, with the layout direction the language is written in
// (right to left for Arabic and Persian). False when code has none.
bool applyLanguage(const QString& code);

// The language the window starts in: --lang CODE, else the choice stored
// in the settings (Configure), else the system's locale.
QString startLanguage(const QString& commandLineChoice, const QString& settingsApplication = {});

}  // namespace dorvane
