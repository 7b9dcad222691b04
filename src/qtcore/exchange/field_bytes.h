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

// Why a name cannot go into a NUL-terminated field of `size` bytes, in the
// words every import and the edit dialogs use: "the name is longer than 18
// characters" (for the 19-byte channel name) or "the name holds a character
// the file cannot store (only Latin-1, no NUL)"; nothing when it fits.
std::optional<QString> nameProblem(const QString& text, std::size_t size);

// Writes text and tail back into the field: text, a NUL, the tail, zeros.
// `unterminated` takes a text that fills the whole field without a NUL (as
// some files hold it; only with no tail). Returns the reason (nameProblem's
// words) when they do not fit or the text holds characters the field cannot
// store.
std::optional<QString> joinField(const QString& text, const QByteArray& tail, char* field, std::size_t size,
                                 bool unterminated = false);

}  // namespace dorvane
