#include "qtcore/app/core_text.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>
#include <optional>
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

std::optional<QString> translateText(const QString& text, int depth);

// The text with the white space around it kept as it is; what is not known
// stays as it is.
QString translateTrimmed(const QString& text, int depth) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start].isSpace()) ++start;
    while (end > start && text[end - 1].isSpace()) --end;
    if (start == end) return text;
    const QString inner = text.mid(start, end - start);
    return text.left(start) + translateText(inner, depth).value_or(inner) + text.mid(end);
}

std::optional<QString> matchPattern(const QString& text, int depth) {
    for (const Pattern& p : table().patterns) {
        const QRegularExpressionMatch m = p.match.match(text);
        if (!m.hasMatch()) continue;
        // A placeholder that stands twice takes what its first place holds.
        QStringList parts(9);
        std::vector<bool> taken(10, false);
        for (int i = 1; i <= m.lastCapturedIndex(); ++i) {
            const int n = p.placeholders[static_cast<std::size_t>(i - 1)];
            if (taken[static_cast<std::size_t>(n)]) continue;
            taken[static_cast<std::size_t>(n)] = true;
            const bool name = p.names[static_cast<std::size_t>(i - 1)];
            parts[n - 1] = name ? m.captured(i) : translateTrimmed(m.captured(i), depth + 1);
        }
        return fill(QCoreApplication::translate(kCoreTextContext, p.source), parts);
    }
    return std::nullopt;
}

// Sentences put together ("Port(X) open failed. X does not exist: ..."):
// a known first sentence and the rest, translated in turn.
std::optional<QString> matchSentences(const QString& text, int depth) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (!QStringLiteral(".!?:").contains(text[i]) || text[i + 1] != QLatin1Char(' ')) continue;
        const std::optional<QString> first = translateText(text.left(i + 1), depth + 1);
        if (!first) continue;
        qsizetype rest = i + 1;
        while (rest < text.size() && text[rest] == QLatin1Char(' ')) ++rest;
        return *first + text.mid(i + 1, rest - i - 1) + translateTrimmed(text.mid(rest), depth + 1);
    }
    return std::nullopt;
}

// The items of a list ("3 channels added, 1 renamed", "VPid 101 -> 102,
// other bytes"): split at ", " outside quotes, so that a name keeps its
// commas.
QStringList listItems(const QString& text) {
    QStringList items;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('"')) quoted = !quoted;
        if (quoted || text[i] != QLatin1Char(',') || i + 1 >= text.size() || text[i + 1] != QLatin1Char(' ')) continue;
        items << text.mid(start, i - start);
        start = i + 2;
    }
    items << text.mid(start);
    return items;
}

// An item that a translation leaves as it is: numbers, codes, names of
// standards ("0:05", "VPid 101 -> 102", "DVB-S -> DVB-S2"), no word in
// small letters.
bool needsNoTranslation(const QString& item) {
    static const QRegularExpression word(QStringLiteral("(?<![\\w\"])[a-z]{2,}(?![\\w\"])"));
    return !item.contains(word);
}

// A list whose items are all known, item by item (within a text, items
// that need no translation may stand among them: "VPid 101 -> 102, other
// bytes"); with `partly`, the known items of any list.
std::optional<QString> translateList(const QString& text, int depth, bool partly) {
    if (text.contains(QLatin1Char('\n'))) return std::nullopt;
    QStringList items = listItems(text);
    if (items.size() < 2) return std::nullopt;
    bool any = false;
    for (QString& item : items) {
        std::optional<QString> translated = translateText(item, depth + 1);
        if (translated) {
            item = *translated;
            any = true;
        } else if (!partly && (depth == 0 || !needsNoTranslation(item))) {
            return std::nullopt;
        }
    }
    if (!any) return std::nullopt;
    return items.join(QStringLiteral(", "));
}

// A known text with a full stop after it ("Application.").
std::optional<QString> withFullStop(const QString& text, int depth) {
    if (!text.endsWith(QLatin1Char('.')) || text.endsWith(QStringLiteral(".."))) return std::nullopt;
    const std::optional<QString> translated = translateText(text.chopped(1), depth + 1);
    if (!translated) return std::nullopt;
    return *translated + QLatin1Char('.');
}

std::optional<QString> translateText(const QString& text, int depth) {
    const Table& t = table();
    if (const auto it = t.whole.constFind(text); it != t.whole.constEnd())
        return QCoreApplication::translate(kCoreTextContext, it.value());
    if (depth > 4) return std::nullopt;
    // A whole text is a pattern before it is a list ("Favourite group 2:
    // - A, - B"); a part is a list before it is a pattern ("VPid 101 ->
    // 102, other bytes" is no "%1 bytes").
    if (depth > 0)
        if (auto list = translateList(text, depth, false)) return list;
    if (auto matched = matchPattern(text, depth)) return matched;
    if (depth == 0)
        if (auto list = translateList(text, depth, false)) return list;
    if (text.contains(QLatin1Char('\n'))) {
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString& line : lines) line = translateTrimmed(line, depth + 1);
        return lines.join(QLatin1Char('\n'));
    }
    if (auto sentences = matchSentences(text, depth)) return sentences;
    if (auto stopped = withFullStop(text, depth)) return stopped;
    return translateList(text, depth, true);
}

}  // namespace

QString coreText(const QString& text) { return translateTrimmed(text, 0); }

QString coreText(const std::string& text) { return coreText(QString::fromStdString(text)); }

}  // namespace dorvane
