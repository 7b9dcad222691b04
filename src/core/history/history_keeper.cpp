#include "core/history/history_keeper.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_buffer.h"

namespace dorvane {

namespace {

HistoryKeeper& keeper() {
    static HistoryKeeper instance;
    return instance;
}

}  // namespace

void setHistoryKeeper(HistoryKeeper k) { keeper() = std::move(k); }

bool historyKeeperInstalled() { return static_cast<bool>(keeper()); }

void keepInHistory(const KeptList& list) noexcept {
    try {
        if (keeper()) keeper()(list);
    } catch (...) {
        // The history is a convenience; what called it goes on.
    }
}

void keepReceivedList(std::span<const std::uint8_t> bytes, const std::filesystem::path& target) noexcept {
    try {
        KeptList list;
        list.bytes = bytes;
        list.origin = "upload";
        std::error_code ec;
        list.source = std::filesystem::absolute(target, ec);
        keepInHistory(list);
    } catch (...) {
    }
}

void keepReplacedFile(const std::filesystem::path& target) noexcept {
    if (!historyKeeperInstalled()) return;
    try {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(target, ec)) return;
        if (std::filesystem::file_size(target, ec) > ChannelDataBuffer::kCapacity || ec) return;
        std::ifstream in(target, std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad() || !checkBackupBlob(bytes).ok()) return;
        KeptList list;
        list.bytes = bytes;
        list.origin = "replaced";
        list.source = std::filesystem::absolute(target, ec);
        keepInHistory(list);
    } catch (...) {
    }
}

}  // namespace dorvane
