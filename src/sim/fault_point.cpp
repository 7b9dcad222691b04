#include "sim/fault_point.h"

#include <array>
#include <charconv>

namespace dorvane::sim {

namespace {

using Where = FaultPoint::Where;

struct PointName {
    Where where;
    const char* name;
    bool numbered;  // "name:N"
};

// Each point once; "info" and "writing" also stand alone.
constexpr std::array<PointName, 16> kPoints{{
    {Where::On, "on", false},
    {Where::Header, "header", false},
    {Where::Info, "info", true},
    {Where::Block, "block", true},
    {Where::BlockAck, "block-ack", true},
    {Where::BlockNak, "block-nak", true},
    {Where::Eot, "eot", false},
    {Where::SecondEot, "second-eot", false},
    {Where::Batch, "batch", false},
    {Where::WriteStart, "write-start", false},
    {Where::Writing, "writing", false},
    {Where::WritingReport, "writing", true},
    {Where::Command, "command", false},
    {Where::UploadHeader, "upload-header", false},
    {Where::UploadBlock, "upload-block", true},
    {Where::UploadEot, "upload-eot", false},
}};

std::optional<std::size_t> numberOf(std::string_view digits) {
    std::size_t n = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), n);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return n;
}

}  // namespace

std::string FaultPoint::text() const {
    for (const PointName& p : kPoints) {
        if (p.where != where) continue;
        return n ? std::string(p.name) + ":" + std::to_string(*n) : std::string(p.name);
    }
    return {};
}

bool FaultPoint::inApplication() const {
    return where == Where::Command || where == Where::UploadHeader || where == Where::UploadBlock ||
           where == Where::UploadEot;
}

std::optional<FaultPoint> FaultPoint::parse(std::string_view name) {
    if (name == "before-vt") return FaultPoint{Where::WriteStart, std::nullopt};
    if (name == "after-vt") return FaultPoint{Where::Writing, std::nullopt};
    const auto colon = name.find(':');
    const std::string_view head = name.substr(0, colon);
    for (const PointName& p : kPoints) {
        if (head != p.name) continue;
        if (colon == std::string_view::npos) {
            if (p.numbered && p.where != Where::Info) continue;
            return FaultPoint{p.where, std::nullopt};
        }
        if (!p.numbered) continue;
        if (const auto n = numberOf(name.substr(colon + 1))) return FaultPoint{p.where, n};
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace dorvane::sim
