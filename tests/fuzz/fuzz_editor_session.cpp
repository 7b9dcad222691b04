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

#include "database/backup_blob.h"
#include "database/channel_data_document.h"
#include "database/channel_data_file.h"
#include "database/demo_data.h"
#include "database/integrity_check.h"
#include "database/receiver_database.h"
#include "editor/session_driver.h"

namespace {

using namespace dorvane;

std::filesystem::path demoFile() {
    const auto dir = std::filesystem::temp_directory_path() / ("fuzz_editor_session_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    return dir / "stbdata.irz";
}

void writeDemo(const std::filesystem::path& path) {
    auto db = std::make_unique<ReceiverDatabase>();
    fillDemoDatabase(*db);
    auto buffer = std::make_unique<ChannelDataBuffer>();
    if (packBackup(*db, *buffer, 53736) != PackResult::Ok) __builtin_trap();
    if (!writeChannelDataFile(*buffer, path).ok()) __builtin_trap();
}

bool passesCheck(const std::vector<std::uint8_t>& payload) {
    auto db = std::make_unique<ReceiverDatabase>();
    return unpackBackup(*db, payload) == UnpackResult::Ok && checkIntegrity(*db).empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool quiet = (setDiagnosticSink([](std::string_view) {}), true);
    static const std::filesystem::path path = demoFile();
    (void)quiet;
    writeDemo(path);  // a save of the last input changed it
    auto document = std::make_unique<ChannelDataDocument>();
    test::ScriptedQuestions questions;
    EditorSession session(*document, questions);
    if (!document->read(path).ok() || !session.open().ok()) __builtin_trap();
    const std::vector<std::uint8_t> start = test::packedBytes(session.database());

    std::size_t at = 0;
    test::SessionDriver driver(session, questions, [&](unsigned count) -> unsigned {
        if (at >= size) return 0;
        return data[at++] % count;
    });
    int steps = 0;
    while (at < size && steps++ < 60) {
        const std::size_t undo = session.history().undoDepth();
        const std::vector<std::uint8_t> before = test::packedBytes(session.database());
        const test::SessionStep step = driver.step();
        if (session.isMovePending()) session.cancelMove();
        if (session.isAddOpen()) session.dropAdd();
        const std::vector<std::uint8_t> after = test::packedBytes(session.database());
        if (!passesCheck(after)) __builtin_trap();
        const bool recorded = session.history().undoDepth() != undo;
        const bool renumbered = step == test::SessionStep::Save;
        if (!recorded && !renumbered && before != after) __builtin_trap();  // changed without an edit
        if (!driver.noOpEditChangesNothing()) __builtin_trap();
    }
    // Undo reaches the opened state, saves or not.
    while (session.history().canUndo()) session.undo();
    if (test::packedBytes(session.database()) != start) __builtin_trap();
    return 0;
}
