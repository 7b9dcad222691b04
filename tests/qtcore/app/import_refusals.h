#pragma once

#include <string>
#include <vector>

namespace dorvane {
class ReceiverDatabase;
}

namespace dorvane::test {

// What the import says for each kind of bad channel table (CSV) and channel
// data (JSON): every input is made from `database`'s own export, broken in
// one place, and imported as the editor imports it. An input that is not
// refused gives "not refused: " and what it was.
std::vector<std::string> csvImportRefusals(const ReceiverDatabase& database);
std::vector<std::string> jsonImportRefusals(const ReceiverDatabase& database);

}  // namespace dorvane::test
