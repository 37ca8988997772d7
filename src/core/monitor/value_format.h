#pragma once

#include "core/model/parameter_store.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brenmoor::monitor {

// How the data of a correct response is read: registers as 16-bit words or
// as 32-bit integers and floats over two words, coils and inputs as bits.
enum class ValueType { Bits, Unsigned16, Signed16, Hex16, Unsigned32, Signed32, Float32 };

// Where the four bytes of a 32-bit value arrive: "ABCD" is the most
// significant byte first (the Modbus order within and across words), "CDAB"
// the low word first, "BADC" each word's bytes swapped, "DCBA" the least
// significant byte first.
enum class WordOrder { ABCD, CDAB, BADC, DCBA };

struct ValueFormat {
    ValueType type = ValueType::Unsigned16;
    WordOrder order = WordOrder::ABCD; // 32-bit types only

    friend bool operator==(const ValueFormat&, const ValueFormat&) = default;
};

bool isWide(ValueType type);

// Every format a user may choose, in the order a list offers them.
std::span<const ValueFormat> valueFormats();

// "bits", "uint16", "int16", "hex16", "uint32 ABCD", "float32 CDAB", ...
std::string formatName(const ValueFormat& format);
std::optional<ValueFormat> formatNamed(std::string_view name);

// What a command's data most likely is: bits for coils and inputs, 32-bit
// integers where the gateway swaps four bytes (it only does that for 32-bit
// values), 16-bit words otherwise.
ValueFormat defaultFormat(const INSTRUCTION& command);

// The data as values, blank-separated. Words are read high byte first.
// Bits are grouped per byte, the first coil leftmost ("10110000"), and
// stop after `bitCount` when given. Bytes that do not fill a last value are
// added in hex within brackets ("2571 [0c]").
std::string decodeValues(std::span<const uint8_t> data, const ValueFormat& format,
                         std::optional<int> bitCount = std::nullopt);

// The first `max` values as numbers (bits as 0 and 1), for a plot.
std::vector<double> numericValues(std::span<const uint8_t> data, const ValueFormat& format,
                                  size_t max);

} // namespace brenmoor::monitor
