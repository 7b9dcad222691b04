#pragma once

// Drives an EditorSession the way an operator does, one operation at a time,
// with the choices taken from a source of numbers (a random generator in the
// property test, the input bytes in the fuzz target). The edits it makes keep
// the data valid as a careful operator would (new service ids and
// frequencies are unique), so that every state passes the check before
// saving.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/editor/editor_session.h"

namespace dorvane {
class ReceiverDatabase;
}

namespace dorvane::test {

// Answers the session's questions as scripted and keeps what it was asked
// and told.
class ScriptedQuestions : public SessionQuestions {
public:
    bool answer = true;
    int choice = 0;  // the button chosen in choose()
    SaveChoice saveChoice = SaveChoice::Save;
    std::vector<std::string> asked;
    std::vector<std::string> told;

    bool confirm(const std::string& text) override;
    bool ask(const std::string& text, const std::string& yes, const std::string& no) override;
    SaveChoice askToSave(const std::string& text) override;
    void tell(const std::string& text, bool warning) override;
    int choose(const std::string& text, const std::vector<std::string>& buttons) override;
};

// A number below `count` (0 when count is 0).
using Pick = std::function<unsigned(unsigned count)>;

// An import in place of the driver's own (which changes names in place and
// refuses one time in three): it imports something into the session, with
// its choices taken from `pick`.
using ImportStep = std::function<void(EditorSession& session, const Pick& pick)>;

enum class SessionStep {
    Choice,
    Select,
    Search,
    EditChannel,
    EditTransponder,
    EditSatellite,
    Add,
    Delete,
    Move,
    Favourite,
    Rename,
    Undo,
    Redo,
    Save,
    Import,
    CopyFromFile,
    CleanUp,
    Order,
    Count
};

class SessionDriver {
public:
    SessionDriver(EditorSession& session, ScriptedQuestions& questions, Pick pick)
        : session_(session), questions_(questions), pick_(std::move(pick)) {}
    // The second file the copy steps take records from; none: they do
    // nothing.
    void setCopySource(const ReceiverDatabase* source) { copySource_ = source; }

    // One operation; `step` chooses which (the source chooses otherwise).
    SessionStep step();
    void step(SessionStep which);
    // Edits a random record with its own bytes; false when that changed
    // anything (history, dirty state or data).
    bool noOpEditChangesNothing();
    void setImportStep(ImportStep importStep) { importStep_ = std::move(importStep); }

private:
    unsigned pick(unsigned count) { return count == 0 ? 0 : pick_(count) % count; }
    int pickOf(const std::vector<int>& ids) { return ids.empty() ? -1 : ids[pick(static_cast<unsigned>(ids.size()))]; }
    std::vector<int> someOf(const std::vector<int>& ids);
    void choose();
    void select();
    void search();
    void findSomething();
    void editChannel();
    void editTransponder();
    void editSatellite();
    void add();
    void remove();
    void move();
    void favourite();
    void rename();
    void import();
    void copyFromFile();
    void cleanUp();
    void order();
    void applyReference();
    std::uint16_t uniqueServiceId();
    std::uint16_t freeFrequency(int satellite, int polarisation);

    EditorSession& session_;
    ScriptedQuestions& questions_;
    Pick pick_;
    unsigned serial_ = 0;
    const ReceiverDatabase* copySource_ = nullptr;
    ImportStep importStep_;
};

// The database packed with a fixed date: equal bytes for equal states.
std::vector<std::uint8_t> packedBytes(const ReceiverDatabase& db);

}  // namespace dorvane::test
