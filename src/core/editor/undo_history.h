#pragma once

#include "core/model/device_settings.h"
#include "core/model/parameter_store.h"
#include "core/model/project.h"

#include <cstddef>
#include <deque>

namespace brenmoor {

// What Undo and Redo bring back: the store, and the device settings because
// an upload may change the model flags along with the store. The marks are
// not part of it; they follow the document's own rules.
struct HistorySnapshot {
    ParameterStore store;
    DeviceSettings device;
};

// Undo and Redo over whole snapshots. The store is a few kilobytes of text,
// so keeping copies is simpler and safer than recording each kind of change
// with its inverse: every command that can change the configuration, now or
// later, is covered by calling checkpoint() after it.
class UndoHistory {
  public:
    // How many steps back Undo can go. The oldest step is dropped beyond it;
    // a hundred snapshots are well under a megabyte.
    static constexpr std::size_t kDefaultDepth = 100;

    explicit UndoHistory(std::size_t depth = kDefaultDepth);

    // Forgets every step: `project` is where the history starts (New, Open).
    void reset(const Project& project);

    // After a command that may have changed the configuration: when it did,
    // the state before it becomes one Undo step and Redo is emptied.
    // Returns true when a step was recorded. The first call after
    // construction only takes its starting point.
    bool checkpoint(const Project& project);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    std::size_t undoSteps() const { return undo_.size(); }
    std::size_t redoSteps() const { return redo_.size(); }

    // Put the previous / next state into the project and set its modified
    // mark. False (and nothing changed) when there is no such step. The
    // caller rebuilds what shows the store.
    bool undo(Project& project);
    bool redo(Project& project);

  private:
    static HistorySnapshot take(const Project& project);
    static void restore(Project& project, HistorySnapshot snapshot);

    std::size_t depth_;
    bool started_ = false;
    HistorySnapshot current_;
    std::deque<HistorySnapshot> undo_;
    std::deque<HistorySnapshot> redo_;
};

// True when the two states differ in something the user changed. A command's
// page copies its node's address and the subnet's check type into the
// command when it is shown; that copy is bookkeeping of the page, not an
// edit, and must not become a step of its own.
bool differsByEdit(const HistorySnapshot& before, const Project& after);

} // namespace brenmoor
