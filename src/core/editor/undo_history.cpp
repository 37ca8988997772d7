#include "core/editor/undo_history.h"

#include "core/model/derived_fields.h"

#include <utility>

namespace brenmoor {

bool differsByEdit(const HistorySnapshot& before, const Project& after) {
    return before.device != after.device || differsBeyondCopies(before.store, after.store);
}

UndoHistory::UndoHistory(std::size_t depth) : depth_(depth == 0 ? 1 : depth) {}

HistorySnapshot UndoHistory::take(const Project& project) {
    return HistorySnapshot{project.store, project.device};
}

void UndoHistory::restore(Project& project, HistorySnapshot snapshot) {
    project.store = std::move(snapshot.store);
    project.device = snapshot.device;
    // The restored state is not what the file on disk holds, or at least
    // nothing here can tell that it is.
    project.marks.modified = true;
}

void UndoHistory::reset(const Project& project) {
    undo_.clear();
    redo_.clear();
    current_ = take(project);
    started_ = true;
}

bool UndoHistory::checkpoint(const Project& project) {
    if (!started_) {
        reset(project);
        return false;
    }
    const bool edited = differsByEdit(current_, project);
    HistorySnapshot now = take(project);
    if (!edited) {
        // Keep the page's copies, so that an Undo does not bring back stale
        // ones.
        current_ = std::move(now);
        return false;
    }
    undo_.push_back(std::exchange(current_, std::move(now)));
    if (undo_.size() > depth_)
        undo_.pop_front();
    redo_.clear();
    return true;
}

bool UndoHistory::undo(Project& project) {
    // A change nobody recorded yet is the one to take back first.
    checkpoint(project);
    if (undo_.empty())
        return false;
    redo_.push_back(take(project));
    current_ = std::move(undo_.back());
    undo_.pop_back();
    restore(project, current_);
    return true;
}

bool UndoHistory::redo(Project& project) {
    checkpoint(project);
    if (redo_.empty())
        return false;
    undo_.push_back(take(project));
    if (undo_.size() > depth_)
        undo_.pop_front();
    current_ = std::move(redo_.back());
    redo_.pop_back();
    restore(project, current_);
    return true;
}

} // namespace brenmoor
