#include "core/jobs/monitor_diagnostics.h"

#include "core/model/file_io.h"
#include "core/monitor/log_folder.h"
#include "core/monitor/record_framing.h"
#include "core/monitor/statistics_json.h"
#include "core/monitor/time_text.h"
#include "core/resources/messages_monitor_diagnostics.h"
#include "core/resources/string_table.h"

#include <cstdio>
#include <utility>

namespace brenmoor::monitor {
namespace {

// The session log's folder is pruned again each time the log grew by this
// much, so that a monitor left running for days stays near the cap.
constexpr uint64_t kPruneStepBytes = 1 << 20;

} // namespace

MonitorDiagnostics::MonitorDiagnostics(Clock& clock, ProjectCommands commands,
                                       size_t historyCapacity)
    : clock_(clock), commands_(std::move(commands)), statistics_(commands_),
      history_(historyCapacity), startMs_(clock.now()), startWallMs_(clock.wallClockMs()) {}

Outcome MonitorDiagnostics::logTo(const std::string& path) {
    folder_.reset();
    logPath_ = path;
    logState_ = log_.open(path);
    return logState_;
}

void MonitorDiagnostics::logToFolder(const std::filesystem::path& folder, uint64_t capBytes) {
    folder_ = folder;
    capBytes_ = capBytes;
    logPath_ = (folder / sessionLogName(startWallMs_)).string();
    logState_ = Outcome::success();
}

bool MonitorDiagnostics::openPendingLog() {
    if (!folder_)
        return log_.isOpen();
    const std::filesystem::path folder = *std::exchange(folder_, std::nullopt);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    pruneSessionLogs(folder, capBytes_, logPath_);
    logState_ = log_.open(logPath_);
    return logState_.ok();
}

Outcome MonitorDiagnostics::exportLog(const std::string& path) const {
    const auto failed = [&path] {
        return Outcome::failure(msg::LogExportFailed, formatMessage(msg::LogExportFailed, path));
    };
    if (log_.isOpen()) {
        // Exported onto itself, the log is already where it was asked to be.
        if (samePath(log_.path(), path).value_or(false))
            return Outcome::success();
        return copyFileAtomically(log_.path(), path) ? Outcome::success() : failed();
    }
    const std::string header = csvHeader();
    const Outcome written = writeFileAtomically(
        path, std::span(reinterpret_cast<const uint8_t*>(header.data()), header.size()));
    return written ? Outcome::success() : failed();
}

void MonitorDiagnostics::log(const LogEntry& entry) {
    if (!logState_ || !openPendingLog())
        return;
    logState_ = log_.write(entry);
    if (capBytes_ > 0 && log_.bytesWritten() - prunedAt_ >= kPruneStepBytes) {
        prunedAt_ = log_.bytesWritten();
        const std::filesystem::path path(logPath_);
        pruneSessionLogs(path.parent_path(), capBytes_, path);
    }
}

void MonitorDiagnostics::observe(std::span<const uint8_t> bytes, const MonitorStep& step,
                                 int64_t nowMs) {
    const int64_t elapsed = nowMs - startMs_;
    const int64_t wall = startWallMs_ + elapsed;
    bool first = true;
    for (const auto piece : splitRecords(bytes)) {
        const auto record = decodeRecord(piece);
        const auto entry = statistics_.count(*record, wall);
        const CommandMatch match = statistics_.matchOf(*record, entry);

        LogEntry line;
        line.wallMs = wall;
        line.elapsedMs = elapsed;
        line.bytes = piece;
        line.record = &*record;
        // The session answered and listed the read by its first record.
        if (first) {
            line.answer = step.answer;
            line.listed = step.shownRow.has_value();
        }
        line.command = match.text(commands_);
        if (record->state == kStateCorrect) {
            const ValueFormat format = formatOf(record->slaveAddress, record->startingAddress);
            line.type = formatName(format);
            line.value = decodeValues(record->data, format, bitCountOf(match));
            history_.add(ValueHistory::keyOf(record->slaveAddress, record->startingAddress),
                         elapsed, record->data);
        }
        log(line);
        first = false;
    }
    if (listener_)
        listener_();
}

ValueFormat MonitorDiagnostics::formatOf(uint8_t slave, uint16_t start) const {
    if (const auto found = chosen_.find(ValueHistory::keyOf(slave, start)); found != chosen_.end())
        return found->second;
    const auto candidates = commands_.candidates(slave, start);
    // Several commands at one address: the first one's reading until the
    // user says otherwise.
    if (!candidates.empty())
        return commands_.commands()[candidates.front()].format;
    return ValueFormat{};
}

void MonitorDiagnostics::chooseFormat(uint8_t slave, uint16_t start, const ValueFormat& format) {
    chosen_[ValueHistory::keyOf(slave, start)] = format;
}

std::optional<int> MonitorDiagnostics::bitCountOf(const CommandMatch& match) const {
    if (!match.matched())
        return std::nullopt;
    return commands_.commands()[match.index()].bitCount;
}

std::string MonitorDiagnostics::lastValueText(const CommandStatistics& entry) const {
    if (!entry.answered)
        return {};
    return decodeValues(entry.lastData, formatOf(entry.slave, entry.start),
                        bitCountOf(entry.match));
}

std::string MonitorDiagnostics::commandText(const CommandStatistics& entry) const {
    return entry.match.text(commands_);
}

std::vector<double> MonitorDiagnostics::plotValues(const ValueHistory::Sample& sample,
                                                   size_t max) const {
    return numericValues(sample.bytes(),
                         formatOf(static_cast<uint8_t>(sample.key >> 16),
                                  static_cast<uint16_t>(sample.key & 0xFFFF)),
                         max);
}

std::array<std::string, MonitorDiagnostics::kStatisticsColumns>
MonitorDiagnostics::statisticsCells(const CommandStatistics& entry) const {
    std::string exceptions;
    for (const auto& [code, count] : entry.exceptions) {
        char text[32];
        std::snprintf(text, sizeof text, "%s%02u: %llu", exceptions.empty() ? "" : ", ",
                      unsigned{code}, static_cast<unsigned long long>(count));
        exceptions += text;
    }
    char share[16];
    std::snprintf(share, sizeof share, "%.1f %%", entry.failureShare() * 100.0);
    // The day is the session's; the time of day tells records apart.
    const std::string lastSeen = wallTimeText(entry.lastWallMs).substr(11);
    return {std::to_string(entry.slave),
            std::to_string(entry.start),
            commandText(entry),
            share,
            lastValueText(entry),
            formatName(formatOf(entry.slave, entry.start)),
            std::to_string(entry.states[kStateCorrect]),
            std::to_string(entry.states[kStateAbnormal]),
            exceptions,
            std::to_string(entry.states[kStateError]),
            std::to_string(entry.states[kStateTimeout]),
            lastSeen};
}

std::string MonitorDiagnostics::statisticsJson() const {
    return monitor::statisticsJson(statistics_, commands_, [this](const CommandStatistics& entry) {
        return lastValueText(entry);
    });
}

} // namespace brenmoor::monitor
