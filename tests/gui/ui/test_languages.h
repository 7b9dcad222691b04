#pragma once

// The languages the window tests run in: every shipped translation, and a
// pseudo-language that marks every translated text (so that a text shown
// without going through the translations stands out) and makes it 40 %
// longer (so that a place too narrow for a longer language shows).

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>

#include <memory>

#include "gui/app/app_language.h"
#include "qtcore/app/language.h"

namespace dorvane::test {

inline const QString kPseudoLanguage = QStringLiteral("pseudo");
inline constexpr QChar kPseudoOpen = QChar(0x27EA);   // ⟪
inline constexpr QChar kPseudoClose = QChar(0x27EB);  // ⟫

// text 40 % longer: every word's letters drawn out, the placeholders
// (%1), the mnemonic marks (&) and the file patterns ("*.irz") untouched.
inline QString pseudoText(const QString& text) {
    if (text.isEmpty()) return text;
    const qsizetype wanted = text.size() * 14 / 10 - 2;
    QString out;
    qsizetype added = 0;
    qsizetype letters = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        out += c;
        const bool plain =
            c.isLetter() && (i == 0 || (text[i - 1] != QLatin1Char('%') && text[i - 1] != QLatin1Char('.') &&
                                        text[i - 1] != QLatin1Char('*')));
        if (!plain) continue;
        // One more letter for every two, until the text is long enough.
        if (++letters % 2 == 0 && added < wanted - text.size()) {
            out += c.toLower();
            ++added;
        }
    }
    while (added < wanted - text.size()) {
        out += QLatin1Char('~');
        ++added;
    }
    return kPseudoOpen + out + kPseudoClose;
}

inline bool isPseudoText(const QString& text) { return text.startsWith(kPseudoOpen) && text.endsWith(kPseudoClose); }

class PseudoTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return pseudoText(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

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
