#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace dorvane {

// What the window and the command line add to the flow's own texts so that
// an operator knows what to do next.

// After the buyer refusal: which buyer codes differ, and how to override.
// infoRecord is the STB's information record (its buyer code at offset 20).
std::string buyerRefusalAdvice(std::uint32_t imageBuyerCode, std::span<const std::uint8_t> infoRecord);

// The time-out when not a single byte came back from the line.
std::string noReceiverAdvice(const std::string& port);

// "0x41424344 ("ABCD")": a buyer code as a number and, when printable, as
// the four characters it is made of.
std::string buyerCodeText(std::uint32_t code);

}  // namespace dorvane
