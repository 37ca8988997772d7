#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brenmoor::monitor {

// What the gateway reports for each Modbus transaction while the monitor
// runs: state, slave address, starting address (high byte first), the data
// count m and m data bytes. One read holds one record.
inline constexpr size_t kMaxRecordBytes = 200;
inline constexpr size_t kRecordHeaderBytes = 5;

inline constexpr uint8_t kStateCorrect = 0;
inline constexpr uint8_t kStateAbnormal = 1; // data byte 0 is the exception code
inline constexpr uint8_t kStateError = 2;
inline constexpr uint8_t kStateTimeout = 3;
inline constexpr uint8_t kStateHidden = 255; // answered, never shown or saved

struct MonitorRecord {
    uint8_t state = 0;
    uint8_t slaveAddress = 0;
    uint16_t startingAddress = 0;
    uint8_t dataCount = 0;     // m, as the gateway announced it
    std::vector<uint8_t> data; // the data bytes that actually arrived, at most m

    friend bool operator==(const MonitorRecord&, const MonitorRecord&) = default;
};

enum class RecordKind {
    Shown,  // states 0 to 3: listed, saved and answered
    Hidden, // state 255: answered only
    Invalid // anything else: dropped without an answer
};

RecordKind recordKind(uint8_t state);

// Decodes the bytes of one read. Only the first kMaxRecordBytes count; a
// header cut short reads as zeros and the data never reaches past what was
// received, so a short or garbled read can not make the monitor read beyond
// it. Nothing for an empty read.
std::optional<MonitorRecord> decodeRecord(std::span<const uint8_t> bytes);

// The bytes the gateway sends for a record (the simulated gateway's side);
// decodeRecord(encodeRecord(r)) gives r back when r.data holds r.dataCount
// bytes and fits in one read.
std::vector<uint8_t> encodeRecord(const MonitorRecord& record);

// The four texts of a listed row, in column order.
struct MonitorRow {
    std::string state;
    std::string slaveAddress;
    std::string startingAddress;
    std::string data;

    friend bool operator==(const MonitorRow&, const MonitorRow&) = default;
};

// Text of states 0 to 3; empty for any other state.
std::string_view stateText(uint8_t state);
// Text of a Modbus exception code; codes other than 2 to 8 read as code 1.
std::string_view exceptionText(uint8_t code);
// Each byte as two lower-case hex digits followed by a blank.
std::string hexBytesText(std::span<const uint8_t> bytes);

// The row of a shown record; nothing for hidden or invalid states.
std::optional<MonitorRow> rowFor(const MonitorRecord& record);

// The record's block in the save file, CR LF line ends and an empty line
// after it; empty for records that are not shown.
std::string saveBlock(const MonitorRecord& record);

} // namespace brenmoor::monitor
