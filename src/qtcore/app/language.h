#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace dorvane {

// The languages the programs speak besides English, their source and
// default: ISO 639-1 codes, each with a translations file (dorvane_CODE).
const QStringList& shippedLanguages();

// The language's own name ("Deutsch"), for the choice in Configure.
QString languageName(const QString& code);

// The language to show for a choice: a shipped code (or a locale name
// such as "de_AT" or "pt-BR" of one) as it is; "auto" or empty follows the
// system's locale; "en" and anything not shipped give "en".
QString resolveLanguage(const QString& choice, const QLocale& system = QLocale::system());

// True when choice names a language (shipped, "en" or "auto"/empty).
bool knownLanguageChoice(const QString& choice);

// Installs the translations of code (replacing any installed before); "en"
// removes them. False when code is not shipped or its file is missing. The
// window program sets the layout direction besides (applyLanguage()).
bool installLanguage(const QString& code);

// The language installed last ("en" when none).
QString installedLanguage();

}  // namespace dorvane
