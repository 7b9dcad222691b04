#pragma once

// The session property test's fixture: long random sequences of session
// operations on the demo and the full database. After every step: the
// packed state passes the check before saving; a step that records no edit
// changes no byte; undo and redo walk the same states; a no-op edit changes
// nothing. At the end of each stretch: undo back to its start gives its
// payload byte for byte, redo gives the same states again, and after save
// and reopen the session equals the file. The core's test drives it with
// the driver's own import step, the exchange's test with real JSON and CSV
// imports.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <vector>

#include "core/database/channel_data_document.h"
#include "core/database/receiver_database.h"
#include "editor/session_driver.h"
#include "support/temp_dir.h"

namespace dorvane::test {

// The channels in use.
int channelCount(const ReceiverDatabase& db);

// The check's findings on a payload, one a line ("" when it passes).
std::string findingsText(const std::vector<std::uint8_t>& payload);

class SessionPropertyTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override;

    // Stretches of random steps, each walked back and forth, saved and
    // reopened; then checks that they edited and saved.
    void runSequences(SessionDriver& driver);
    // One stretch of steps from a fresh open.
    void runStretch(SessionDriver& driver, int steps);
    void checkStep(SessionStep step, std::size_t undoBefore, std::size_t redoBefore);
    void walkBackAndForth();
    void saveAndReopen();
    // After an edit that made the list too big to pack: Save says so and
    // leaves the file as it was; the next stretch starts from the original.
    void refuseToSaveWhatDoesNotFit();
    // Opens the file the test started with again, as the next day's work.
    void reopenOriginal();

    TempDir dir_;
    std::filesystem::path path_;
    ChannelDataDocument document_;
    ScriptedQuestions questions_;
    EditorSession session_{document_, questions_};
    bool full_ = false;
    std::vector<std::uint8_t> original_;  // the file at the start
    int originalChannels_ = 0;
    // The payload at each undo depth of the current branch.
    std::vector<std::vector<std::uint8_t>> timeline_;
    int edits_ = 0;
    int saves_ = 0;
    int copies_ = 0;
    int cleanUps_ = 0;
    int overflows_ = 0;
    int stepsRun_ = 0;
    bool overflowed_ = false;
    // A second file to copy from: another full list.
    std::unique_ptr<ReceiverDatabase> copySource_;
    // Every this many steps an import, besides the random ones (0: none).
    int importEvery_ = 0;
};

}  // namespace dorvane::test
