#pragma once

#include <string>
#include <string_view>

namespace dorvane {

// The program's "ProductVersion" text, e.g. "0, 6, 0, 235".
std::string productVersionText();

// "major.minor" of a product version text: "0, 6, 0, 235" gives "0.6".
// Empty when the text is empty or has no comma.
std::string productVersionShort(std::string_view versionText);
std::string productVersionShort();

// Everything after the last comma, blanks kept: "0, 6, 0, 235" gives " 235".
std::string productBuild(std::string_view versionText);
std::string productBuild();

// "v%s (build #%s)" for the About box.
std::string aboutVersionLine();

// "Dorvane_QX %s" for the title button.
std::string titleText();

// What "PROGRAM --version" prints: "<program> v%s (build #%s)".
std::string versionAnswer(std::string_view program);

}  // namespace dorvane
