#pragma once

// A pseudo-language that marks every translated text ⟪...⟫ (so that a text
// shown without going through the translations stands out) and makes it
// 40 % longer (so that a place too narrow for a longer language shows),
// and the check that finds English words left outside its marks.

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTranslator>

namespace dorvane::test {

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

// The pseudo-language with its marks around the fixed parts of a text
// only: what fills a placeholder stands outside them ("⟪Fiilee Naame : ⟫%1"),
// so that a part left in English shows. A placeholder in quotes ("%2", a
// name) keeps its quotes outside the marks.
inline QString segmentedPseudoText(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("\"%[1-9]\"|%[1-9]"));
    QString out;
    qsizetype at = 0;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        out += pseudoText(text.mid(at, m.capturedStart() - at)) + m.captured();
        at = m.capturedEnd();
    }
    return out + pseudoText(text.mid(at));
}

class SegmentedPseudoTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return segmentedPseudoText(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

// Words that are the same in every language: the product, units, the
// names of signals, standards and files, device names, data.
inline const QRegularExpression& untranslatedWords() {
    static const QRegularExpression words(QStringLiteral(
        "\\b(Dorvane_QX|dorvane|STB|PID|PPid|VPid|APid|ttxt|VTyp|ATyp|SID|sid|CAS|FTA|FEC|LNB|DiSEqC|22KHz|kHz|USALS|"
        "QPSK|8PSK|DVB-S2?|MPEG4|Sat_id|Tp_id|Ch_id|Fav|TV|TPs|CHs|bps|MHz|Ctrl|Shift|Hz|COM\\d*|tty\\w*|dev|irz|img|"
        "bin|csv|json|pdf|PDF|IRZ|USB|UART|CP2102N|Silicon|Labs|Bridge|Controller|v\\d[\\w.]*)\\b"));
    return words;
}

// True when text has words that a translation would change.
inline bool hasWords(const QString& text) {
    static const QRegularExpression path(QStringLiteral("/[\\w/.-]*"));
    QString rest = text;
    rest.remove(path).remove(untranslatedWords());
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    return rest.contains(word);
}

// What is left of text once every translated part (⟪...⟫, one inside
// another) is taken out (a space in its place).
inline QString withoutTranslatedParts(QString text) {
    static const QRegularExpression innermost(QStringLiteral("\u27EA[^\u27EA\u27EB]*\u27EB"));
    while (text.contains(innermost)) text.replace(innermost, QStringLiteral(" "));
    return text;
}

// True when text, as shown under the pseudo-language, has English words
// outside its translated parts (names in quotes aside).
inline bool leftInEnglish(const QString& text) {
    static const QRegularExpression quoted(QStringLiteral("\"[^\"]*\""));
    return hasWords(withoutTranslatedParts(text).remove(quoted));
}

}  // namespace dorvane::test
