#pragma once

#include "core/model/parameter_store.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace brenmoor {

// The output area of the gateway's buffer starts here; below it lies the input area.
inline constexpr int kOutputAreaStart = 0x4000;

// Numbers inside store texts as the mapping tools read them: the digits up to
// the first character that is not one (empty text reads as 0). A sign is not
// a digit, so the "-1" of a field never set reads as 0. Values saturate far
// above anything a map can hold, so arithmetic on them cannot overflow.
int64_t leadingDecimal(std::string_view text);
int64_t leadingHex(std::string_view text);

// A mapping address as written by the editor or Auto Mapping; nothing when
// the field was never set ("-1").
std::optional<int64_t> parseMapAddress(std::string_view text);

// Function codes that read into the input area and write from the output area.
bool isReadCode(int64_t code);
bool isWriteCode(int64_t code);

// How many command status bytes the subnet's commandStatus selects ("Close"
// gives 0, "2Bytes" gives 2).
int64_t commandStatusBytes(const CONFIG& subnet);

// The commands in use of a subnet, whatever a damaged file put in the count.
int usedCommandCount(const CONFIG& subnet);

// Upper-case hexadecimal without prefix or leading zeros ("1A", "4000").
std::string upperHex(int64_t value);

} // namespace brenmoor
