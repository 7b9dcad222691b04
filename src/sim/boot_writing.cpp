// The boot loader's end of a download: the file stored, then the writing
// reported between VT and FF, then the restart.
#include <algorithm>
#include <cstdio>
#include <fstream>

#include "sim/boot_loader.h"
#include "sim/kept_channels.h"

namespace dorvane::sim {

namespace {

constexpr Millis kRestartAfterWritingMs = 500;

}  // namespace

std::size_t BootLoader::announcedSize() const { return std::min<std::uint64_t>(file_.size(), fileLength_); }

void BootLoader::storeFile() {
    if (stored_) return;
    stored_ = true;
    const std::size_t size = announcedSize();
    line_.log("received " + std::to_string(size) + " bytes");
    if (opt_.storePath.empty()) return;
    const std::string tmp = opt_.storePath + ".part";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(file_.data()), static_cast<std::streamsize>(size));
        if (!f) {
            line_.log("store failed");
            return;
        }
    }
    std::rename(tmp.c_str(), opt_.storePath.c_str());
    line_.log("stored " + opt_.storePath);
}

void BootLoader::keepChannels() {
    const Bytes data(file_.begin(), file_.begin() + static_cast<std::ptrdiff_t>(announcedSize()));
    if (!opt_.keepChannels || !isChannelData(data)) return;
    control_.keepChannelData(opt_.changeKeptByte ? withOneByteChanged(data) : data);
    line_.log(opt_.changeKeptByte ? "keeps the channel data with one byte changed" : "keeps the channel data");
}

void BootLoader::startWriting() {
    state_ = State::Writing;
    if (fault_.at(FaultPoint::Where::WriteStart)) return;
    const int steps = static_cast<int>(opt_.writeProgress.size()) + 1;
    writeStep_ = std::max(1, opt_.writeMs / steps);
    phaseTimer_.start(writeStep_, [this] {
        line_.send(VT);
        line_.log("writing");
        if (fault_.at(FaultPoint::Where::Writing)) return;
        writingProgress(0);
    });
}

// Report `next` a step from now (after a stall half-way, when asked for),
// or the end of the writing after the last.
void BootLoader::writingProgress(std::size_t next) {
    const bool halfWay = next == opt_.writeProgress.size() / 2;
    const Millis stall = halfWay ? opt_.writeStallMs : 0;
    if (stall > 0) line_.log("writing stalls");
    phaseTimer_.start(writeStep_ + stall, [this, next] {
        if (next >= opt_.writeProgress.size()) {
            written();
            return;
        }
        line_.sendSplit(Bytes{RS, static_cast<std::uint8_t>(opt_.writeProgress[next])}, 1);
        if (fault_.at(FaultPoint::Where::WritingReport, next + 1)) return;
        writingProgress(next + 1);
    });
}

void BootLoader::written() {
    line_.send(FF);
    line_.log("written");
    keepChannels();
    phaseTimer_.start(kRestartAfterWritingMs, [this] { control_.startBootLoader(); });  // the receiver restarts
}

}  // namespace dorvane::sim
