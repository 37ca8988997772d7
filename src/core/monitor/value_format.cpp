#include "core/monitor/value_format.h"

#include "core/model/function_code.h"
#include "core/monitor/monitor_record.h"

#include <array>
#include <bit>
#include <charconv>
#include <cstring>

namespace brenmoor::monitor {
namespace {

struct TypeName {
    ValueType type;
    std::string_view name;
};

constexpr std::array<TypeName, 7> kTypeNames{{
    {ValueType::Bits, "bits"},
    {ValueType::Unsigned16, "uint16"},
    {ValueType::Signed16, "int16"},
    {ValueType::Hex16, "hex16"},
    {ValueType::Unsigned32, "uint32"},
    {ValueType::Signed32, "int32"},
    {ValueType::Float32, "float32"},
}};

constexpr std::array<std::string_view, 4> kOrderNames{"ABCD", "CDAB", "BADC", "DCBA"};

constexpr std::array<ValueFormat, 16> kFormats{{
    {ValueType::Bits, WordOrder::ABCD},
    {ValueType::Unsigned16, WordOrder::ABCD},
    {ValueType::Signed16, WordOrder::ABCD},
    {ValueType::Hex16, WordOrder::ABCD},
    {ValueType::Unsigned32, WordOrder::ABCD},
    {ValueType::Unsigned32, WordOrder::CDAB},
    {ValueType::Unsigned32, WordOrder::BADC},
    {ValueType::Unsigned32, WordOrder::DCBA},
    {ValueType::Signed32, WordOrder::ABCD},
    {ValueType::Signed32, WordOrder::CDAB},
    {ValueType::Signed32, WordOrder::BADC},
    {ValueType::Signed32, WordOrder::DCBA},
    {ValueType::Float32, WordOrder::ABCD},
    {ValueType::Float32, WordOrder::CDAB},
    {ValueType::Float32, WordOrder::BADC},
    {ValueType::Float32, WordOrder::DCBA},
}};

// The positions of A, B, C and D (most to least significant) among the
// four bytes as they arrive, per order.
constexpr std::array<std::array<size_t, 4>, 4> kBytePositions{{
    {0, 1, 2, 3}, // ABCD
    {2, 3, 0, 1}, // CDAB
    {1, 0, 3, 2}, // BADC
    {3, 2, 1, 0}, // DCBA
}};

uint32_t wide(std::span<const uint8_t> four, WordOrder order) {
    const auto& at = kBytePositions[static_cast<size_t>(order)];
    return uint32_t{four[at[0]]} << 24 | uint32_t{four[at[1]]} << 16 | uint32_t{four[at[2]]} << 8 |
           uint32_t{four[at[3]]};
}

std::string numberText(double value, ValueType type) {
    char text[32];
    std::to_chars_result result{};
    switch (type) {
    case ValueType::Float32:
        result = std::to_chars(text, text + sizeof text, static_cast<float>(value));
        break;
    case ValueType::Signed16:
    case ValueType::Signed32:
        result = std::to_chars(text, text + sizeof text, static_cast<int64_t>(value));
        break;
    case ValueType::Hex16: {
        const std::string hex = hexBytesText(
            std::array<uint8_t, 2>{static_cast<uint8_t>(static_cast<uint32_t>(value) >> 8),
                                   static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFF)});
        // "0a 0b " without its blanks.
        return hex.substr(0, 2) + hex.substr(3, 2);
    }
    default:
        result = std::to_chars(text, text + sizeof text, static_cast<uint64_t>(value));
        break;
    }
    return std::string(text, result.ptr);
}

// Calls `each` with every whole value; returns the bytes left over.
template <typename Each>
std::span<const uint8_t> forEachValue(std::span<const uint8_t> data, const ValueFormat& format,
                                      std::optional<int> bitCount, Each&& each) {
    switch (format.type) {
    case ValueType::Bits: {
        size_t bits = data.size() * 8;
        if (bitCount && *bitCount >= 0)
            bits = std::min(bits, static_cast<size_t>(*bitCount));
        for (size_t i = 0; i < bits; ++i)
            if (!each(static_cast<double>((data[i / 8] >> (i % 8)) & 1U)))
                return {};
        // Bytes past the command's bits are shown, not lost.
        return data.subspan(std::min(data.size(), (bits + 7) / 8));
    }
    case ValueType::Unsigned16:
    case ValueType::Signed16:
    case ValueType::Hex16: {
        size_t at = 0;
        for (; at + 2 <= data.size(); at += 2) {
            const auto word = static_cast<uint16_t>(data[at] << 8 | data[at + 1]);
            const double value = format.type == ValueType::Signed16
                                     ? static_cast<double>(static_cast<int16_t>(word))
                                     : static_cast<double>(word);
            if (!each(value))
                return {};
        }
        return data.subspan(at);
    }
    default: {
        size_t at = 0;
        for (; at + 4 <= data.size(); at += 4) {
            const uint32_t raw = wide(data.subspan(at, 4), format.order);
            double value = static_cast<double>(raw);
            if (format.type == ValueType::Signed32)
                value = static_cast<double>(static_cast<int32_t>(raw));
            else if (format.type == ValueType::Float32)
                value = static_cast<double>(std::bit_cast<float>(raw));
            if (!each(value))
                return {};
        }
        return data.subspan(at);
    }
    }
}

} // namespace

bool isWide(ValueType type) {
    return type == ValueType::Unsigned32 || type == ValueType::Signed32 ||
           type == ValueType::Float32;
}

std::span<const ValueFormat> valueFormats() {
    return kFormats;
}

std::string formatName(const ValueFormat& format) {
    std::string name;
    for (const auto& entry : kTypeNames)
        if (entry.type == format.type)
            name = entry.name;
    if (isWide(format.type))
        name.append(" ").append(kOrderNames[static_cast<size_t>(format.order)]);
    return name;
}

std::optional<ValueFormat> formatNamed(std::string_view name) {
    for (const ValueFormat& format : kFormats)
        if (formatName(format) == name)
            return format;
    return std::nullopt;
}

ValueFormat defaultFormat(const INSTRUCTION& command) {
    const FunctionCodeRecord* record = functionCodeRecord(command);
    if (record && record->bits)
        return {ValueType::Bits, WordOrder::ABCD};
    if (command.swapMode == "Four Bytes Swap")
        return {ValueType::Signed32, WordOrder::ABCD};
    return {ValueType::Unsigned16, WordOrder::ABCD};
}

std::string decodeValues(std::span<const uint8_t> data, const ValueFormat& format,
                         std::optional<int> bitCount) {
    std::string text;
    size_t index = 0;
    const auto rest = forEachValue(data, format, bitCount, [&](double value) {
        if (format.type == ValueType::Bits) {
            if (index > 0 && index % 8 == 0)
                text += ' ';
            text += value != 0 ? '1' : '0';
        } else {
            if (!text.empty())
                text += ' ';
            text += numberText(value, format.type);
        }
        ++index;
        return true;
    });
    if (!rest.empty()) {
        std::string hex = hexBytesText(rest);
        hex.pop_back();
        if (!text.empty())
            text += ' ';
        text.append("[").append(hex).append("]");
    }
    return text;
}

std::vector<double> numericValues(std::span<const uint8_t> data, const ValueFormat& format,
                                  size_t max) {
    std::vector<double> values;
    if (max == 0)
        return values;
    forEachValue(data, format, std::nullopt, [&](double value) {
        values.push_back(value);
        return values.size() < max;
    });
    return values;
}

} // namespace brenmoor::monitor
