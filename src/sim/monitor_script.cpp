#include "sim/monitor_script.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>

namespace brenmoor::sim {
namespace {

struct StateName {
    std::string_view name;
    uint8_t state;
};

constexpr std::array<StateName, 5> kStateNames{{
    {"ok", 0},
    {"abnormal", 1},
    {"error", 2},
    {"timeout", 3},
    {"hidden", 255},
}};

// The cycle a gateway without a script reports. Kept as script text so the
// documentation can show it as a script.
constexpr std::string_view kDefaultCycle = R"(# slave 5, holding registers from 16: three data bytes
ok        5  16  0a 0b 0c
# every exception text; 1 and 9 both read as code 1
abnormal  5  16  02
abnormal  5  16  01
abnormal  5  17  03
abnormal  5  18  04
abnormal  5  19  05
abnormal  5  20  06
abnormal  5  21  07
abnormal  5  22  08
abnormal  5  23  09
error     7  100 01 83 02
timeout   9  200
# answered, never shown
hidden    5  16  00
# a state the monitor drops without an answer: the gateway resends it
7         5  16
# the first four output bytes, as Send writes them
ok        3  0   out:4000:4
)";

std::optional<unsigned> parseNumber(std::string_view text, int base, unsigned max) {
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || ec != std::errc{} || ptr != end || value > max)
        return std::nullopt;
    return value;
}

std::optional<uint8_t> parseState(std::string_view text) {
    for (const auto& entry : kStateNames)
        if (entry.name == text)
            return entry.state;
    if (const auto value = parseNumber(text, 10, 255))
        return static_cast<uint8_t>(*value);
    return std::nullopt;
}

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// "0a", or "out:4000:4"; an empty string when the item is good, else why not.
std::string parseData(std::string_view text, ScriptData& item) {
    constexpr std::string_view kOutPrefix = "out:";
    if (text.substr(0, kOutPrefix.size()) != kOutPrefix) {
        if (text.size() != 2 || !isHexDigit(text[0]) || !isHexDigit(text[1]))
            return "data byte '" + std::string(text) + "' is not two hex digits";
        item.byte = static_cast<uint8_t>(*parseNumber(text, 16, 0xFF));
        return {};
    }
    const std::string_view rest = text.substr(kOutPrefix.size());
    const size_t colon = rest.find(':');
    const auto address = colon == std::string_view::npos
                             ? std::nullopt
                             : parseNumber(rest.substr(0, colon), 16, 0xFFFF);
    const auto count = colon == std::string_view::npos
                           ? std::nullopt
                           : parseNumber(rest.substr(colon + 1), 10, kMaxScriptDataBytes);
    if (!address || !count || *count == 0)
        return "'" + std::string(text) + "' is not out:ADDR:N";
    if (*address < kOutputAreaFirst || *address + *count - 1 > kOutputAreaLast)
        return "'" + std::string(text) + "' reaches outside the output area 4000-406F";
    item.fromOutput = true;
    item.address = static_cast<uint16_t>(*address);
    item.count = static_cast<uint8_t>(*count);
    return {};
}

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t' || line[at] == '\r'))
            ++at;
        size_t end = at;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r')
            ++end;
        if (end > at)
            out.push_back(line.substr(at, end - at));
        at = end;
    }
    return out;
}

// An empty string when the line is good (or blank), else why not.
std::string parseLine(std::string_view line, std::vector<ScriptRecord>& records) {
    line = line.substr(0, line.find('#'));
    const auto items = words(line);
    if (items.empty())
        return {};
    if (items.size() < 3)
        return "a record needs STATE SLAVE START";
    ScriptRecord record;
    const auto state = parseState(items[0]);
    if (!state)
        return "unknown state '" + std::string(items[0]) + "'";
    const auto slave = parseNumber(items[1], 10, 255);
    if (!slave)
        return "slave address '" + std::string(items[1]) + "' is not 0-255";
    const auto start = parseNumber(items[2], 10, 0xFFFF);
    if (!start)
        return "starting address '" + std::string(items[2]) + "' is not 0-65535";
    record.state = *state;
    record.slaveAddress = static_cast<uint8_t>(*slave);
    record.startingAddress = static_cast<uint16_t>(*start);
    for (size_t i = 3; i < items.size(); ++i) {
        ScriptData item;
        if (std::string why = parseData(items[i], item); !why.empty())
            return why;
        record.data.push_back(item);
    }
    if (record.dataSize() > kMaxScriptDataBytes)
        return "more than " + std::to_string(kMaxScriptDataBytes) + " data bytes";
    records.push_back(std::move(record));
    return {};
}

} // namespace

size_t ScriptRecord::dataSize() const {
    size_t size = 0;
    for (const auto& item : data)
        size += item.fromOutput ? item.count : 1;
    return size;
}

MonitorScript parseMonitorScript(std::string_view text) {
    MonitorScript script;
    size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (std::string why = parseLine(line, script.records); !why.empty()) {
            script.records.clear();
            script.error = "line " + std::to_string(lineNumber) + ": " + why;
            return script;
        }
    }
    if (script.records.empty())
        script.error = "the script holds no record";
    return script;
}

MonitorScript loadMonitorScript(const std::string& path) {
    MonitorScript script;
    // A folder opens as a file on some systems and reads as empty.
    std::error_code ec;
    std::ifstream in;
    if (!std::filesystem::is_directory(path, ec))
        in.open(path, std::ios::binary);
    if (!in.is_open()) {
        script.error = "cannot read " + path;
        return script;
    }
    std::string text;
    text.resize(kMaxScriptFileBytes + 1);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) {
        script.error = "cannot read " + path;
        return script;
    }
    text.resize(static_cast<size_t>(in.gcount()));
    if (text.size() > kMaxScriptFileBytes) {
        script.error = path + " is larger than " + std::to_string(kMaxScriptFileBytes) + " bytes";
        return script;
    }
    script = parseMonitorScript(text);
    if (!script.ok())
        script.error = path + ": " + script.error;
    return script;
}

MonitorScript defaultMonitorCycle() {
    return parseMonitorScript(kDefaultCycle);
}

std::string_view defaultMonitorCycleText() {
    return kDefaultCycle;
}

} // namespace brenmoor::sim
