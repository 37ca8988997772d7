#include "core/model/number_text.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <limits>

namespace brenmoor {

namespace {

constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kMax = std::numeric_limits<int32_t>::max();

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// The C library's integer reading, clamped to 32 bits as the long of the
// platform the values were first typed on.
int32_t readInteger(std::string_view text, int base) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // "0x" counts as a prefix only when a hexadecimal digit follows it.
    if (base == 16 && i + 2 < text.size() && text[i] == '0' &&
        (text[i + 1] == 'x' || text[i + 1] == 'X') && digitValue(text[i + 2], 16) >= 0)
        i += 2;
    int64_t value = 0;
    bool overflow = false;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0)
            break;
        if (!overflow) {
            value = value * base + d;
            if (value > kMax + 1)
                overflow = true;
        }
    }
    if (negative)
        value = -value;
    if (overflow || value > kMax)
        return static_cast<int32_t>(negative ? kMin : kMax);
    if (value < kMin)
        return static_cast<int32_t>(kMin);
    return static_cast<int32_t>(value);
}

} // namespace

int32_t leadingInt(std::string_view text) {
    return readInteger(text, 10);
}

bool isCanonicalDecimal(std::string_view text) {
    return text == std::to_string(leadingInt(text));
}

int32_t leadingHex(std::string_view text) {
    return readInteger(text, 16);
}

namespace {

// Large enough for any address or count, small enough that sums and
// products of two of them stay inside 64 bits.
constexpr int64_t kSaturation = int64_t{1} << 40;

int64_t leadingDigits(std::string_view text, int base) {
    int64_t value = 0;
    for (char c : text) {
        const int d = digitValue(c, base);
        if (d < 0)
            break;
        value = std::min(value * base + d, kSaturation);
    }
    return value;
}

} // namespace

int64_t leadingDecimal(std::string_view text) {
    return leadingDigits(text, 10);
}

int64_t leadingHexDigits(std::string_view text) {
    return leadingDigits(text, 16);
}

std::string upperHex(int64_t value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(value));
    return buffer;
}

std::string lowerHex(int32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%x", static_cast<uint32_t>(value));
    return buffer;
}

} // namespace brenmoor
