#include "core/monitor/session_log.h"

#include "core/monitor/monitor_answer.h"
#include "core/monitor/time_text.h"

#include <cstdio>
#include <iterator>

namespace brenmoor::monitor {
namespace {

constexpr std::string_view kColumns[] = {"time",   "elapsed_ms", "bytes", "state", "state_text",
                                         "slave",  "start",      "count", "data",  "answer",
                                         "listed", "command",    "type",  "value"};

// Bytes as the simulator's log and the list write them, without the list's
// trailing blank.
std::string bytesText(std::span<const uint8_t> bytes) {
    std::string text = hexBytesText(bytes);
    if (!text.empty())
        text.pop_back();
    return text;
}

} // namespace

std::string csvHeader() {
    return csvRecord(std::vector<std::string>(std::begin(kColumns), std::end(kColumns)));
}

std::string answerText(std::span<const uint8_t> answer) {
    if (answer.empty())
        return "none";
    if (answer.front() == kWriteRequestByte && answer.size() >= 4) {
        char address[8];
        std::snprintf(address, sizeof address, "%02x%02x", answer[1], answer[2]);
        return "write " + std::string(address) + ": " + bytesText(answer.subspan(4));
    }
    return "continue";
}

std::string csvRow(const LogEntry& entry) {
    const MonitorRecord& record = *entry.record;
    const auto row = rowFor(record);
    return csvRecord({
        wallTimeText(entry.wallMs),
        std::to_string(entry.elapsedMs),
        bytesText(entry.bytes),
        std::to_string(record.state),
        std::string(stateText(record.state)),
        std::to_string(record.slaveAddress),
        std::to_string(record.startingAddress),
        std::to_string(record.dataCount),
        // What the list shows, or the bytes for a record it never shows.
        row ? row->data : hexBytesText(record.data),
        answerText(entry.answer),
        entry.listed ? "yes" : "no",
        entry.command,
        entry.type,
        entry.value,
    });
}

Outcome CsvLogFile::open(const std::string& path) {
    written_ = 0;
    if (Outcome opened = file_.open(path); !opened)
        return opened;
    return append(csvHeader());
}

Outcome CsvLogFile::write(const LogEntry& entry) {
    return append(csvRow(entry));
}

Outcome CsvLogFile::append(std::string_view text) {
    Outcome written = file_.write(text);
    if (written)
        written_ += text.size();
    return written;
}

} // namespace brenmoor::monitor
