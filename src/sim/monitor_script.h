#pragma once

#include <cstdint>
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

// One data item of a scripted record: a fixed byte, or bytes read from the
// output area when the record goes out (so written data shows up later).
struct ScriptData {
    bool fromOutput = false;
    uint8_t byte = 0;     // fixed byte
    uint16_t address = 0; // first output byte read
    uint8_t count = 0;    // output bytes read
};

struct ScriptRecord {
    uint8_t state = 0;
    uint8_t slaveAddress = 0;
    uint16_t startingAddress = 0;
    std::vector<ScriptData> data;

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
// hidden (255); SLAVE (0-255) and START (0-65535) are decimal, as the
// monitor shows them; each DATA item is one byte as two hex digits, or
// out:ADDR:N for N bytes of the output area from hex address ADDR, read when
// the record is sent. A script must hold at least one record.
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
