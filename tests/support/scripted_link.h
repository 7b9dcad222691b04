#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "core/common/event_loop.h"
#include "core/serial/receive_queue.h"
#include "core/serial/serial_link.h"

namespace dorvane::test {

// A serial link whose far end is a script: every write is recorded and
// handed to the script, which answers with send(). Answers arrive later, on
// the event loop, as a burst (one data notification), like a real port.
class ScriptedLink : public SerialLink {
public:
    explicit ScriptedLink(EventLoop& loop) : loop_(loop) {}

    bool isOpen() const override { return open_; }
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    ReceiveQueue& receiveQueue() override { return queue_; }

    // The receiver: sees every write as it happens.
    std::function<void(std::span<const std::uint8_t>)> onWrite;

    // Bytes from the receiver, arriving as one burst delay ms from now.
    void send(std::vector<std::uint8_t> bytes, Millis delay = 1);
    void send(std::uint8_t byte, Millis delay = 1) { send(std::vector<std::uint8_t>{byte}, delay); }

    // The adapter is unplugged.
    void fail();
    void setOpen(bool open) { open_ = open; }
    EventLoop& loop() { return loop_; }
    // Writes of this size are cut short (to test incomplete frames).
    std::size_t shortWriteOf = 0;

    std::vector<std::uint8_t> written;              // every byte written, in order
    std::vector<std::vector<std::uint8_t>> writes;  // each write call

private:
    EventLoop& loop_;
    ReceiveQueue queue_;
    bool open_ = true;
};

}  // namespace dorvane::test
