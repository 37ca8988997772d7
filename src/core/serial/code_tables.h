#pragma once

#include "core/model/store_texts.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace brenmoor {

// One row of a code table: the gateway's code and the store's text.
struct CodeText {
    uint8_t code;
    std::string_view text;
};

inline constexpr std::array<CodeText, 4> kFieldbusBauds{
    {{0, "125K"}, {1, "250K"}, {2, "500K"}, {3, text::Automatic}}};
inline constexpr std::array<CodeText, 7> kInputSizes{
    {{0, "8"}, {1, "16"}, {2, "32"}, {3, "64"}, {4, "96"}, {5, "128"}, {6, "160"}}};
inline constexpr std::array<CodeText, 6> kOutputSizes{
    {{0, "8"}, {1, "16"}, {2, "32"}, {3, "64"}, {4, "96"}, {5, "112"}}};
inline constexpr std::array<CodeText, 4> kProtocolModes{{{0, text::ModbusMaster},
                                                         {1, text::ModbusSlave},
                                                         {2, text::CustomProtocol},
                                                         {3, text::CommonMode}}};
// The gateway has no code for 4800.
inline constexpr std::array<CodeText, 9> kSubnetBauds{{{0, "300"},
                                                       {1, "600"},
                                                       {2, "1200"},
                                                       {3, "2400"},
                                                       {4, "9600"},
                                                       {5, "19200"},
                                                       {6, "38400"},
                                                       {7, "57600"},
                                                       {8, "115200"}}};
inline constexpr std::array<CodeText, 2> kDataBits{{{0, "8"}, {1, "7"}}};
inline constexpr std::array<CodeText, 5> kParities{
    {{0, "None"}, {1, "Odd"}, {2, "Even"}, {3, "Mark"}, {4, "Space"}}};
inline constexpr std::array<CodeText, 2> kStopBits{{{0, "1"}, {1, "2"}}};
inline constexpr std::array<CodeText, 2> kTransmissions{{{0, text::Rtu}, {1, text::Ascii}}};
inline constexpr std::array<CodeText, 4> kOutputModes{
    {{1, text::Cycle}, {2, text::Forbidden}, {3, text::ChangeOfValue}, {4, text::PulseOutput}}};
inline constexpr std::array<CodeText, 2> kScanTypes{{{0, text::FastScan}, {1, text::SlowScan}}};
// The swap modes read back by the data-filter flag; encoding accepts both.
inline constexpr std::array<CodeText, 3> kSwapModes{
    {{0, text::NoSwap}, {1, text::TwoBytesSwap}, {2, text::FourBytesSwap}}};
inline constexpr std::array<CodeText, 3> kFilterSwapModes{
    {{0, text::FullWord}, {1, text::HighByte}, {2, text::LowByte}}};

// The two-state fields: the first row is sent as 0, the second as 1, and
// the gateway's any non-zero byte reads as the second.
inline constexpr std::array<CodeText, 2> kSwitchStates{{{0, text::Close}, {1, text::Open}}};
inline constexpr std::array<CodeText, 2> kInterfaces{{{0, text::Rs485}, {1, text::Rs232}}};
// The debug interface is whichever one the communication interface is not.
inline constexpr std::array<CodeText, 2> kDebugInterfaces{{{0, text::Rs232}, {1, text::Rs485}}};
inline constexpr std::array<CodeText, 2> kFrameControls{
    {{0, text::CharacterTimeout}, {1, text::NumberOfCharacters}}};
// Whether the Profibus configuration bytes are typed in: none sent, or some.
inline constexpr std::array<CodeText, 2> kProfibusConfigModes{
    {{0, text::UseNumberOfBytes}, {1, text::EnterConfigData}}};

// Texts compare exactly, case included; no match: nothing.
inline std::optional<uint8_t> codeOf(std::span<const CodeText> table, std::string_view value) {
    for (const auto& row : table)
        if (row.text == value)
            return row.code;
    return std::nullopt;
}

inline std::optional<std::string_view> textOf(std::span<const CodeText> table, int code) {
    for (const auto& row : table)
        if (row.code == code)
            return row.text;
    return std::nullopt;
}

// Either family of swap texts; anything unknown is the four-byte swap.
inline uint8_t swapCodeOf(std::string_view value) {
    if (auto c = codeOf(kSwapModes, value))
        return *c;
    if (auto c = codeOf(kFilterSwapModes, value))
        return *c;
    return 2;
}

} // namespace brenmoor
