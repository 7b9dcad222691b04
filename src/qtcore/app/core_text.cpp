#include "qtcore/app/core_text.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace dorvane {

namespace {

struct Pattern {
    const char* source;
    QRegularExpression match;
    std::vector<int> placeholders;  // the number of each captured part
    std::vector<bool> names;        // a part in quotes ("%2"): a name, kept as it is
    int literal;                    // how many of its characters are fixed
};

QString fill(const QString& pattern, const QStringList& parts) {
    QString out;
    out.reserve(pattern.size() + 32);
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('%') && i + 1 < pattern.size() && pattern[i + 1].isDigit() &&
            pattern[i + 1] != QLatin1Char('0')) {
            const int n = pattern[i + 1].digitValue();
            if (n <= parts.size()) {
                out += parts[n - 1];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

struct Table {
    QHash<QString, const char*> whole;
    std::vector<Pattern> patterns;  // the most specific first
};

// Whether placeholder n of source is a name without quotes.
bool unquotedName(const char* source, int n) {
    for (const CoreTextNames& entry : coreTextNames())
        if (std::strcmp(entry.source, source) == 0) return std::strchr(entry.names, '0' + n) != nullptr;
    return false;
}

const Table& table() {
    static const Table t = [] {
        Table built;
        static const QRegularExpression slot(QStringLiteral("%[1-9]"));
        for (const char* source : coreTextSources()) {
            const QString text = QString::fromUtf8(source);
            if (!text.contains(slot)) {
                built.whole.insert(text, source);
                continue;
            }
            QString expression;
            std::vector<int> placeholders;
            std::vector<bool> names;
            int literal = 0;
            qsizetype at = 0;
            for (auto it = slot.globalMatch(text); it.hasNext();) {
                const auto m = it.next();
                expression +=
                    QRegularExpression::escape(text.mid(at, m.capturedStart() - at)) + QStringLiteral("(.+?)");
                placeholders.push_back(m.captured().mid(1).toInt());
                const qsizetype before = m.capturedStart() - 1;
                const bool quoted = before >= 0 && text[before] == QLatin1Char('"') && m.capturedEnd() < text.size() &&
                                    text[m.capturedEnd()] == QLatin1Char('"');
                names.push_back(quoted || unquotedName(source, placeholders.back()));
                literal += static_cast<int>(m.capturedStart() - at);
                at = m.capturedEnd();
            }
            expression += QRegularExpression::escape(text.mid(at));
            literal += static_cast<int>(text.size() - at);
            // One line at a time: a text of several lines is split first.
            built.patterns.push_back({source, QRegularExpression(QStringLiteral("\\A(?:%1)\\z").arg(expression)),
                                      std::move(placeholders), std::move(names), literal});
        }
        std::stable_sort(built.patterns.begin(), built.patterns.end(),
                         [](const Pattern& a, const Pattern& b) { return a.literal > b.literal; });
        return built;
    }();
    return t;
}

// A text translated, and whether all of it was: a text put together from
// parts is whole when each part is known or needs no translation.
struct Said {
    QString text;
    bool whole = true;
};

std::optional<Said> translateText(const QString& text, int depth);

// An item that a translation leaves as it is: numbers, codes, names of
// standards ("0:05", "VPid 101 -> 102", "DVB-S -> DVB-S2"), no word in
// small letters.
bool needsNoTranslation(const QString& item) {
    static const QRegularExpression word(QStringLiteral("(?<![\\w\"/.-])[a-z]{2,}(?![\\w\"/.-])"));
    return !item.contains(word);
}

// The text with the white space around it kept as it is; what is not known
// stays as it is.
Said translateTrimmed(const QString& text, int depth) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start].isSpace()) ++start;
    while (end > start && text[end - 1].isSpace()) --end;
    if (start == end) return {text, true};
    const QString inner = text.mid(start, end - start);
    const std::optional<Said> said = translateText(inner, depth);
    const Said kept = said.value_or(Said{inner, needsNoTranslation(inner)});
    return {text.left(start) + kept.text + text.mid(end), kept.whole};
}

// The pattern's translation filled with m's parts in turn.
Said fillPattern(const Pattern& p, const QRegularExpressionMatch& m, int depth) {
    // A placeholder that stands twice takes what its first place holds.
    QStringList parts(9);
    std::vector<bool> taken(10, false);
    bool whole = true;
    for (int i = 1; i <= m.lastCapturedIndex(); ++i) {
        const int n = p.placeholders[static_cast<std::size_t>(i - 1)];
        if (taken[static_cast<std::size_t>(n)]) continue;
        taken[static_cast<std::size_t>(n)] = true;
        if (p.names[static_cast<std::size_t>(i - 1)]) {
            parts[n - 1] = m.captured(i);
            continue;
        }
        const Said part = translateTrimmed(m.captured(i), depth + 1);
        parts[n - 1] = part.text;
        whole = whole && part.whole;
    }
    return {fill(QCoreApplication::translate(kCoreTextContext, p.source), parts), whole};
}

// The most specific pattern whose parts are all known ("not tried: the
// port does not exist." is "not tried: %1" of a known text, not "%1 does
// not exist." of an unknown); with `wholeOnly` false, else the most
// specific that matches at all.
std::optional<Said> matchPattern(const QString& text, int depth, bool wholeOnly) {
    std::optional<Said> first;
    for (const Pattern& p : table().patterns) {
        const QRegularExpressionMatch m = p.match.match(text);
        if (!m.hasMatch()) continue;
        Said said = fillPattern(p, m, depth);
        if (said.whole) return said;
        if (!first && !wholeOnly) first = std::move(said);
    }
    return first;
}

// Sentences put together ("Port(X) open failed. X does not exist: ..."):
// a known first sentence and the rest, translated in turn.
std::optional<Said> matchSentences(const QString& text, int depth) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (!QStringLiteral(".!?:").contains(text[i]) || text[i + 1] != QLatin1Char(' ')) continue;
        const std::optional<Said> first = translateText(text.left(i + 1), depth + 1);
        if (!first) continue;
        qsizetype rest = i + 1;
        while (rest < text.size() && text[rest] == QLatin1Char(' ')) ++rest;
        const Said after = translateTrimmed(text.mid(rest), depth + 1);
        return Said{first->text + text.mid(i + 1, rest - i - 1) + after.text, first->whole && after.whole};
    }
    return std::nullopt;
}

// The items of a list ("3 channels added, 1 renamed", "VPid 101 -> 102,
// other bytes"; reasons "a; b"): split at the separator outside quotes, so
// that a name keeps its commas.
QStringList listItems(const QString& text, QLatin1Char separator) {
    QStringList items;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('"')) quoted = !quoted;
        if (quoted || text[i] != separator || i + 1 >= text.size() || text[i + 1] != QLatin1Char(' ')) continue;
        items << text.mid(start, i - start);
        start = i + 2;
    }
    items << text.mid(start);
    return items;
}

// A list whose items are all known through and through, item by item
// (within a text, items that need no translation may stand among them:
// "VPid 101 -> 102, other bytes"); with `partly`, the known items of any
// list.
std::optional<Said> translateList(const QString& text, int depth, bool partly, QLatin1Char separator) {
    if (text.contains(QLatin1Char('\n'))) return std::nullopt;
    QStringList items = listItems(text, separator);
    if (items.size() < 2) return std::nullopt;
    bool any = false;
    bool whole = true;
    for (QString& item : items) {
        const std::optional<Said> translated = translateText(item, depth + 1);
        if (translated && (translated->whole || partly)) {
            item = translated->text;
            any = true;
            whole = whole && translated->whole;
        } else if (!partly && (depth == 0 || !needsNoTranslation(item))) {
            return std::nullopt;
        } else {
            whole = whole && needsNoTranslation(item);
        }
    }
    if (!any) return std::nullopt;
    // The separator in the language's own punctuation (Arabic "، ").
    const QByteArray source = QByteArray(1, separator.toLatin1()) + ' ';
    return Said{items.join(QCoreApplication::translate(kCoreTextContext, source.constData())), whole};
}

// A known text with a full stop after it ("Application.").
std::optional<Said> withFullStop(const QString& text, int depth) {
    if (!text.endsWith(QLatin1Char('.')) || text.endsWith(QStringLiteral(".."))) return std::nullopt;
    std::optional<Said> translated = translateText(text.chopped(1), depth + 1);
    if (translated) translated->text += QLatin1Char('.');
    return translated;
}

Said translateLines(const QString& text, int depth) {
    QStringList lines = text.split(QLatin1Char('\n'));
    bool whole = true;
    for (QString& line : lines) {
        const Said said = translateTrimmed(line, depth + 1);
        line = said.text;
        whole = whole && said.whole;
    }
    return {lines.join(QLatin1Char('\n')), whole};
}

constexpr QLatin1Char kComma(',');
constexpr QLatin1Char kSemicolon(';');

std::optional<Said> translateAnew(const QString& text, int depth) {
    const Table& t = table();
    if (const auto it = t.whole.constFind(text); it != t.whole.constEnd())
        return Said{QCoreApplication::translate(kCoreTextContext, it.value()), true};
    if (depth > 6) return std::nullopt;
    // A whole text is a pattern before it is a list ("Favourite group 2:
    // - A, - B"); a part is a list before it is a pattern ("VPid 101 ->
    // 102, other bytes" is no "%1 bytes"). A pattern whose parts are not
    // all known comes after the lists ("a; b; 3 favourite entr(ies) ..."
    // is a list, not "%1 favourite entr(ies) ..." of "a; b; 3").
    if (depth > 0)
        if (auto list = translateList(text, depth, false, kComma)) return list;
    if (auto matched = matchPattern(text, depth, true)) return matched;
    if (depth == 0)
        if (auto list = translateList(text, depth, false, kComma)) return list;
    if (auto list = translateList(text, depth, false, kSemicolon)) return list;
    if (auto matched = matchPattern(text, depth, false)) return matched;
    if (text.contains(QLatin1Char('\n'))) return translateLines(text, depth);
    if (auto sentences = matchSentences(text, depth)) return sentences;
    if (auto stopped = withFullStop(text, depth)) return stopped;
    if (auto list = translateList(text, depth, true, kSemicolon)) return list;
    return translateList(text, depth, true, kComma);
}

// What one coreText() call has worked out already, by depth and text: the
// same parts come up again and again as the patterns and lists are tried.
using Memo = QHash<QString, std::optional<Said>>;
thread_local Memo* memo = nullptr;

std::optional<Said> translateText(const QString& text, int depth) {
    if (!memo) return translateAnew(text, depth);
    const QString key = QString::number(depth) + QChar(0x1F) + text;
    if (const auto it = memo->constFind(key); it != memo->constEnd()) return *it;
    std::optional<Said> said = translateAnew(text, depth);
    memo->insert(key, said);
    return said;
}

}  // namespace

QString coreText(const QString& text) {
    Memo worked;
    Memo* const outer = std::exchange(memo, &worked);
    const QString said = translateTrimmed(text, 0).text;
    memo = outer;
    return said;
}

QString coreText(const std::string& text) { return coreText(QString::fromStdString(text)); }

}  // namespace dorvane
