#include "core/monitor/monitor_statistics.h"

#include <numeric>

namespace brenmoor::monitor {
namespace {

uint32_t keyOf(uint8_t slave, uint16_t start) {
    return uint32_t{slave} << 16 | start;
}

CommandMatch matchOfEntry(const ProjectCommands& commands, const CommandStatistics& entry) {
    const auto candidates = commands.candidates(entry.slave, entry.start);
    if (candidates.empty())
        return CommandMatch::none();
    if (candidates.size() == 1)
        return CommandMatch::of(candidates.front());
    if (entry.settled && !entry.settleConflict)
        return CommandMatch::of(*entry.settled);
    return CommandMatch::ambiguous();
}

} // namespace

uint64_t CommandStatistics::total() const {
    return std::accumulate(states.begin(), states.end(), uint64_t{0});
}

uint64_t CommandStatistics::failures() const {
    return states[kStateAbnormal] + states[kStateError] + states[kStateTimeout];
}

double CommandStatistics::failureShare() const {
    const uint64_t all = total();
    return all == 0 ? 0.0 : static_cast<double>(failures()) / static_cast<double>(all);
}

std::optional<size_t> MonitorStatistics::count(const MonitorRecord& record, int64_t wallMs) {
    ++records_;
    const RecordKind kind = recordKind(record.state);
    if (kind == RecordKind::Hidden) {
        ++hidden_;
        return std::nullopt;
    }
    if (kind == RecordKind::Invalid) {
        ++unknownState_;
        return std::nullopt;
    }
    const uint32_t key = keyOf(record.slaveAddress, record.startingAddress);
    auto found = index_.find(key);
    if (found == index_.end()) {
        if (entries_.size() >= kMaxEntries)
            return std::nullopt;
        CommandStatistics& fresh = entries_.emplace_back();
        fresh.slave = record.slaveAddress;
        fresh.start = record.startingAddress;
        fresh.firstWallMs = wallMs;
        found = index_.emplace(key, entries_.size() - 1).first;
    }
    CommandStatistics& entry = entries_[found->second];
    ++entry.states[record.state];
    entry.lastWallMs = wallMs;
    if (record.state == kStateAbnormal && !record.data.empty())
        ++entry.exceptions[record.data.front()];
    if (record.state == kStateCorrect) {
        entry.answered = true;
        entry.lastData = record.data;
        const auto candidates = commands_.candidates(entry.slave, entry.start);
        if (candidates.size() > 1) {
            const auto settled = commands_.settle(candidates, record.data.size());
            if (!settled || (entry.settled && entry.settled != settled))
                entry.settleConflict = true;
            else
                entry.settled = settled;
        }
    }
    entry.match = matchOfEntry(commands_, entry);
    return found->second;
}

CommandMatch MonitorStatistics::matchOf(const MonitorRecord& record,
                                        std::optional<size_t> entry) const {
    if (record.state == kStateCorrect) {
        const auto candidates = commands_.candidates(record.slaveAddress, record.startingAddress);
        if (candidates.size() > 1) {
            const auto settled = commands_.settle(candidates, record.data.size());
            return settled ? CommandMatch::of(*settled) : CommandMatch::ambiguous();
        }
    }
    if (entry)
        return entries_[*entry].match;
    const auto candidates = commands_.candidates(record.slaveAddress, record.startingAddress);
    if (candidates.empty())
        return CommandMatch::none();
    return candidates.size() == 1 ? CommandMatch::of(candidates.front())
                                  : CommandMatch::ambiguous();
}

void MonitorStatistics::reset() {
    entries_.clear();
    index_.clear();
    records_ = hidden_ = unknownState_ = 0;
}

} // namespace brenmoor::monitor
