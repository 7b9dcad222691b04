#include "serial/receive_queue.h"

namespace dorvane {

int ReceiveQueue::count() const {
    const int head = head_.load(std::memory_order_acquire);
    const int tail = tail_.load(std::memory_order_acquire);
    return (head - tail + kSlots) % kSlots;
}

bool ReceiveQueue::push(std::uint8_t byte) {
    if (count() == kCapacity) return false;
    const int head = head_.load(std::memory_order_relaxed);
    slots_[static_cast<std::size_t>(head)] = byte;
    head_.store((head + 1) % kSlots, std::memory_order_release);
    return true;
}

bool ReceiveQueue::pop(std::uint8_t& byte) {
    if (count() == 0) return false;
    const int tail = tail_.load(std::memory_order_relaxed);
    byte = slots_[static_cast<std::size_t>(tail)];
    tail_.store((tail + 1) % kSlots, std::memory_order_release);
    return true;
}

bool ReceiveQueue::peek(std::uint8_t& byte) const {
    if (count() == 0) return false;
    byte = slots_[static_cast<std::size_t>(tail_.load(std::memory_order_relaxed))];
    return true;
}

bool ReceiveQueue::pushChunk(std::span<const std::uint8_t> chunk) {
    if (static_cast<long long>(chunk.size()) >= kSlots - count()) return false;
    for (const std::uint8_t b : chunk) push(b);
    return true;
}

int ReceiveQueue::drain() {
    int dropped = 0;
    std::uint8_t b;
    while (pop(b)) ++dropped;
    return dropped;
}

}  // namespace dorvane
