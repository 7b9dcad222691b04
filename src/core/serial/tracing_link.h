#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/common/event_loop.h"
#include "core/serial/receive_queue.h"
#include "core/serial/serial_link.h"

namespace dorvane {

enum class LineDirection { ToReceiver, FromReceiver };

// Sees every byte that crosses the line: what is written, as it is handed
// to the driver, and what arrives, burst by burst.
class LineObserver {
public:
    virtual ~LineObserver() = default;
    virtual void onLineBytes(LineDirection direction, std::span<const std::uint8_t> bytes, Millis at) = 0;
};

// A serial link that passes everything through to another one and shows
// each byte in both directions to its observers. Received bytes move from
// the inner link's queue into this link's own queue, burst by burst, so the
// engine reads exactly what the observers saw, in the same order.
class TracingLink : public SerialLink {
public:
    TracingLink(SerialLink& inner, const EventLoop& clock);
    ~TracingLink() override;
    TracingLink(const TracingLink&) = delete;
    TracingLink& operator=(const TracingLink&) = delete;

    bool isOpen() const override { return inner_.isOpen(); }
    std::size_t write(std::span<const std::uint8_t> bytes) override;
    ReceiveQueue& receiveQueue() override { return queue_; }

    void addObserver(LineObserver* observer);
    void removeObserver(LineObserver* observer);

    // Bytes that went each way since construction.
    std::uint64_t bytesToReceiver() const { return sent_; }
    std::uint64_t bytesFromReceiver() const { return received_; }

private:
    void onInnerData();
    void show(LineDirection direction, std::span<const std::uint8_t> bytes);

    SerialLink& inner_;
    const EventLoop& clock_;
    ReceiveQueue queue_;
    std::vector<LineObserver*> observers_;
    std::uint64_t sent_ = 0;
    std::uint64_t received_ = 0;
};

}  // namespace dorvane
