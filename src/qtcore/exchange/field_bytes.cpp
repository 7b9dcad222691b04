#include "qtcore/exchange/field_bytes.h"

#include <cstring>

namespace dorvane {

FieldText splitField(const char* field, std::size_t size) {
    std::size_t length = 0;
    while (length < size && field[length] != '\0') ++length;
    FieldText result;
    result.text = QString::fromLatin1(field, static_cast<qsizetype>(length));
    if (length + 1 < size) {
        const QByteArray tail(field + length + 1, static_cast<qsizetype>(size - length - 1));
        if (tail.count('\0') != tail.size()) result.tail = tail;
    }
    return result;
}

namespace {

std::optional<QString> characterProblem(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() == 0 || c.unicode() > 0xFF)
            return QStringLiteral("the name holds a character the file cannot store (only Latin-1, no NUL)");
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> nameProblem(const QString& text, std::size_t size) {
    if (auto problem = characterProblem(text)) return problem;
    const std::size_t limit = size > 0 ? size - 1 : 0;
    if (static_cast<std::size_t>(text.size()) > limit)
        return QStringLiteral("the name is longer than %1 characters").arg(limit);
    return std::nullopt;
}

std::optional<QString> joinField(const QString& text, const QByteArray& tail, char* field, std::size_t size,
                                 bool unterminated) {
    if (unterminated) {
        if (auto problem = characterProblem(text)) return problem;
        if (static_cast<std::size_t>(text.size()) != size || !tail.isEmpty())
            return QStringLiteral("an unterminated name fills all %1 bytes of its field and has no tail").arg(size);
    } else if (auto problem = nameProblem(text, size)) {
        return problem;
    }
    const QByteArray bytes = text.toLatin1();
    const auto length = static_cast<std::size_t>(bytes.size());
    if (!tail.isEmpty() && length + 1 + static_cast<std::size_t>(tail.size()) > size)
        return QStringLiteral("the name and its tail do not fit the %1-byte field").arg(size);
    std::memset(field, 0, size);
    std::memcpy(field, bytes.constData(), length);
    if (!tail.isEmpty()) std::memcpy(field + length + 1, tail.constData(), static_cast<std::size_t>(tail.size()));
    return std::nullopt;
}
}  // namespace dorvane
