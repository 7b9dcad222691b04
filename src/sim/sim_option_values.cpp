#include "sim/sim_option_values.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

#include "sim/sim_option_table.h"

namespace dorvane::sim {

namespace {

std::vector<std::string> commaItems(const std::string& text) {
    std::vector<std::string> out;
    std::stringstream ss(text);
    std::string item;
    while (std::getline(ss, item, ','))
        if (!item.empty()) out.push_back(item);
    return out;
}

std::uint64_t number(const std::string& text) { return std::strtoull(text.c_str(), nullptr, 0); }

// One of an option's words, or the option's error.
template <class T, std::size_t N>
T choice(const std::string& v, const std::pair<const char*, T> (&words)[N], const std::string& error) {
    for (const auto& [word, value] : words)
        if (v == word) return value;
    badSimArgs(error);
}

// --upload-fault KIND[:N][@BYTES], taken apart.
struct UploadFault {
    std::string kind;
    bool numbered;
    int n;
    std::string::size_type atSign;
    std::string value;
};

// Each kind sets its fault, or refuses a value without the number it needs.
struct UploadFaultKind {
    const char* kind;
    bool (*set)(ApplicationOptions& app, const UploadFault& f);
};

bool setOnce(bool& flag) { return flag = true; }
bool setBlock(int& block, int n) {
    if (n <= 0) return false;
    block = n;
    return true;
}

constexpr UploadFaultKind kUploadFaults[] = {
    {"duplicate-header", [](ApplicationOptions& a, const UploadFault&) { return setOnce(a.duplicateHeader); }},
    {"bad-header-crc",
     [](ApplicationOptions& a, const UploadFault& f) {
         a.badHeaderCrcTimes = f.numbered ? f.n : 1;
         return true;
     }},
    {"corrupt-sequence",
     [](ApplicationOptions& a, const UploadFault& f) { return setBlock(a.corruptSequenceBlock, f.n); }},
    {"lost-ack", [](ApplicationOptions& a, const UploadFault& f) { return setBlock(a.lostAckBlock, f.n); }},
    {"bad-crc", [](ApplicationOptions& a, const UploadFault& f) { return setBlock(a.badCrcBlock, f.n); }},
    {"bad-crc-once", [](ApplicationOptions& a, const UploadFault& f) { return setBlock(a.badCrcOnceBlock, f.n); }},
    {"cut-block",
     [](ApplicationOptions& a, const UploadFault& f) {
         if (f.n <= 0 || f.atSign == std::string::npos) return false;
         a.cutBlock = f.n;
         a.cutBlockBytes = number(f.value.substr(f.atSign + 1));
         return true;
     }},
    {"header-1k", [](ApplicationOptions& a, const UploadFault&) { return setOnce(a.uploadHeader1K); }},
    {"no-header", [](ApplicationOptions& a, const UploadFault&) { return setOnce(a.uploadNoHeader); }},
    {"eot-first", [](ApplicationOptions& a, const UploadFault&) { return setOnce(a.uploadEotFirst); }},
    {"deaf-to-nak", [](ApplicationOptions& a, const UploadFault&) { return setOnce(a.deafToNak); }},
    {"second-file", [](ApplicationOptions& a, const UploadFault&) { return setOnce(a.uploadSecondFile); }},
};

}  // namespace

std::set<std::uint64_t> numberSet(const std::string& text) {
    std::set<std::uint64_t> out;
    for (const std::string& item : commaItems(text)) out.insert(number(item));
    return out;
}

std::vector<std::uint64_t> numberList(const std::string& text) {
    std::vector<std::uint64_t> out;
    for (const std::string& item : commaItems(text)) out.push_back(number(item));
    return out;
}

void setStart(Config& c, const std::string& v) {
    if (v != "off" && v != "on" && v != "app") badSimArgs("bad --start");
    c.start = v;
}

void setAt(Config& c, const std::string& v) {
    const auto colon = v.find(':');
    if (colon == std::string::npos) badSimArgs("--at wants MS:COMMAND");
    c.at.emplace_back(std::atoi(v.substr(0, colon).c_str()), v.substr(colon + 1));
}

void setOnAfter(Config& c, const std::string& v) {
    const auto dash = v.find('-', 1);
    c.onAfterMs = std::atoi(v.substr(0, dash).c_str());
    c.onAfterMaxMs = dash == std::string::npos ? c.onAfterMs : std::atoi(v.substr(dash + 1).c_str());
    if (c.onAfterMs < 0 || c.onAfterMaxMs < c.onAfterMs) badSimArgs("--on-after wants MS or MIN-MAX");
}

void setBuyer(Config& c, const std::string& v) {
    auto& buyer = c.receiver.boot.buyer;
    buyer = {};
    for (std::size_t k = 0; k < buyer.size() && k < v.size(); ++k) buyer[k] = static_cast<std::uint8_t>(v[k]);
}

void setDc1(Config& c, const std::string& v) {
    using Dc1 = BootLoaderOptions::Dc1Answer;
    static const std::pair<const char*, Dc1> words[] = {{"ack", Dc1::Ack}, {"nak", Dc1::Nak}, {"none", Dc1::None}};
    c.receiver.boot.dc1Answer = choice(v, words, "bad --dc1");
}

void setWriteProgress(Config& c, const std::string& v) {
    auto& progress = c.receiver.boot.writeProgress;
    progress.clear();
    if (v == "none") return;
    for (const auto n : numberList(v)) {
        if (n > 255) badSimArgs("--write-progress wants percentages (a byte each)");
        progress.push_back(static_cast<int>(n));
    }
}

void setUploadFile(Config& c, const std::string& v) {
    std::ifstream f(v, std::ios::binary);
    if (!f) badSimArgs("cannot read " + v);
    c.receiver.app.uploadBlob.assign(std::istreambuf_iterator<char>(f), {});
}

void setUploadPair(Config& c, const std::string& v) {
    const auto eq = v.find('=');
    if (eq == std::string::npos || eq == 0) badSimArgs("--upload-pair wants NAME=LENGTH");
    c.receiver.app.uploadExtraPairs.emplace_back(v.substr(0, eq), v.substr(eq + 1));
}

void setUploadFault(Config& c, const std::string& v) {
    const auto colon = v.find(':');
    const UploadFault f{v.substr(0, colon), colon != std::string::npos,
                        colon == std::string::npos ? 0 : std::atoi(v.substr(colon + 1).c_str()), v.find('@'), v};
    if (f.kind == "changed-byte") {
        c.receiver.boot.keepChannels = c.receiver.boot.changeKeptByte = true;
        return;
    }
    for (const UploadFaultKind& kind : kUploadFaults)
        if (f.kind == kind.kind && kind.set(c.receiver.app, f)) return;
    badSimArgs("bad --upload-fault " + v);
}

void setShrinkFile(Config& c, const std::string& v) {
    const auto atSign = v.rfind('@');
    const auto colon = v.rfind(':');
    if (atSign == std::string::npos || colon == std::string::npos || colon < atSign)
        badSimArgs("--shrink-file wants PATH@N:SIZE");
    auto& boot = c.receiver.boot;
    boot.shrinkPath = v.substr(0, atSign);
    boot.shrinkAtBlock = std::atoi(v.substr(atSign + 1, colon - atSign - 1).c_str());
    boot.shrinkTo = number(v.substr(colon + 1));
}

void setFault(Config& c, const std::string& v) {
    const auto atSign = v.find('@');
    if (atSign == std::string::npos) badSimArgs("--fault wants KIND@POINT");
    using Kind = Fault::Kind;
    static const std::pair<const char*, Kind> kinds[] = {
        {"silent", Kind::Silent}, {"noise", Kind::Noise}, {"close", Kind::Close}, {"restart", Kind::Restart}};
    const std::string kind = v.substr(0, atSign);
    Fault fault;
    fault.kind = choice(kind, kinds, "bad fault kind " + kind);
    const auto point = FaultPoint::parse(v.substr(atSign + 1));
    if (!point) badSimArgs("bad fault point " + v.substr(atSign + 1));
    fault.point = *point;
    c.receiver.fault = fault;
}

void setRelayMode(Config& c, const std::string& v) {
    using Mode = RelayOptions::Mode;
    static const std::pair<const char*, Mode> modes[] = {{"download", Mode::Download}, {"upload", Mode::Upload}};
    const Mode mode = choice(v, modes, "bad --relay");
    if (!c.relay) c.relay.emplace();
    c.relay->mode = mode;
}

}  // namespace dorvane::sim
