#include "core/serial/frame.h"

#include <algorithm>
#include <numeric>

namespace brenmoor {

uint8_t frameChecksum(std::span<const uint8_t> bytes) {
    return static_cast<uint8_t>(std::accumulate(bytes.begin(), bytes.end(), 0u));
}

std::vector<uint8_t> buildFrame(uint8_t command, std::span<const uint8_t> data) {
    const size_t n = std::min<size_t>(data.size(), 255);
    std::vector<uint8_t> frame;
    frame.reserve(n + 3);
    frame.push_back(command);
    frame.push_back(static_cast<uint8_t>(n));
    frame.insert(frame.end(), data.begin(), data.begin() + static_cast<std::ptrdiff_t>(n));
    frame.push_back(frameChecksum(frame));
    return frame;
}

std::vector<uint8_t> ackFrame(uint8_t command) {
    return {command, 0x00, command};
}

bool checksumMatches(std::span<const uint8_t> bytes, size_t n) {
    return bytes.size() > n && frameChecksum(bytes.first(n)) == bytes[n];
}

} // namespace brenmoor
