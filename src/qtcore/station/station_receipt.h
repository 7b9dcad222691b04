#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace dorvane {

// What one box on a station port got, as a line of the report.
struct Receipt {
    std::string port;
    std::optional<std::string> serial;  // the USB adapter's serial number, when it has one
    std::string start;                  // ISO 8601, UTC, to the millisecond: the box's first byte
    std::string end;
    std::string file;    // the image's name
    std::string sha256;  // of the image, hex
    // From the box's information record; none when it sent none.
    std::optional<std::string> bootVersion;
    std::optional<std::string> appVersion;
    std::optional<std::string> buyer;
    std::int64_t bytes = 0;
    int resent = 0;
    int timeouts = 0;
    // With --verify: "verified", "differs: ..." or "not verified: ...".
    std::optional<std::string> verify;
    std::string result;  // "ok" only for a box that wrote the image to its end (and verified it)
    std::string reason;  // why not "ok"; empty when ok

    // The boot-loader and application versions and buyer code of a record
    // of 128 bytes (nothing else is read).
    void takeRecord(std::span<const std::uint8_t> record);
};

// One JSON object on one line.
std::string receiptJson(const Receipt& receipt);
// One CSV row (RFC 4180 quoting), and the header row.
std::string receiptCsv(const Receipt& receipt);
std::string receiptCsvHeader();

// Appends one line to the report (a header row first into a new or empty
// CSV file); the file is flushed and closed before it returns. An empty
// error string when it worked.
QString appendReceipt(const QString& path, const Receipt& receipt, bool csv);

}  // namespace dorvane
