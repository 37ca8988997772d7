#pragma once

#include "core/export/csv_text.h"
#include "core/monitor/monitor_record.h"
#include "core/monitor/monitor_save_file.h"
#include "core/resources/outcome.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace brenmoor::monitor {

// One record of a monitor session as its log keeps it: when it came, its
// bytes and fields, how the program answered, and what it stands for.
struct LogEntry {
    int64_t wallMs = 0;    // calendar time of the read
    int64_t elapsedMs = 0; // since the session began
    std::span<const uint8_t> bytes;
    const MonitorRecord* record = nullptr;
    std::span<const uint8_t> answer; // empty: not answered
    bool listed = false;             // the dialog's list got a row for it
    std::string command;             // the command's name, "ambiguous" or "not in the project"
    std::string type;                // the value type of `value`
    std::string value;               // decoded data of a correct response
};

// The log as CSV (RFC 4180): a header row, then one row a record, CR LF
// line ends, fields quoted where they hold a comma, a quote or a line end.
// Columns: time, elapsed_ms, bytes, state, state_text, slave, start, count,
// data, answer, listed, command, type, value.
std::string csvHeader();
std::string csvRow(const LogEntry& entry);

// "continue", "write 4000: 00 01 02 03", or "none" for no answer.
std::string answerText(std::span<const uint8_t> answer);

// A CSV log file being written: replaced when opened, its header first,
// every row flushed as it comes, so a crash loses at most the row being
// written.
class CsvLogFile {
  public:
    Outcome open(const std::string& path);
    Outcome write(const LogEntry& entry);
    void close() { file_.close(); }

    bool isOpen() const { return file_.isOpen(); }
    const std::string& path() const { return file_.path(); }
    uint64_t bytesWritten() const { return written_; }

  private:
    Outcome append(std::string_view text);

    MonitorSaveFile file_;
    uint64_t written_ = 0;
};

} // namespace brenmoor::monitor
