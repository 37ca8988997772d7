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

std::optional<int> parseSigned(std::string_view text, int min, int max) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (text.empty() || ec != std::errc{} || ptr != end || value < min || value > max)
        return std::nullopt;
    return value;
}

// The parts of "name:a:b" after the name; nothing when the count differs.
std::optional<std::vector<std::string_view>> fieldsAfter(std::string_view text, size_t count) {
    std::vector<std::string_view> fields;
    size_t at = text.find(':');
    while (at != std::string_view::npos) {
        const size_t next = text.find(':', at + 1);
        fields.push_back(
            text.substr(at + 1, next == std::string_view::npos ? next : next - at - 1));
        at = next;
    }
    if (fields.size() != count)
        return std::nullopt;
    return fields;
}

std::string notOfForm(std::string_view text, std::string_view form) {
    return "'" + std::string(text) + "' is not " + std::string(form);
}

// "0a", "out:4000:4", "inc:0000:1", "sine:1000:20", "rand:4"; an empty
// string when the item is good, else why not.
std::string parseData(std::string_view text, ScriptData& item) {
    const std::string_view name = text.substr(0, text.find(':'));
    if (name == "out") {
        const auto f = fieldsAfter(text, 2);
        const auto address = f ? parseNumber((*f)[0], 16, 0xFFFF) : std::nullopt;
        const auto count = f ? parseNumber((*f)[1], 10, kMaxScriptDataBytes) : std::nullopt;
        if (!address || !count || *count == 0)
            return notOfForm(text, "out:ADDR:N");
        if (*address < kOutputAreaFirst || *address + *count - 1 > kOutputAreaLast)
            return "'" + std::string(text) + "' reaches outside the output area 4000-406F";
        item.kind = ScriptData::Kind::Output;
        item.fromOutput = true;
        item.address = static_cast<uint16_t>(*address);
        item.count = static_cast<uint8_t>(*count);
        return {};
    }
    if (name == "inc") {
        const auto f = fieldsAfter(text, 2);
        const auto first =
            f && (*f)[0].size() <= 4 ? parseNumber((*f)[0], 16, 0xFFFF) : std::nullopt;
        const auto step = f ? parseSigned((*f)[1], -65535, 65535) : std::nullopt;
        if (!first || !step)
            return notOfForm(text, "inc:HHHH:STEP");
        item.kind = ScriptData::Kind::Counter;
        item.first = static_cast<uint16_t>(*first);
        item.step = *step;
        return {};
    }
    if (name == "sine") {
        const auto f = fieldsAfter(text, 2);
        const auto amplitude = f ? parseNumber((*f)[0], 10, 32767) : std::nullopt;
        const auto period = f ? parseNumber((*f)[1], 10, 1000000) : std::nullopt;
        if (!amplitude || !period || *period == 0)
            return notOfForm(text, "sine:AMP:PERIOD");
        item.kind = ScriptData::Kind::Sine;
        item.amplitude = static_cast<int32_t>(*amplitude);
        item.period = *period;
        return {};
    }
    if (name == "rand") {
        const auto f = fieldsAfter(text, 1);
        const auto count = f ? parseNumber((*f)[0], 10, kMaxScriptDataBytes) : std::nullopt;
        if (!count || *count == 0)
            return notOfForm(text, "rand:N");
        item.kind = ScriptData::Kind::Random;
        item.count = static_cast<uint8_t>(*count);
        return {};
    }
    if (text.size() != 2 || !isHexDigit(text[0]) || !isHexDigit(text[1]))
        return "data byte '" + std::string(text) + "' is not two hex digits";
    item.byte = static_cast<uint8_t>(*parseNumber(text, 16, 0xFF));
    return {};
}

// "ok", "7", "ok/ok/abnormal:02/timeout".
std::optional<std::vector<ScriptState>> parsePattern(std::string_view text, std::string_view& bad) {
    std::vector<ScriptState> states;
    size_t at = 0;
    while (at <= text.size()) {
        const size_t slash = text.find('/', at);
        const std::string_view one =
            text.substr(at, slash == std::string_view::npos ? slash : slash - at);
        ScriptState state;
        const size_t colon = one.find(':');
        const auto code = colon == std::string_view::npos
                              ? std::optional<unsigned>{}
                              : parseNumber(one.substr(colon + 1), 16, 0xFF);
        const auto value = parseState(one.substr(0, colon));
        if (!value || (colon != std::string_view::npos &&
                       (*value != 1 || !code || one.size() - colon - 1 > 2))) {
            bad = one;
            return std::nullopt;
        }
        state.state = *value;
        if (code)
            state.exception = static_cast<uint8_t>(*code);
        states.push_back(state);
        if (slash == std::string_view::npos)
            break;
        at = slash + 1;
    }
    return states;
}

// "5" or "1-20".
std::optional<std::pair<unsigned, unsigned>> parseSlaves(std::string_view text) {
    const size_t dash = text.find('-');
    if (dash == std::string_view::npos || dash == 0) {
        const auto one = parseNumber(text, 10, 255);
        if (!one)
            return std::nullopt;
        return std::pair{*one, *one};
    }
    const auto from = parseNumber(text.substr(0, dash), 10, 255);
    const auto to = parseNumber(text.substr(dash + 1), 10, 255);
    if (!from || !to || *from > *to)
        return std::nullopt;
    return std::pair{*from, *to};
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
    std::string_view badState;
    const auto pattern = parsePattern(items[0], badState);
    if (!pattern)
        return "unknown state '" + std::string(badState) + "'";
    const auto slaves = parseSlaves(items[1]);
    if (!slaves)
        return "slave address '" + std::string(items[1]) + "' is not 0-255";
    const auto start = parseNumber(items[2], 10, 0xFFFF);
    if (!start)
        return "starting address '" + std::string(items[2]) + "' is not 0-65535";
    record.state = pattern->front().state;
    if (pattern->size() > 1 || pattern->front().exception)
        record.pattern = *pattern;
    record.startingAddress = static_cast<uint16_t>(*start);
    for (size_t i = 3; i < items.size(); ++i) {
        ScriptData item;
        if (std::string why = parseData(items[i], item); !why.empty())
            return why;
        record.data.push_back(item);
    }
    if (record.dataSize() > kMaxScriptDataBytes)
        return "more than " + std::to_string(kMaxScriptDataBytes) + " data bytes";
    const size_t count = slaves->second - slaves->first + 1;
    if (records.size() + count > kMaxScriptRecords)
        return "more than " + std::to_string(kMaxScriptRecords) + " records";
    for (unsigned slave = slaves->first; slave <= slaves->second; ++slave) {
        record.slaveAddress = static_cast<uint8_t>(slave);
        records.push_back(record);
    }
    return {};
}

} // namespace

size_t ScriptData::size() const {
    switch (kind) {
    case Kind::Output:
    case Kind::Random:
        return count;
    case Kind::Counter:
    case Kind::Sine:
        return 2;
    default:
        return 1;
    }
}

size_t ScriptRecord::dataSize() const {
    size_t size = 0;
    for (const auto& item : data)
        size += item.size();
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
