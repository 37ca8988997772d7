#include "core/monitor/session_log.h"

#include "core/monitor/monitor_answer.h"
#include "core/monitor/time_text.h"

#include <cstdio>
#include <iterator>

namespace brenmoor::monitor {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

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

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

std::string csvHeader() {
    std::string line;
    for (const std::string_view column : kColumns) {
        if (!line.empty())
            line += ',';
        line += column;
    }
    line += kLineEnd;
    return line;
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
    const std::string fields[] = {
        wallTimeText(entry.wallMs),
        std::to_string(entry.elapsedMs),
        bytesText(entry.bytes),
        std::to_string(record.state),
        csvField(stateText(record.state)),
        std::to_string(record.slaveAddress),
        std::to_string(record.startingAddress),
        std::to_string(record.dataCount),
        // What the list shows, or the bytes for a record it never shows.
        csvField(row ? row->data : hexBytesText(record.data)),
        answerText(entry.answer),
        entry.listed ? "yes" : "no",
        csvField(entry.command),
        csvField(entry.type),
        csvField(entry.value),
    };
    std::string line;
    for (size_t i = 0; i < std::size(fields); ++i) {
        if (i > 0)
            line += ',';
        line += fields[i];
    }
    line += kLineEnd;
    return line;
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
