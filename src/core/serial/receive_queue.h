#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace dorvane {

// Received bytes on their way from the port to the engine: a ring of 4,192
// slots of which at most 4,191 hold bytes. The port pushes and the engine
// pops, both on the thread of the event loop: no second thread reaches it.
class ReceiveQueue {
public:
    static constexpr int kSlots = 4192;
    static constexpr int kCapacity = kSlots - 1;

    int count() const;
    int freeSlots() const { return kCapacity - count(); }
    bool empty() const { return count() == 0; }

    // False (and nothing stored) when the queue is full.
    bool push(std::uint8_t byte);
    // False when the queue is empty.
    bool pop(std::uint8_t& byte);
    // The oldest byte without taking it; false when empty.
    bool peek(std::uint8_t& byte) const;

    // Queues a whole chunk when it fits (its size below 4,192 − count);
    // otherwise drops the whole chunk and returns false ("buff full").
    bool pushChunk(std::span<const std::uint8_t> chunk);

    // Pops until empty; returns how many bytes were dropped.
    int drain();

private:
    std::array<std::uint8_t, kSlots> slots_{};
    int head_ = 0;  // next slot to write
    int tail_ = 0;  // next slot to read
};

}  // namespace dorvane
