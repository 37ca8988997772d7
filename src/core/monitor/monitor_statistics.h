#pragma once

#include "core/monitor/command_match.h"
#include "core/monitor/monitor_record.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

namespace brenmoor::monitor {

// The health of one slave and starting address over a monitor session:
// how its records came back, and the data of its last correct response.
struct CommandStatistics {
    uint8_t slave = 0;
    uint16_t start = 0;
    CommandMatch match = CommandMatch::none();
    std::array<uint64_t, 4> states{};       // records of states 0 to 3
    std::map<uint8_t, uint64_t> exceptions; // abnormal responses by exception code
    int64_t firstWallMs = 0;
    int64_t lastWallMs = 0;
    bool answered = false;         // a correct response came
    std::vector<uint8_t> lastData; // of the last correct response

    uint64_t total() const;
    uint64_t failures() const; // abnormal, error and timeout
    // Failures over all records, 0 to 1; 0 before the first record.
    double failureShare() const;
    bool failing() const { return failures() > 0; }

    // How the project's candidates were told apart so far: the command the
    // data counts of correct responses pointed to, unless they disagreed.
    std::optional<size_t> settled;
    bool settleConflict = false;
};

// Statistics per slave and starting address, in the order they first
// appeared, over the records of states 0 to 3; hidden records and unknown
// states are counted as totals only.
class MonitorStatistics {
  public:
    // Past this many pairs a session's new pairs are counted in the totals
    // only: a gateway reports at most 48 commands, so only a garbled line
    // gets there, and memory must not grow with it.
    static constexpr size_t kMaxEntries = 4096;

    explicit MonitorStatistics(const ProjectCommands& commands) : commands_(commands) {}

    // Counts a record; the entry it went to, if any.
    std::optional<size_t> count(const MonitorRecord& record, int64_t wallMs);
    // What the record stands for in the project, after count().
    CommandMatch matchOf(const MonitorRecord& record, std::optional<size_t> entry) const;

    const std::vector<CommandStatistics>& entries() const { return entries_; }
    uint64_t records() const { return records_; }
    uint64_t hidden() const { return hidden_; }
    uint64_t unknownState() const { return unknownState_; }

    // Starts counting afresh.
    void reset();

  private:
    const ProjectCommands& commands_;
    std::vector<CommandStatistics> entries_;
    std::unordered_map<uint32_t, size_t> index_;
    uint64_t records_ = 0;
    uint64_t hidden_ = 0;
    uint64_t unknownState_ = 0;
};

} // namespace brenmoor::monitor
