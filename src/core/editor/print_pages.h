#pragma once

#include <string>
#include <vector>

namespace dorvane {

class ReceiverDatabase;

// A table to print: a title, column heads and rows of texts (UTF-8).
struct PrintTable {
    std::string title;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

// One printed page: the heading every page carries (file, date, counts),
// the table part on it with its title and column heads, and the page line.
struct PrintPage {
    std::string heading;
    std::string title;
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
    std::string footer;  // "Page 2 of 5"
};

// The channel list in channel order, then one table per favourite group
// with members (its TV and radio names in the title).
std::vector<PrintTable> printTables(const ReceiverDatabase& db);

// "stbdata.irz, 2026-12-09: 108 channels (80 TV, 28 radio), 27 transponders,
// 6 satellites, 4 favourite groups"
std::string printHeading(const ReceiverDatabase& db, const std::string& fileName, const std::string& date);

// The tables cut into pages of at most `rowsPerPage` rows (at least 1); a
// table always starts on a new page, and an empty one still has its page.
std::vector<PrintPage> paginate(const std::vector<PrintTable>& tables, const std::string& heading, int rowsPerPage);

}  // namespace dorvane
