#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <span>

namespace dorvane {

// Received bytes on their way from the port to the engine: a ring of 4,192
// slots of which at most 4,191 hold bytes. One producer pushes, one consumer
// pops; each side writes only its own index, so no lock is needed.
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
    std::atomic<int> head_{0};  // next slot to write; the producer's
    std::atomic<int> tail_{0};  // next slot to read; the consumer's
};

}  // namespace dorvane
