#include "core/mapping/mapping_numbers.h"

#include "core/model/store_texts.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace brenmoor {
namespace {

// Large enough for any address or count, small enough that sums and
// products of two of them stay inside 64 bits.
constexpr int64_t kSaturation = int64_t{1} << 40;

int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    return v < base ? v : -1;
}

int64_t leadingNumber(std::string_view text, int base) {
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
    return leadingNumber(text, 10);
}

int64_t leadingHex(std::string_view text) {
    return leadingNumber(text, 16);
}

std::optional<int64_t> parseMapAddress(std::string_view text) {
    if (text == text::NotSet)
        return std::nullopt;
    return leadingHex(text);
}

bool isReadCode(int64_t code) {
    return code >= 1 && code <= 4;
}

bool isWriteCode(int64_t code) {
    return code == 5 || code == 6 || code == 15 || code == 16;
}

int64_t commandStatusBytes(const CONFIG& subnet) {
    return leadingDecimal(subnet.master.commandStatus);
}

int usedCommandCount(const CONFIG& subnet) {
    return std::clamp(subnet.commandCount, 0, kMaxCommands);
}

std::string upperHex(int64_t value) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(value));
    return buffer;
}

} // namespace brenmoor
