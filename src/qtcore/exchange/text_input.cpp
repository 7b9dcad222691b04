#include "qtcore/exchange/text_input.h"

#include <algorithm>

namespace dorvane {

namespace {

// Length of the sequence a lead byte starts (0: not a lead byte) and the
// range its second byte must lie in.
struct Lead {
    int length;
    unsigned char low;
    unsigned char high;
};

Lead leadOf(unsigned char b) {
    if (b < 0x80) return {1, 0, 0};
    if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
    if (b == 0xE0) return {3, 0xA0, 0xBF};  // no overlong forms
    if (b == 0xED) return {3, 0x80, 0x9F};  // no surrogates
    if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF};
    if (b == 0xF0) return {4, 0x90, 0xBF};
    if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
    if (b == 0xF4) return {4, 0x80, 0x8F};  // up to U+10FFFF
    return {0, 0, 0};
}

}  // namespace

qsizetype firstInvalidUtf8(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size;) {
        const Lead lead = leadOf(p[i]);
        if (lead.length == 0) return i;
        if (lead.length == 1) {
            ++i;
            continue;
        }
        if (i + 1 >= size || p[i + 1] < lead.low || p[i + 1] > lead.high) return i;
        for (int k = 2; k < lead.length; ++k) {
            if (i + k >= size || (p[i + k] & 0xC0) != 0x80) return i;
        }
        i += lead.length;
    }
    return -1;
}

int lineOfOffset(const QByteArray& bytes, qsizetype offset) {
    const qsizetype end = std::min(offset, bytes.size());
    return 1 + static_cast<int>(std::count(bytes.constBegin(), bytes.constBegin() + end, '\n'));
}

Result<QString> decodeImportText(const QByteArray& bytes) {
    const QByteArray text = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    const qsizetype bad = firstInvalidUtf8(text);
    if (bad >= 0) {
        const qsizetype lineStart = text.lastIndexOf('\n', bad - 1) + 1;
        const auto byte = static_cast<unsigned char>(text[bad]);
        const QString hex = QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0'));
        return Status(Error::Corrupt,
                      QStringLiteral("line %1, column %2: not UTF-8 text (byte 0x%3); save the file as UTF-8")
                          .arg(lineOfOffset(text, bad))
                          .arg(bad - lineStart + 1)
                          .arg(hex)
                          .toStdString());
    }
    return QString::fromUtf8(text);
}

}  // namespace dorvane
