#include "core/transfer/line_trace.h"

#include <algorithm>
#include <cinttypes>

#include "core/transfer/crc16.h"
#include "core/transfer/frames.h"

namespace dorvane {

namespace {

std::size_t index(LineDirection d) { return d == LineDirection::ToReceiver ? 0 : 1; }

bool printable(std::uint8_t b) { return b >= 0x20 && b < 0x7f; }

std::string hex(std::span<const std::uint8_t> bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string s;
    s.reserve(bytes.size() * 3);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i) s += ' ';
        s += digits[bytes[i] >> 4];
        s += digits[bytes[i] & 15];
    }
    return s;
}

std::string plural(std::size_t n, const char* what) { return std::to_string(n) + " " + what + (n == 1 ? "" : "s"); }

bool mergeable(const LineBurst& last, LineDirection direction, Millis at) {
    return last.direction == direction && last.at == at;
}

}  // namespace

std::optional<std::string> TraceFormatter::controlName(std::uint8_t b) {
    switch (b) {
        case ctl::SOH: return "SOH";
        case ctl::STX: return "STX";
        case ctl::EOT: return "EOT";
        case ctl::ACK: return "ACK";
        case ctl::NAK: return "NAK";
        case ctl::CAN: return "CAN";
        case ctl::C: return "'C'";
        case ctl::ENQ: return "ENQ";
        case ctl::VT: return "VT";
        case ctl::RS: return "RS";
        case ctl::FF: return "FF";
        case ctl::DC1: return "DC1";
        case ctl::BEL: return "BEL";
        case ctl::CR: return "CR";
        case ctl::LF: return "LF";
        default: return std::nullopt;
    }
}

std::string describeFrame(std::span<const std::uint8_t> frame) {
    const bool shortBlock = frame[0] == ctl::SOH;
    const std::size_t length = shortBlock ? kShortBlockData : kBlockData;
    if (frame.size() != length + 5) return "frame of " + std::to_string(frame.size()) + " bytes";
    const std::uint8_t seq = frame[1];
    const auto data = frame.subspan(3, length);
    const std::uint16_t carried = static_cast<std::uint16_t>((frame[3 + length] << 8) | frame[4 + length]);
    std::string s = std::string(shortBlock ? "SOH" : "STX") + " block " + std::to_string(seq);
    if (static_cast<std::uint8_t>(~seq) != frame[2]) s += " (sequence complement wrong)";
    if (seq == 0) {
        // The header block: a file name, NUL, the length in decimal; or all
        // zeros for the end of the batch.
        const auto nul = std::find(data.begin(), data.end(), std::uint8_t{0});
        if (nul == data.begin()) {
            if (std::all_of(data.begin(), data.end(), [](std::uint8_t b) { return b == 0; })) s += " (end of batch)";
        } else if (nul != data.end() && std::all_of(data.begin(), nul, printable)) {
            const std::string name(data.begin(), nul);
            std::string size;
            for (auto it = nul + 1; it != data.end() && *it >= '0' && *it <= '9'; ++it) size += static_cast<char>(*it);
            s += " (header \"" + name + "\"" + (size.empty() ? "" : ", " + size + " bytes") + ")";
        }
    }
    s += crc16(data) == carried ? ", CRC ok" : ", CRC bad";
    return s;
}

std::string TraceFormatter::header(TraceDetail detail) {
    std::string s =
        "# line trace: ms since the start, '>' to the STB, '<' from the STB, the bytes in hex ; what they are\n";
    if (detail == TraceDetail::WithoutData)
        s += "# the data blocks' contents are left out: \"[N data bytes]\" stands for them\n";
    return s;
}

void TraceFormatter::hideContent(std::size_t i, std::size_t before, std::size_t take, std::size_t frameSize) {
    if (detail_ != TraceDetail::WithoutData) return;
    const std::size_t from = std::max<std::size_t>(before, 3);
    const std::size_t to = std::min(before + take, frameSize - 2);
    if (from >= to) return;
    const std::size_t begin = i + from - before, end = i + to - before;
    if (!hidden_.empty() && hidden_.back().second == begin)
        hidden_.back().second = end;
    else
        hidden_.emplace_back(begin, end);
}

bool TraceFormatter::batchHeader(std::size_t d, Bytes frame) const {
    if (frame[1] != 0 || inBatch_[d]) return false;
    // A name, NUL, its fields (size, ...), and zeros to the end; or only zeros.
    const auto data = frame.subspan(3, frame.size() - 5);
    auto it = std::find_if_not(data.begin(), data.end(), printable);
    if (it != data.begin()) {
        if (it == data.end() || *it != 0) return false;
        it = std::find_if_not(it + 1, data.end(), printable);
    }
    return std::all_of(it, data.end(), [](std::uint8_t b) { return b == 0; });
}

std::size_t TraceFormatter::continuePending(std::size_t d, Bytes bytes, std::size_t i, Parts& parts) {
    Pending& pending = pending_[d];
    const std::size_t before = pending.bytes.size();
    const std::size_t take = std::min(pending.expected - before, bytes.size() - i);
    pending.bytes.insert(pending.bytes.end(), bytes.begin() + static_cast<std::ptrdiff_t>(i),
                         bytes.begin() + static_cast<std::ptrdiff_t>(i + take));
    // A block in pieces goes without its content, its header too.
    if (!pending.record) hideContent(i, before, take, pending.expected);
    if (pending.bytes.size() == pending.expected) {
        parts.push_back(pending.record ? "information record ends (" + plural(pending.expected, "byte") + ")"
                                       : "end of " + describeFrame(pending.bytes));
        if (!pending.record && pending.bytes[1] != 0) inBatch_[d] = true;
        pending = Pending{};
    } else {
        parts.push_back((pending.record ? "information record continues (" : "block continues (") +
                        std::to_string(pending.bytes.size()) + "/" + std::to_string(pending.expected) + " bytes)");
    }
    return i + take;
}

std::size_t TraceFormatter::startFrame(std::size_t d, Bytes bytes, std::size_t i, Parts& parts) {
    const std::size_t n = bytes.size();
    const std::uint8_t b = bytes[i];
    const std::size_t size = b == ctl::SOH ? kShortBlockFrameSize : kBlockFrameSize;
    if (n - i >= size) {
        const auto frame = bytes.subspan(i, size);
        if (!batchHeader(d, frame)) hideContent(i, 0, size, size);
        if (frame[1] != 0) inBatch_[d] = true;
        parts.push_back(describeFrame(frame));
        return i + size;
    }
    Pending& pending = pending_[d];
    pending.bytes.assign(bytes.begin() + static_cast<std::ptrdiff_t>(i), bytes.end());
    pending.expected = size;
    hideContent(i, 0, n - i, size);
    std::string start = std::string(b == ctl::SOH ? "SOH" : "STX") + " block";
    if (n - i >= 2) start += " " + std::to_string(bytes[i + 1]);
    parts.push_back(start + " starts (" + std::to_string(n - i) + "/" + std::to_string(size) + " bytes)");
    return n;
}

// The STB's information record, which follows its ENQ.
std::size_t TraceFormatter::startInfoRecord(Pending& pending, Bytes bytes, std::size_t i, Parts& parts) {
    pending.expected = kInfoRecordSize;
    pending.record = true;
    const std::size_t take = std::min(kInfoRecordSize, bytes.size() - i);
    pending.bytes.assign(bytes.begin() + static_cast<std::ptrdiff_t>(i),
                         bytes.begin() + static_cast<std::ptrdiff_t>(i + take));
    if (take == kInfoRecordSize) {
        parts.push_back("information record (" + plural(take, "byte") + ")");
        pending = Pending{};
    } else if (take > 0) {
        parts.push_back("information record starts (" + std::to_string(take) + "/" + std::to_string(kInfoRecordSize) +
                        " bytes)");
    }
    return i + take;
}

std::size_t TraceFormatter::takeText(Bytes bytes, std::size_t i, Parts& parts) {
    std::size_t j = i;
    while (j < bytes.size() && !controlName(bytes[j])) ++j;
    const auto run = bytes.subspan(i, j - i);
    if (run.size() >= 2 && std::all_of(run.begin(), run.end(), printable))
        parts.push_back("\"" + std::string(run.begin(), run.end()) + "\"");
    else
        parts.push_back(plural(run.size(), "byte"));
    return j;
}

std::size_t TraceFormatter::takeControl(std::size_t d, bool fromReceiver, Bytes bytes, std::size_t i, Parts& parts) {
    const std::uint8_t b = bytes[i];
    parts.push_back(*controlName(b));
    ++i;
    if (b == ctl::EOT) inBatch_[d] = false;
    if (b == ctl::RS && fromReceiver) afterRs_[d] = true;
    if (b == ctl::ENQ && fromReceiver) i = startInfoRecord(pending_[d], bytes, i, parts);
    return i;
}

std::string TraceFormatter::annotate(std::size_t d, bool fromReceiver, Bytes bytes) {
    Parts parts;
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const std::uint8_t b = bytes[i];
        if (pending_[d].expected > 0) {
            i = continuePending(d, bytes, i, parts);
        } else if (afterRs_[d]) {
            afterRs_[d] = false;
            if (parts.empty())
                parts.push_back("progress " + std::to_string(b) + "%");
            else
                parts.back() += " " + std::to_string(b) + "%";
            ++i;
        } else if ((b == ctl::SOH || b == ctl::STX) &&
                   (n - i < 3 || static_cast<std::uint8_t>(~bytes[i + 1]) == bytes[i + 2])) {
            i = startFrame(d, bytes, i, parts);
        } else if (controlName(b)) {
            i = takeControl(d, fromReceiver, bytes, i, parts);
        } else {
            i = takeText(bytes, i, parts);
        }
    }
    std::string joined;
    for (const std::string& p : parts) joined += (joined.empty() ? "" : ", ") + p;
    return joined;
}

// The hex of the burst, the hidden ranges as their count.
std::string TraceFormatter::hexOf(Bytes bytes) const {
    std::string s;
    std::size_t at = 0;
    for (const auto& [begin, end] : hidden_) {
        if (begin > at) s += (s.empty() ? "" : " ") + hex(bytes.subspan(at, begin - at));
        s += (s.empty() ? "[" : " [") + std::to_string(end - begin) + " data bytes]";
        at = end;
    }
    if (at < bytes.size()) s += (s.empty() ? "" : " ") + hex(bytes.subspan(at));
    return s;
}

std::string TraceFormatter::line(const LineBurst& burst, Millis origin) {
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "%8" PRId64 " %c ", static_cast<std::int64_t>(burst.at - origin),
                  burst.direction == LineDirection::ToReceiver ? '>' : '<');
    hidden_.clear();
    const std::string what =
        annotate(index(burst.direction), burst.direction == LineDirection::FromReceiver, burst.bytes);
    return prefix + hexOf(burst.bytes) + " ; " + what + "\n";
}

// ---------------------------------------------------------------------------

void TraceRecorder::restart(Millis origin) {
    origin_ = origin;
    bursts_.clear();
    stored_ = 0;
    dropped_ = false;
}

void TraceRecorder::onLineBytes(LineDirection direction, std::span<const std::uint8_t> bytes, Millis at) {
    if (!recording_ || bytes.empty()) return;
    if (!bursts_.empty() && mergeable(bursts_.back(), direction, at))
        bursts_.back().bytes.insert(bursts_.back().bytes.end(), bytes.begin(), bytes.end());
    else
        bursts_.push_back(LineBurst{at, direction, std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
    stored_ += bytes.size();
    while (stored_ > limit_ && bursts_.size() > 1) {
        stored_ -= bursts_.front().bytes.size();
        bursts_.pop_front();
        dropped_ = true;
    }
}

std::string TraceRecorder::text(TraceDetail detail) const {
    TraceFormatter formatter(detail);
    std::string s = TraceFormatter::header(detail);
    if (dropped_) s += "# the oldest bytes were dropped to keep the trace within its bound\n";
    for (const LineBurst& b : bursts_) s += formatter.line(b, origin_);
    return s;
}

// ---------------------------------------------------------------------------

TraceFileWriter::TraceFileWriter(std::FILE* file, Millis origin) : file_(file), origin_(origin) {
    if (std::fputs(TraceFormatter::header().c_str(), file_) < 0) failed_ = true;
}

TraceFileWriter::~TraceFileWriter() { flush(); }

void TraceFileWriter::onLineBytes(LineDirection direction, std::span<const std::uint8_t> bytes, Millis at) {
    if (bytes.empty()) return;
    if (open_ && mergeable(*open_, direction, at)) {
        open_->bytes.insert(open_->bytes.end(), bytes.begin(), bytes.end());
        return;
    }
    flush();
    open_ = LineBurst{at, direction, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

void TraceFileWriter::flush() {
    if (!open_) return;
    const std::string text = formatter_.line(*open_, origin_);
    open_.reset();
    if (std::fputs(text.c_str(), file_) < 0 || std::fflush(file_) != 0) failed_ = true;
}

}  // namespace dorvane
