#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "sim/sim_options.h"

namespace dorvane::sim {

// The values of the simulator's options that take more than a number.

// "1,5,9": in any order, each once.
std::set<std::uint64_t> numberSet(const std::string& text);
// In the order given (progress reports may repeat).
std::vector<std::uint64_t> numberList(const std::string& text);

void setStart(Config& c, const std::string& v);          // off|on|app
void setAt(Config& c, const std::string& v);             // MS:COMMAND
void setOnAfter(Config& c, const std::string& v);        // MS or MIN-MAX
void setBuyer(Config& c, const std::string& v);          // up to four characters
void setDc1(Config& c, const std::string& v);            // ack|nak|none
void setWriteProgress(Config& c, const std::string& v);  // N,...|none
void setUploadFile(Config& c, const std::string& v);     // PATH
void setUploadPair(Config& c, const std::string& v);     // NAME=LENGTH
void setUploadFault(Config& c, const std::string& v);    // KIND[:N][@BYTES]
void setShrinkFile(Config& c, const std::string& v);     // PATH@N:SIZE
void setFault(Config& c, const std::string& v);          // KIND@POINT
void setRelayMode(Config& c, const std::string& v);      // download|upload

}  // namespace dorvane::sim
