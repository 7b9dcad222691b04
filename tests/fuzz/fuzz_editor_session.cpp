// Drives an editor session on the demo database with operations chosen by
// the input bytes (the same operations as the property test). Every state
// must pass the check before saving, a failed or cancelled operation must
// change nothing, and undo back to the start must give the opened payload
// byte for byte.
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include <unistd.h>

#include "core/database/backup_blob.h"
#include "core/database/channel_data_document.h"
#include "core/database/demo_data.h"
#include "core/database/integrity_check.h"
#include "core/database/receiver_database.h"
#include "editor/session_driver.h"

namespace {

using namespace dorvane;

std::filesystem::path demoFile() {
    const auto dir = std::filesystem::temp_directory_path() / ("fuzz_editor_session_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return dir / "stbdata.irz";
}

const ChannelDataBuffer& demoBlob() {
    static const ChannelDataBuffer* blob = [] {
        auto db = std::make_unique<ReceiverDatabase>();
        fillDemoDatabase(*db);
        auto* buffer = new ChannelDataBuffer();
        if (packBackup(*db, *buffer, 53736) != PackResult::Ok) __builtin_trap();
        return buffer;
    }();
    return *blob;
}

// The tables a file stores (channels with their transponder and satellite).
bool sameTables(const ReceiverDatabase& a, const ReceiverDatabase& b) {
    for (int s = 0; s < kSatelliteSlots; ++s) {
        if (std::memcmp(&a.satellite(s), &b.satellite(s), sizeof(SatelliteRecord)) != 0) return false;
        if (a.orderEntry(s) != b.orderEntry(s)) return false;
    }
    for (int t = 0; t < kTransponderSlots; ++t) {
        if (std::memcmp(&a.transponder(t), &b.transponder(t), sizeof(TransponderRecord)) != 0) return false;
    }
    for (int n = 0; n < kChannelSlots; ++n) {
        if (std::memcmp(&a.channel(n), &b.channel(n), kChannelCommonSize + 3) != 0) return false;
    }
    for (int g = 0; g < kFavoriteGroups; ++g) {
        for (int s = 0; s < kGroupSlots; ++s) {
            if (a.groupSlot(g, s) != b.groupSlot(g, s)) return false;
        }
    }
    return std::memcmp(a.groupNameBytes().data(), b.groupNameBytes().data(), a.groupNameBytes().size()) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path path = demoFile();
    auto document = std::make_unique<ChannelDataDocument>();
    document->setPath(path);
    const ChannelDataBuffer& blob = demoBlob();
    std::memcpy(document->buffer().data(), blob.data(), blob.length());
    document->buffer().setLength(blob.length());
    test::ScriptedQuestions questions;
    EditorSession session(*document, questions);
    if (!session.open().ok()) __builtin_trap();
    const auto start = std::make_unique<ReceiverDatabase>(session.database());

    std::size_t at = 0;
    test::SessionDriver driver(session, questions, [&](unsigned count) -> unsigned {
        if (at >= size) return 0;
        return data[at++] % count;
    });
    // The second file the copy steps take records from.
    static const std::unique_ptr<ReceiverDatabase> second = [] {
        auto db = std::make_unique<ReceiverDatabase>();
        fillFullDatabase(*db, 31);
        return db;
    }();
    driver.setCopySource(second.get());
    int steps = 0;
    auto before = std::make_unique<ReceiverDatabase>();
    while (at < size && steps++ < 40) {
        const std::size_t undo = session.history().undoDepth();
        *before = session.database();
        const test::SessionStep step = driver.step();
        if (session.isMovePending()) session.cancelMove();
        if (session.isAddOpen()) session.dropAdd();
        if (!checkIntegrity(session.database()).empty()) __builtin_trap();
        const bool recorded = session.history().undoDepth() != undo;
        const bool renumbered = step == test::SessionStep::Save;
        if (!recorded && !renumbered && !sameTables(*before, session.database())) __builtin_trap();
        if (steps % 8 == 0 && !driver.noOpEditChangesNothing()) __builtin_trap();
    }
    // Undo reaches the opened state, saves or not.
    while (session.history().canUndo()) session.undo();
    if (!sameTables(*start, session.database())) __builtin_trap();
    return 0;
}
