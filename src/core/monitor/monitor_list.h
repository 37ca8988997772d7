#pragma once

#include "core/monitor/monitor_record.h"

#include <cstddef>
#include <vector>

namespace brenmoor::monitor {

// The rows the dialog lists, in arrival order. The list is the model a
// window or the command line shows; it only grows at the end.
class MonitorList {
  public:
    // Polling keeps the list short: a tick that finds more rows than this
    // empties it before anything is added, so it never holds more than 151
    // polled rows. Rows added by Send do not empty it.
    static constexpr size_t kMaxRowsBeforeEmptying = 150;

    const std::vector<MonitorRow>& rows() const { return rows_; }
    size_t size() const { return rows_.size(); }

    void append(MonitorRow row) { rows_.push_back(std::move(row)); }
    void clear() { rows_.clear(); }
    // The polling tick's rule; true when the list was emptied.
    bool emptyIfFull();

  private:
    std::vector<MonitorRow> rows_;
};

} // namespace brenmoor::monitor
