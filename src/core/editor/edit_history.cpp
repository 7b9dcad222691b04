#include "core/editor/edit_history.h"

#include <utility>

namespace dorvane {

void EditHistory::recordEdit(std::unique_ptr<EditState> before) {
    if (!before) return;
    undo_.push_back({std::move(before), generation_});
    generation_ = next_++;
    redo_.clear();
    while (undo_.size() > limit_) undo_.pop_front();
}

void EditHistory::replaceLastBefore(std::unique_ptr<EditState> before) {
    if (!before) return;
    if (undo_.empty()) {
        recordEdit(std::move(before));
        return;
    }
    undo_.back().state = std::move(before);
}

bool EditHistory::step(std::deque<Entry>& from, std::deque<Entry>& to, EditState& current, std::uint64_t& generation) {
    if (from.empty()) return false;
    Entry entry = std::move(from.back());
    from.pop_back();
    // The current state goes to the other side under its own generation.
    std::swap(*entry.state, current);
    std::swap(entry.generation, generation);
    to.push_back(std::move(entry));
    return true;
}

bool EditHistory::undo(EditState& current) { return step(undo_, redo_, current, generation_); }

bool EditHistory::redo(EditState& current) { return step(redo_, undo_, current, generation_); }

void EditHistory::reset() {
    undo_.clear();
    redo_.clear();
    generation_ = 0;
    saved_ = 0;
}

}  // namespace dorvane
