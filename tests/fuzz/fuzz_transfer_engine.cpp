// The transfer engine fed arbitrary receiver bytes in any state of a
// download or an upload, on the virtual clock.
//
// Input: a selector byte (download or upload, image or file size, how the
// simulated STB answers or sends), the state to drive to and a number of further
// event-loop steps to run in it; then commands: a burst of bytes from the
// receiver, time passing, a stop request, a reset, the link failing.
// After the input the clock runs on for a long while: the engine must have
// come to rest (idle, waiting for a download to be started by the
// receiver, or finished writing), with every wait bounded. With the top
// bit of the step count set, the last burst of the input is then repeated
// every 50 ms for five minutes first, and the engine must not be held in a
// transfer by it.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/database/channel_data_buffer.h"
#include "core/image/image_file.h"
#include "core/transfer/transfer_engine.h"
#include "support/image_builder.h"
#include "support/scripted_link.h"
#include "support/simulated_stb.h"
#include "support/virtual_event_loop.h"

namespace {

using namespace dorvane;
using namespace dorvane::test;

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : p_(data), end_(data + size) {}
    bool empty() const { return p_ == end_; }
    std::uint8_t byte() { return p_ == end_ ? 0 : *p_++; }
    std::vector<std::uint8_t> take(std::size_t n) {
        n = std::min<std::size_t>(n, static_cast<std::size_t>(end_ - p_));
        std::vector<std::uint8_t> out(p_, p_ + n);
        p_ += n;
        return out;
    }

private:
    const std::uint8_t* p_;
    const std::uint8_t* end_;
};

bool knownState(EngineState s) {
    switch (s) {
        case EngineState::Idle:
        case EngineState::WaitStart:
        case EngineState::UploadArm:
        case EngineState::WaitHeaderAnswer:
        case EngineState::SendingData:
        case EngineState::UploadReceive:
        case EngineState::DataWriteFailed:
        case EngineState::EndingFile:
        case EngineState::UploadEnd:
        case EngineState::WaitWriting:
        case EngineState::WaitWritingEnd:
        case EngineState::WritingProgress: return true;
        default: return false;
    }
}

struct CheckingListener : TransferListener {
    bool writingEnded = false;
    int identified = 0;
    void onTransferEvent(const EngineReport& report) override {
        if (!knownState(report.state)) __builtin_trap();
        if (report.state == EngineState::WaitWritingEnd && report.event == EngineEvent::WritingEnded)
            writingEnded = true;
        // The receiver is identified once per download, with its answer.
        if (report.event == EngineEvent::ReceiverIdentified && (++identified > 1 || !report.as<ReceiverAnswer>()))
            __builtin_trap();
        if (report.event == EngineEvent::BlockAcked && !report.as<AckedBlock>()) __builtin_trap();
    }
};

// Files written once per process, removed when it ends.
struct ProcessFiles {
    std::vector<std::filesystem::path> paths;
    ~ProcessFiles() {
        std::error_code ec;
        for (const auto& p : paths) std::filesystem::remove(p, ec);
    }
};

std::filesystem::path processFile(const std::string& name, const Bytes& bytes) {
    static ProcessFiles files;
    const auto dir = std::filesystem::exists("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                         : std::filesystem::temp_directory_path();
    const auto path = dir / ("dorvane-fuzz-" + std::to_string(getpid()) + "-" + name);
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    files.paths.push_back(path);
    return path;
}

// Images: sizes around the block boundaries.
const std::vector<std::filesystem::path>& images() {
    static const std::vector<std::filesystem::path> paths = [] {
        std::vector<std::filesystem::path> out;
        XprFields fields;
        fields.buyer = "";
        const std::size_t sizes[] = {1, 1024 - 48, 1500, 2048 - 48};
        for (std::size_t i = 0; i < std::size(sizes); ++i)
            out.push_back(processFile("engine-" + std::to_string(i) + ".img",
                                      xprImage(fields, patternBytes(sizes[i], static_cast<std::uint32_t>(i + 1)))));
        return out;
    }();
    return paths;
}

// Channel data for the STB to send.
const std::vector<std::filesystem::path>& uploadBlobs() {
    static const std::vector<std::filesystem::path> paths = [] {
        std::vector<std::filesystem::path> out;
        const std::size_t sizes[] = {100, 1024, 1500, 3000};
        for (std::size_t i = 0; i < std::size(sizes); ++i)
            out.push_back(processFile("upload-" + std::to_string(i) + ".bin", patternBytes(sizes[i], 9)));
        return out;
    }();
    return paths;
}

constexpr EngineState kDownloadTargets[] = {
    EngineState::WaitStart,   EngineState::WaitHeaderAnswer, EngineState::SendingData,   EngineState::EndingFile,
    EngineState::WaitWriting, EngineState::WritingProgress,  EngineState::WaitWritingEnd};
constexpr EngineState kUploadTargets[] = {EngineState::UploadArm, EngineState::UploadReceive};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto* buffer = new ChannelDataBuffer();
    Input in(data, size);
    const std::uint8_t selector = in.byte();
    const std::uint8_t target = in.byte();
    const std::uint8_t skip = in.byte();
    const bool upload = selector & 1;

    VirtualEventLoop loop;
    ScriptedLink link(loop);
    CImageFile image;
    CTransferEngine engine(loop, link, image, *buffer);
    CheckingListener listener;
    engine.attach(&listener);

    std::unique_ptr<SimulatedStb> stb;
    EngineState targetState = EngineState::Idle;
    if (!upload) {
        if (!image.open(images()[(selector >> 1) % images().size()]).ok()) return 0;
        engine.setForcedDownload(selector & 8);
        std::vector<std::string> options;
        if (selector & 32) options.insert(options.end(), {"--first-eot", "ack"});
        if (selector & 64) options.emplace_back("--split-answers");
        if (selector & 128) options.insert(options.end(), {"--nak-blocks", "1,2"});
        stb = std::make_unique<SimulatedStb>(link, (selector & 16) ? enqBootLoader(options) : ackBootLoader(options));
        targetState = kDownloadTargets[target % std::size(kDownloadTargets)];
        engine.setState(EngineState::WaitStart);
        if (targetState != EngineState::WaitStart) stb->command("on");
    } else {
        std::vector<std::string> options{"--start", "app", "--upload-file",
                                         uploadBlobs()[(selector >> 1) % uploadBlobs().size()].string()};
        if (selector & 8) options.insert(options.end(), {"--upload-fault", "header-1k"});
        if (selector & 16) options.insert(options.end(), {"--upload-fault", "no-header"});
        if (selector & 32) options.insert(options.end(), {"--upload-fault", "bad-crc-once:1"});
        stb = std::make_unique<SimulatedStb>(link, options);
        stb->command("upload");
        targetState = kUploadTargets[target % std::size(kUploadTargets)];
        engine.setState(EngineState::UploadArm);
    }

    // Drive to the chosen state, then a few steps further into it.
    loop.runUntil([&] { return engine.state() == targetState; }, 120000);
    int steps = 0;
    loop.runUntil([&] { return ++steps > skip % 32; }, 120000);
    // From here on the input speaks for the receiver.
    stb->detach();

    bool failed = false;
    std::vector<std::uint8_t> lastBurst;
    while (!in.empty()) {
        const std::uint8_t op = in.byte();
        switch (op % 8) {
            case 0:
            case 1:
            case 2:
            case 3: {  // a burst of bytes
                auto bytes = in.take(static_cast<std::size_t>(in.byte() % 200) + 1);
                lastBurst = bytes;
                link.send(std::move(bytes), op >> 6);
                loop.advance(op >> 6);
                break;
            }
            case 4:  // time passes: up to about 65 s
                loop.advance(static_cast<Millis>(in.byte()) << (op >> 5));
                break;
            case 5:
                if (op & 0x80)
                    engine.requestStop();
                else
                    engine.cancelStopRequest();
                break;
            case 6:
                if ((op & 0xF0) == 0x60) engine.reset();
                break;
            case 7:
                if ((op & 0xF0) == 0x70 && !failed) {
                    failed = true;
                    link.fail();
                }
                break;
        }
        if (!knownState(engine.state())) __builtin_trap();
    }

    // A receiver that goes on sending the same bytes for ever (noise,
    // refusals, requests) cannot hold a transfer open: after five minutes of
    // it the engine has left the transfer states (a report of the
    // receiver's writing may go on as long as it reports).
    // (A stop request pauses the transfer while the operator decides: the
    // receiver's ACKs to DC1 keep it waiting, as they should.)
    if ((skip & 0x80) && !lastBurst.empty() && !failed && !engine.stopRequested()) {
        for (int i = 0; i < 6000; ++i) {
            link.send(lastBurst, 0);
            loop.advance(50);
        }
        const EngineState s = engine.state();
        if (s == EngineState::WaitHeaderAnswer || s == EngineState::SendingData || s == EngineState::EndingFile ||
            s == EngineState::UploadArm || s == EngineState::UploadReceive) {
            std::fprintf(stderr, "engine held in state %d by a receiver repeating itself\n", s);
            __builtin_trap();
        }
    }

    // Every wait ends: after long enough the engine rests. The longest wait
    // is the one for a receiver writing its memory (ten minutes).
    loop.advance(EngineTimeouts{}.writing + 100000);
    const EngineState s = engine.state();
    const bool rests = s == EngineState::Idle || s == EngineState::WaitStart ||
                       (s == EngineState::WaitWritingEnd && listener.writingEnded);
    if (!rests) {
        std::fprintf(stderr, "engine stuck in state %d\n", s);
        __builtin_trap();
    }
    const UploadOutcome& outcome = engine.uploadOutcome();
    if (outcome.stored > ChannelDataBuffer::kCapacity) __builtin_trap();
    if (outcome.completed && outcome.stored < outcome.announced) __builtin_trap();
    return 0;
}
