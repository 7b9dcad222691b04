#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace dorvane::sim {

// Where in a transfer the simulated receiver goes wrong, as "--fault
// KIND@POINT" names it: "on", "header", "info" or "info:N" (after 64 or N
// bytes of the information record), "block:N" (data block N arrived,
// unanswered), "block-ack:N" (after its ACK), "block-nak:N" (after a NAK
// for it), "eot", "second-eot", "batch", "write-start" (after the
// end-of-batch block's ACK, before the VT; also "before-vt"), "writing"
// (after the VT; also "after-vt"), "writing:N" (after the Nth progress
// report), "command", "upload-header", "upload-block:N", "upload-eot".
struct FaultPoint {
    enum class Where {
        On,
        Header,
        Info,
        Block,
        BlockAck,
        BlockNak,
        Eot,
        SecondEot,
        Batch,
        WriteStart,
        Writing,
        WritingReport,
        Command,
        UploadHeader,
        UploadBlock,
        UploadEot,
    };
    Where where = Where::On;
    // The block or report number, or the bytes of the information record
    // ("info" alone: none).
    std::optional<std::size_t> n;

    bool operator==(const FaultPoint&) const = default;

    // The point as the log names it ("block:3").
    std::string text() const;
    // Whether the receiver's application (not its boot loader) runs there.
    bool inApplication() const;
    // A point from its name; nothing for a name that is none.
    static std::optional<FaultPoint> parse(std::string_view name);
};

}  // namespace dorvane::sim
