#pragma once

#include <functional>
#include <string>

#include "core/common/event_loop.h"
#include "sim/application.h"
#include "sim/boot_loader.h"
#include "sim/fault_trigger.h"
#include "sim/frames.h"
#include "sim/receiver_options.h"
#include "sim/stb_line.h"

namespace dorvane::sim {

// The receiver at the other end of the line: switched off, in its boot
// loader (which takes a download), in its application (which answers the
// link test and sends its channel data on the boot-console command), or
// gone wrong at a fault. It hands each received byte to the part that runs.
// Everything is driven by received bytes, commands and timers; nothing waits.
class Receiver : private StbControl {
public:
    using Send = StbLine::Send;
    using Log = StbLine::Log;

    Receiver(ReceiverOptions options, EventLoop& loop, Send send, Log log, std::function<void()> closeLine);
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;

    // "on", "off", "boot", "app", "upload" (its application sends its
    // channel data, as on the boot-console command); false for an unknown
    // command.
    bool command(const std::string& word);
    void received(const Bytes& bytes);

    // The line sits idle (nothing queued to send).
    std::function<bool()> lineIdle;

    // The data of the blocks the boot loader took in the last download,
    // padding included (what it stores is cut to the announced length).
    const Bytes& takenData() const { return boot_.takenData(); }

private:
    enum class Mode { Off, Boot, App, Faulted };

    void powerOn() override;
    void powerOff();
    void startBootLoader() override;
    void startApplication() override;
    void fallSilent() override;
    void keepChannelData(Bytes data) override { opt_.app.uploadBlob = std::move(data); }
    void upload();
    void demoTick();

    ReceiverOptions opt_;
    StbLine line_;
    Mode mode_ = Mode::Off;
    FaultTrigger fault_;
    BootLoader boot_;
    Application app_;

    // For the demo operator.
    Millis lastBel_ = -1;
    Millis appSince_ = 0;
};

}  // namespace dorvane::sim
