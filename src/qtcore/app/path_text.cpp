#include "qtcore/app/path_text.h"

#include <string>

namespace dorvane {

#ifdef _WIN32

std::filesystem::path pathFromText(const QString& text) { return std::filesystem::path(text.toStdU16String()); }

QString textFromPath(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

QString textFromNativeBytes(const char* bytes) { return QString::fromLocal8Bit(bytes); }

#else

namespace {

// A byte that is no part of valid UTF-8 travels in a QString as the lone
// low surrogate U+DC00 + byte (no valid text holds one), and turns back into
// the same byte: a name from an old medium in Latin-1 is kept as it is.
constexpr char16_t kByteEscape = 0xDC00;

// The length of the valid UTF-8 sequence at p (0 when it is none) and its
// code point.
std::size_t utf8Sequence(const unsigned char* p, std::size_t left, char32_t& cp) {
    const unsigned char b = p[0];
    std::size_t n = 0;
    if (b < 0x80) {
        cp = b;
        return 1;
    }
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
        cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        cp = b & 0x07;
    } else
        return 0;
    if (left < n) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    const bool overlong = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
    if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

QString textFromBytes(const std::string& bytes) {
    std::u16string text;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t i = 0; i < bytes.size();) {
        char32_t cp = 0;
        const std::size_t n = utf8Sequence(p + i, bytes.size() - i, cp);
        if (n == 0) {
            text += static_cast<char16_t>(kByteEscape + p[i]);
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            text += static_cast<char16_t>(cp);
        }
        i += n;
    }
    return QString::fromStdU16String(text);
}

std::string bytesFromText(const QString& text) {
    const std::u16string units = text.toStdU16String();
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        const bool high = u >= 0xD800 && u <= 0xDBFF;
        if (high && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (u >= kByteEscape + 0x80 && u <= kByteEscape + 0xFF) {
            out += static_cast<char>(u - kByteEscape);
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

}  // namespace

std::filesystem::path pathFromText(const QString& text) { return std::filesystem::path(bytesFromText(text)); }

QString textFromPath(const std::filesystem::path& path) { return textFromBytes(path.native()); }

QString textFromNativeBytes(const char* bytes) { return textFromBytes(bytes ? std::string(bytes) : std::string()); }

#endif

}  // namespace dorvane
