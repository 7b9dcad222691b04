#pragma once

#include <QByteArray>
#include <QString>

#include "core/common/result.h"

namespace dorvane {

// An import file as text: UTF-8, with or without a byte-order mark, lines
// ended by LF or CR LF. A file that is not UTF-8 (a Latin-1 or Windows-1252
// export, say) is refused with the line and column of its first bad byte:
// "line 3, column 7: not UTF-8 text (byte 0xE9); save the file as UTF-8".
Result<QString> decodeImportText(const QByteArray& bytes);

// Offset of the first byte that is not part of well-formed UTF-8 (overlong
// forms, surrogates and values beyond U+10FFFF are not), or -1.
qsizetype firstInvalidUtf8(const QByteArray& bytes);

// The 1-based line of a byte offset of the text.
int lineOfOffset(const QByteArray& bytes, qsizetype offset);

}  // namespace dorvane
