#include "support/scripted_link.h"

namespace dorvane::test {

std::size_t ScriptedLink::write(std::span<const std::uint8_t> bytes) {
    if (!open_) return 0;
    writes.emplace_back(bytes.begin(), bytes.end());
    written.insert(written.end(), bytes.begin(), bytes.end());
    const std::size_t taken = (shortWriteOf != 0 && bytes.size() == shortWriteOf) ? bytes.size() - 1 : bytes.size();
    if (onWrite) onWrite(bytes);
    return taken;
}

void ScriptedLink::send(std::vector<std::uint8_t> bytes, Millis delay) {
    loop_.schedule(delay, [this, bytes = std::move(bytes)] {
        if (!open_) return;
        queue_.pushChunk(bytes);
        notifyData();
    });
}

void ScriptedLink::fail() {
    open_ = false;
    notifyFailure();
}

}  // namespace dorvane::test
