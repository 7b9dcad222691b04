#pragma once

// The languages the window tests run in: every shipped translation, and
// the pseudo-language (support/pseudo_language.h).

#include <QStringList>

#include <memory>

#include "gui/app/app_language.h"
#include "qtcore/app/language.h"
#include "support/pseudo_language.h"

namespace dorvane::test {

inline const QString kPseudoLanguage = QStringLiteral("pseudo");

// Installs a language for the windows made next: "en", a shipped code, or
// the pseudo-language. Returns false when it could not be installed.
inline bool useLanguage(const QString& code) {
    static std::unique_ptr<PseudoTranslator> pseudo;
    if (pseudo) QCoreApplication::removeTranslator(pseudo.get());
    pseudo.reset();
    if (code != kPseudoLanguage) return applyLanguage(code);
    applyLanguage(QStringLiteral("en"));
    pseudo = std::make_unique<PseudoTranslator>();
    return QCoreApplication::installTranslator(pseudo.get());
}

// English, every shipped language and the pseudo-language.
inline QStringList testLanguages() {
    return QStringList{QStringLiteral("en")} + shippedLanguages() + QStringList{kPseudoLanguage};
}

}  // namespace dorvane::test
