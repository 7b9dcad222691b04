#include "core/flow/operator_advice.h"

#include <cstdio>

#include "core/common/byte_layout.h"

namespace dorvane {

std::string buyerCodeText(std::uint32_t code) {
    char text[48];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(code));
    std::string s = text;
    // The characters as they lie in the file (low byte first), unused
    // bytes (0) left out.
    std::string chars;
    for (int i = 0; i < 4; ++i) {
        const auto c = static_cast<unsigned char>((code >> (8 * i)) & 0xFF);
        if (c == 0) continue;
        if (c < 0x20 || c >= 0x7f) return s;
        chars += static_cast<char>(c);
    }
    return chars.empty() ? s : s + " (\"" + chars + "\")";
}

std::string buyerRefusalAdvice(std::uint32_t imageBuyerCode, std::span<const std::uint8_t> infoRecord) {
    std::string s = "The image's buyer code " + buyerCodeText(imageBuyerCode);
    if (const auto stb = infoRecordBuyerCode(infoRecord)) {
        s += " differs from the STB's " + buyerCodeText(*stb) + ".";
    } else {
        s += " does not match the STB's.";
    }
    return s + " \"Forced download\" (command line: --forced) downloads it anyway.";
}

std::string noReceiverAdvice(const std::string& port) {
    return "No receiver answered on " + port +
           ": check the cable and the port, and that the STB is switched on (for a download: after the start; "
           "for an upload: with its 'PC COM' item active).";
}

}  // namespace dorvane
