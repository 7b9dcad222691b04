#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <optional>

namespace dorvane {

// A fixed text field as its text (the bytes before the first NUL, Latin-1)
// and its tail (the bytes after that NUL, when any of them is not zero).
struct FieldText {
    QString text;
    QByteArray tail;  // empty when the rest of the field is zero
};
FieldText splitField(const char* field, std::size_t size);

// Writes text and tail back into the field: text, a NUL, the tail, zeros.
// Returns a reason when they do not fit or the text holds characters the
// field cannot store (beyond Latin-1, or NUL).
std::optional<QString> joinField(const QString& text, const QByteArray& tail, char* field, std::size_t size);

}  // namespace dorvane
