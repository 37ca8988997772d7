#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brenmoor {

// The value of a text's decimal integer prefix: leading blanks skipped, an
// optional sign, digits up to the first other character; 0 without digits.
// Clamped to the 32-bit range.
int32_t leadingInt(std::string_view text);

// A text that is exactly the decimal rendering of its own leading-integer
// value: "7" passes; "07", "+7", " 7", "7a" and "" do not.
bool isCanonicalDecimal(std::string_view text);

// A hexadecimal reading as the C library does it: leading blanks, an
// optional sign and an optional 0x prefix, up to the first other character;
// clamped to the 32-bit range.
int32_t leadingHex(std::string_view text);

// Lower-case hexadecimal without leading zeros (two's complement when
// negative).
std::string lowerHex(int32_t value);

// Upper-case hexadecimal without prefix or leading zeros ("1A", "4000"): a
// mapping address as the grid takes it.
std::string upperHex(int64_t value);

// Numbers inside store texts as the mapping tools read them: the digits up to
// the first character that is not one (empty text reads as 0). A sign is not
// a digit, so the "-1" of a field never set reads as 0. Values saturate far
// above anything a map can hold, so arithmetic on them cannot overflow.
int64_t leadingDecimal(std::string_view text);
int64_t leadingHexDigits(std::string_view text);

} // namespace brenmoor
