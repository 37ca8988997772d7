#include "core/mapping/profibus_config.h"

#include <cstddef>
#include <optional>

namespace brenmoor {
namespace {

constexpr std::size_t kMaxIdentifierBytes = 8;
constexpr int kMaxAreaLength = 112;
constexpr uint8_t kErrorLength = 255;

int nibble(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

// A length byte of the special format: (bits 5..0) + 1, in words when bit 6 is set.
int specialLength(uint8_t lengthByte) {
    const int units = (lengthByte & 0x3F) + 1;
    return (lengthByte & 0x40) ? 2 * units : units;
}

struct Totals {
    int input = 0;
    int output = 0;
};

std::optional<Totals> walkIdentifiers(const std::vector<uint8_t>& bytes) {
    Totals totals;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const uint8_t header = bytes[i];
        const bool outputBit = header & 0x20;
        const bool inputBit = header & 0x10;
        if (outputBit || inputBit) {
            // General format: one byte says it all.
            int length = (header & 0x0F) + 1;
            if (header & 0x40)
                length *= 2;
            if (outputBit)
                totals.output += length;
            if (inputBit)
                totals.input += length;
            ++i;
            continue;
        }
        const int manufacturerBytes = header & 0x0F;
        if (manufacturerBytes == 15)
            return std::nullopt;
        std::size_t next = i + 1;
        if (header & 0x80) {
            if (next >= bytes.size())
                return std::nullopt;
            totals.output += specialLength(bytes[next++]);
        }
        if (header & 0x40) {
            if (next >= bytes.size())
                return std::nullopt;
            totals.input += specialLength(bytes[next++]);
        }
        next += static_cast<std::size_t>(manufacturerBytes);
        if (next > bytes.size())
            return std::nullopt;
        i = next;
    }
    return totals;
}

} // namespace

std::vector<uint8_t> profibusConfigBytes(std::string_view configData) {
    std::vector<uint8_t> bytes;
    for (std::size_t i = 2; i <= configData.size(); i += 3)
        bytes.push_back(
            static_cast<uint8_t>(nibble(configData[i - 2]) * 16 + nibble(configData[i - 1])));
    return bytes;
}

ProfibusConfigResult evaluateProfibusConfig(std::string_view configData, MappingState& state) {
    const std::vector<uint8_t> bytes = profibusConfigBytes(configData);
    if (bytes.empty())
        return ProfibusConfigResult::Valid;

    std::optional<Totals> totals;
    if (bytes.size() <= kMaxIdentifierBytes)
        totals = walkIdentifiers(bytes);
    if (!totals || totals->input > kMaxAreaLength || totals->output > kMaxAreaLength) {
        state.profibusInputLength = kErrorLength;
        state.profibusOutputLength = kErrorLength;
        return ProfibusConfigResult::Error;
    }
    state.profibusInputLength = static_cast<uint8_t>(totals->input);
    state.profibusOutputLength = static_cast<uint8_t>(totals->output);
    return ProfibusConfigResult::Valid;
}

} // namespace brenmoor
