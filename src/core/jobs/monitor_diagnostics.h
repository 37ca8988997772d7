#pragma once

#include "core/jobs/monitor_driver.h"
#include "core/monitor/command_match.h"
#include "core/monitor/monitor_statistics.h"
#include "core/monitor/session_log.h"
#include "core/monitor/value_format.h"
#include "core/monitor/value_history.h"
#include "core/serial/clock.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace brenmoor::monitor {

// The monitor as a diagnostic instrument, for the window and the command
// line alike: it watches the driver and keeps, for the whole session, a log
// of every record (streamed to a file, so memory stays flat), statistics
// per slave and starting address matched to the project's commands,
// decoded values and their history for a plot. Times come from the clock:
// milliseconds since the session began (the observer's construction), and
// the calendar time then plus those milliseconds, so the log's times never
// go backwards whatever the calendar clock does.
class MonitorDiagnostics : public MonitorObserver {
  public:
    // `historyCapacity` responses are kept for a plot; 0 for a front end
    // that draws none (the command line), so its memory does not grow.
    MonitorDiagnostics(Clock& clock, ProjectCommands commands,
                       size_t historyCapacity = ValueHistory::kCapacity);
    MonitorDiagnostics(const MonitorDiagnostics&) = delete;
    MonitorDiagnostics& operator=(const MonitorDiagnostics&) = delete;

    // Streams the log to `path`, replacing it, from now on.
    Outcome logTo(const std::string& path);
    // Streams it to a new session log in `folder` (created when missing),
    // opened with the first record so an idle session leaves no file; older
    // session logs are removed past `capBytes` together, then and as this
    // one grows.
    void logToFolder(const std::filesystem::path& folder, uint64_t capBytes);
    // The log's file ("" when none), and why it stopped when it failed.
    const std::string& logPath() const { return logPath_; }
    const Outcome& logState() const { return logState_; }
    // "Export log...": the session's log as it stands into `path`
    // (replaced); only its header while no record came.
    Outcome exportLog(const std::string& path) const;

    void observe(std::span<const uint8_t> bytes, const MonitorStep& step, int64_t nowMs) override;
    // Called after every observed read, for a front end to show the change.
    void setListener(std::function<void()> listener) { listener_ = std::move(listener); }

    // The statistics panel's columns, the answers to "does it fail, and what
    // comes back" first: slave, start, command, failures ("25.0 %"), last
    // value, type, correct, abnormal, exceptions ("02: 3, 04: 1"), errors,
    // timeouts, last seen (time of day).
    static constexpr size_t kStatisticsColumns = 12;
    std::array<std::string, kStatisticsColumns>
    statisticsCells(const CommandStatistics& entry) const;

    const ProjectCommands& commands() const { return commands_; }
    const MonitorStatistics& statistics() const { return statistics_; }
    void resetStatistics() { statistics_.reset(); }

    // How a slave and starting address's data is read: the user's choice,
    // else its command's default, else 16-bit words. Choices outlive a reset.
    ValueFormat formatOf(uint8_t slave, uint16_t start) const;
    void chooseFormat(uint8_t slave, uint16_t start, const ValueFormat& format);
    // The last correct response's data, decoded; "" before one came.
    std::string lastValueText(const CommandStatistics& entry) const;
    std::string commandText(const CommandStatistics& entry) const;

    const ValueHistory& history() const { return history_; }
    // A sample's first values under its pair's format, for the plot.
    std::vector<double> plotValues(const ValueHistory::Sample& sample, size_t max) const;

    int64_t sessionStartWallMs() const { return startWallMs_; }
    int64_t elapsedMs() const { return clock_.now() - startMs_; }

    // The statistics as --stats writes them.
    std::string statisticsJson() const;

  private:
    std::optional<int> bitCountOf(const CommandMatch& match) const;
    void log(const LogEntry& entry);
    bool openPendingLog();

    Clock& clock_;
    ProjectCommands commands_;
    MonitorStatistics statistics_;
    ValueHistory history_;
    std::map<uint32_t, ValueFormat> chosen_;
    int64_t startMs_;
    int64_t startWallMs_;

    CsvLogFile log_;
    std::string logPath_;
    Outcome logState_;
    std::optional<std::filesystem::path> folder_; // a session log not opened yet
    uint64_t capBytes_ = 0;
    uint64_t prunedAt_ = 0; // the log's size when the folder was last pruned
    std::function<void()> listener_;
};

} // namespace brenmoor::monitor
