#include "core/serial/receive_queue.h"

namespace dorvane {

int ReceiveQueue::count() const { return (head_ - tail_ + kSlots) % kSlots; }

bool ReceiveQueue::push(std::uint8_t byte) {
    if (count() == kCapacity) return false;
    slots_[static_cast<std::size_t>(head_)] = byte;
    head_ = (head_ + 1) % kSlots;
    return true;
}

bool ReceiveQueue::pop(std::uint8_t& byte) {
    if (count() == 0) return false;
    byte = slots_[static_cast<std::size_t>(tail_)];
    tail_ = (tail_ + 1) % kSlots;
    return true;
}

bool ReceiveQueue::peek(std::uint8_t& byte) const {
    if (count() == 0) return false;
    byte = slots_[static_cast<std::size_t>(tail_)];
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
