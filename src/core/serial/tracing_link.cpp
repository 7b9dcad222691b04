#include "core/serial/tracing_link.h"

#include <algorithm>

namespace dorvane {

TracingLink::TracingLink(SerialLink& inner, const EventLoop& clock) : inner_(inner), clock_(clock) {
    inner_.setDataHandler([this] { onInnerData(); });
    inner_.setFailureHandler([this] { notifyFailure(); });
}

TracingLink::~TracingLink() {
    inner_.setDataHandler({});
    inner_.setFailureHandler({});
}

void TracingLink::addObserver(LineObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void TracingLink::removeObserver(LineObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

std::size_t TracingLink::write(std::span<const std::uint8_t> bytes) {
    const std::size_t n = inner_.write(bytes);
    // Only what the driver took went out.
    if (n > 0) show(LineDirection::ToReceiver, bytes.first(std::min(n, bytes.size())));
    return n;
}

void TracingLink::onInnerData() {
    ReceiveQueue& from = inner_.receiveQueue();
    // Moves what fits into the engine's queue; what does not stays queued in
    // the inner link and follows once the engine has taken its bytes.
    for (int round = 0; round < 4; ++round) {
        std::vector<std::uint8_t> burst;
        burst.reserve(static_cast<std::size_t>(from.count()));
        std::uint8_t b = 0;
        while (queue_.freeSlots() > 0 && from.pop(b)) {
            queue_.push(b);
            burst.push_back(b);
        }
        if (!burst.empty()) show(LineDirection::FromReceiver, burst);
        notifyData();
        if (burst.empty() || from.empty() || queue_.freeSlots() == 0) break;
    }
}

void TracingLink::show(LineDirection direction, std::span<const std::uint8_t> bytes) {
    (direction == LineDirection::ToReceiver ? sent_ : received_) += bytes.size();
    const Millis at = clock_.now();
    for (LineObserver* o : observers_) o->onLineBytes(direction, bytes, at);
}

}  // namespace dorvane
