#pragma once

#include <QString>

#include <span>
#include <string>

namespace dorvane {

// A text of the Qt-free core (a log line, a notice, an editor message) in
// the language installed: the core says its texts in English, and they are
// translated here, where they cross into Qt. A text is looked up whole,
// then as a list of known texts ("3 channels added, 1 renamed."), as one of
// the known patterns ("Downloading %1% ...") whose parts are translated in
// turn (a part in quotes is a name and stays), then line by line, sentence
// by sentence, without its full stop, and as a list of which some items are
// known; what is not known stays as it is (a file name, a device's own text).
QString coreText(const std::string& text);
QString coreText(const QString& text);

// The core's texts as the core writes them, %1, %2... for the parts it
// fills in (numbers, names, or other texts of the list): core_texts.cpp.
std::span<const char* const> coreTextSources();

// A text of that list whose parts `names` ("23": %2 and %3) are names
// although it does not quote them; they are not translated.
struct CoreTextNames {
    const char* source;
    const char* names;
};
std::span<const CoreTextNames> coreTextNames();

// The translation context of the core's texts (for the tests).
inline constexpr char kCoreTextContext[] = "CoreText";

}  // namespace dorvane
