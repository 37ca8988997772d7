#include "core/monitor/monitor_record.h"

#include "core/resources/messages_monitor.h"
#include "core/resources/string_table.h"

#include <algorithm>
#include <array>

namespace brenmoor::monitor {
namespace {

constexpr std::array kStateTexts{msg::CorrectResponse, msg::AbnormalResponse, msg::ResponseError,
                                 msg::ResponseTimeout};

constexpr uint8_t kFirstNamedException = 2;
constexpr std::array kExceptionTexts{msg::ExceptionIllegalDataAddress, msg::ExceptionNotValidData,
                                     msg::ExceptionEquipmentFailure,   msg::ExceptionOk,
                                     msg::ExceptionSlaveBusy,          msg::ExceptionNegative,
                                     msg::ExceptionMemoryCheckBit};

// The data column: the exception for state 1, the fixed text for a timeout,
// otherwise the bytes themselves.
std::string rowDataText(const MonitorRecord& record) {
    switch (record.state) {
    case kStateAbnormal:
        // A record that announces no exception code gets the catch-all text
        // rather than a byte it never sent.
        return std::string(exceptionText(record.data.empty() ? 0 : record.data.front()));
    case kStateTimeout:
        return std::string(loadString(msg::NoResponseToNode));
    default:
        return hexBytesText(record.data);
    }
}

} // namespace

RecordKind recordKind(uint8_t state) {
    if (state <= kStateTimeout)
        return RecordKind::Shown;
    return state == kStateHidden ? RecordKind::Hidden : RecordKind::Invalid;
}

std::optional<MonitorRecord> decodeRecord(std::span<const uint8_t> bytes) {
    if (bytes.empty())
        return std::nullopt;
    bytes = bytes.first(std::min(bytes.size(), kMaxRecordBytes));
    std::array<uint8_t, kRecordHeaderBytes> header{};
    std::copy_n(bytes.begin(), std::min(bytes.size(), header.size()), header.begin());

    MonitorRecord record;
    record.state = header[0];
    record.slaveAddress = header[1];
    record.startingAddress = static_cast<uint16_t>(header[2] << 8 | header[3]);
    record.dataCount = header[4];
    if (bytes.size() > kRecordHeaderBytes) {
        const auto received = bytes.subspan(kRecordHeaderBytes);
        const size_t taken = std::min<size_t>(received.size(), record.dataCount);
        record.data.assign(received.begin(), received.begin() + static_cast<ptrdiff_t>(taken));
    }
    return record;
}

std::vector<uint8_t> encodeRecord(const MonitorRecord& record) {
    std::vector<uint8_t> bytes{
        record.state, record.slaveAddress, static_cast<uint8_t>(record.startingAddress >> 8),
        static_cast<uint8_t>(record.startingAddress & 0xFF), record.dataCount};
    bytes.insert(bytes.end(), record.data.begin(), record.data.end());
    return bytes;
}

std::string_view stateText(uint8_t state) {
    return state < kStateTexts.size() ? loadString(kStateTexts[state]) : std::string_view{};
}

std::string_view exceptionText(uint8_t code) {
    const unsigned index = static_cast<unsigned>(code) - kFirstNamedException;
    return index < kExceptionTexts.size() ? loadString(kExceptionTexts[index])
                                          : loadString(msg::ExceptionIllegalFunction);
}

std::string hexBytesText(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const uint8_t byte : bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
        text += ' ';
    }
    return text;
}

std::optional<MonitorRow> rowFor(const MonitorRecord& record) {
    if (recordKind(record.state) != RecordKind::Shown)
        return std::nullopt;
    return MonitorRow{std::string(stateText(record.state)), std::to_string(record.slaveAddress),
                      std::to_string(record.startingAddress), rowDataText(record)};
}

std::string saveBlock(const MonitorRecord& record) {
    const auto row = rowFor(record);
    if (!row)
        return {};
    constexpr std::string_view kLineEnd = "\r\n";
    // A timeout has no data: its line ends right after the tab.
    const std::string_view data = record.state == kStateTimeout ? std::string_view{} : row->data;
    std::string block;
    block.append(loadString(msg::ColumnState)).append("\t\t").append(row->state).append(kLineEnd);
    block.append(loadString(msg::ColumnSlaveAddress))
        .append("\t")
        .append(row->slaveAddress)
        .append(kLineEnd);
    block.append(loadString(msg::ColumnStartingAddress))
        .append("\t")
        .append(row->startingAddress)
        .append(kLineEnd);
    block.append(loadString(msg::ColumnData)).append("\t").append(data).append(kLineEnd);
    block.append(kLineEnd);
    return block;
}

} // namespace brenmoor::monitor
