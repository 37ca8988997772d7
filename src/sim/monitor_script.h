#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brenmoor::sim {

// The output area the monitor's write requests land in, as the program's
// Send offers it.
inline constexpr uint16_t kOutputAreaFirst = 0x4000;
inline constexpr uint16_t kOutputAreaLast = 0x406F;
inline constexpr size_t kOutputAreaSize = kOutputAreaLast - kOutputAreaFirst + 1;

// The program reads at most 200 bytes for one record, five of them header.
inline constexpr size_t kMaxScriptDataBytes = 195;
// Slave ranges make many records of one line; a script may not make more.
inline constexpr size_t kMaxScriptRecords = 65536;

// One data item of a scripted record: a fixed byte, bytes read from the
// output area when the record goes out (so written data shows up later), or
// bytes that change each time the record is sent.
struct ScriptData {
    enum class Kind {
        Byte,    // `byte`
        Output,  // `count` bytes of the output area from `address`
        Counter, // a 16-bit word, high byte first: `first`, then `step` more each time
        Sine,    // a signed 16-bit word: `amplitude` times the sine, `period` sends a turn
        Random,  // `count` bytes, different each time (the same in every run)
    };
    Kind kind = Kind::Byte;
    bool fromOutput = false; // kind == Output
    uint8_t byte = 0;
    uint16_t address = 0;
    uint8_t count = 0;
    uint16_t first = 0;
    int32_t step = 0;
    int32_t amplitude = 0;
    uint32_t period = 1;

    size_t size() const;
};

// One state of a record's pattern; an abnormal response may name its
// exception code, which is then its only data byte.
struct ScriptState {
    uint8_t state = 0;
    std::optional<uint8_t> exception;

    friend bool operator==(const ScriptState&, const ScriptState&) = default;
};

struct ScriptRecord {
    uint8_t state = 0; // the first state of the pattern
    uint8_t slaveAddress = 0;
    uint16_t startingAddress = 0;
    std::vector<ScriptData> data;
    // The states the record takes in turn, one each time it is sent; empty
    // for a record that always has `state` and `data`.
    std::vector<ScriptState> pattern;

    // Data bytes the record carries.
    size_t dataSize() const;
};

// A parsed record script, or the first line it could not read.
struct MonitorScript {
    std::vector<ScriptRecord> records;
    std::string error; // "line N: why"; empty when the script is good

    bool ok() const { return error.empty(); }
};

// Record script, one record per line, '#' starts a comment:
//
//   STATE SLAVE START [DATA...]
//
// STATE is 0-255 or one of ok (0), abnormal (1), error (2), timeout (3),
// hidden (255); several states joined by '/' are taken in turn, one each
// time the record is sent (ok/ok/abnormal:02/timeout), abnormal:CC naming
// the exception code (hex) sent instead of the data, and a timeout in a
// pattern carrying no data. SLAVE (0-255) and START (0-65535) are decimal,
// as the monitor shows them; SLAVE may be a range A-B, one record for each
// slave. Each DATA item is one byte as two hex digits; out:ADDR:N for N
// bytes of the output area from hex address ADDR, read when the record is
// sent; inc:HHHH:STEP for a 16-bit word starting at hex HHHH and growing by
// the decimal STEP (negative too) each time; sine:AMP:PERIOD for a signed
// 16-bit word swinging between -AMP and AMP once every PERIOD sends; rand:N
// for N bytes that change each time. A script must hold at least one record.
MonitorScript parseMonitorScript(std::string_view text);

// Reads and parses a script file. Files beyond kMaxScriptFileBytes are
// refused rather than read.
inline constexpr size_t kMaxScriptFileBytes = 1 << 20;
MonitorScript loadMonitorScript(const std::string& path);

// The records a gateway without a script reports: every state text, every
// exception code from 1 to 9, a hidden record, a state the monitor drops, and
// a record that reads the first four output bytes back.
MonitorScript defaultMonitorCycle();
// The same cycle as script text, a start for a script of one's own.
std::string_view defaultMonitorCycleText();

} // namespace brenmoor::sim
