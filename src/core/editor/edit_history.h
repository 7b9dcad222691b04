#pragma once

#include <cstdint>
#include <deque>
#include <memory>

#include "core/database/blob_shape.h"
#include "core/database/receiver_database.h"

namespace dorvane {

// Everything an edit can change: the database, and what the document knows
// about bytes the file held that the database does not (an import that
// replaces the whole database clears that).
struct EditState {
    ReceiverDatabase database;
    BlobLosses losses;
};

// Undo and redo over whole states. Every edit hands over the state from
// before it; undo swaps the current state with the one before, redo the
// other way. Each state carries a generation number, so "not at the saved
// state" is one comparison, and undoing back to the saved state makes the
// document clean again.
class EditHistory {
public:
    explicit EditHistory(std::size_t limit = 100) : limit_(limit) {}

    // An edit was made; `before` is the state before it. Clears the redo
    // side. The oldest states go once more than `limit` are kept.
    void recordEdit(std::unique_ptr<EditState> before);
    // The last edit (just recorded) takes `before` as its earlier state, so
    // that two steps count as one edit (an add and its edit dialog).
    void replaceLastBefore(std::unique_ptr<EditState> before);
    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // Replaces `current` with the state before the last edit (or after the
    // last undone one); false when there is none.
    bool undo(EditState& current);
    bool redo(EditState& current);

    // The current state is the one on file.
    void markSaved() { saved_ = generation_; }
    bool atSavedState() const { return saved_ == generation_; }
    // Forgets every state (a fresh open); the current one counts as saved.
    void reset();

    std::size_t undoDepth() const { return undo_.size(); }
    std::size_t redoDepth() const { return redo_.size(); }

private:
    struct Entry {
        std::unique_ptr<EditState> state;
        std::uint64_t generation;
    };
    static bool step(std::deque<Entry>& from, std::deque<Entry>& to, EditState& current, std::uint64_t& generation);

    std::size_t limit_;
    std::deque<Entry> undo_;
    std::deque<Entry> redo_;
    std::uint64_t generation_ = 0;
    std::uint64_t next_ = 1;
    // No generation is 0 after the first edit, so a saved state that was
    // dropped from the history is never reached again by mistake.
    std::uint64_t saved_ = 0;
};

}  // namespace dorvane
