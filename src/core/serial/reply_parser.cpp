#include "core/serial/reply_parser.h"

#include <algorithm>

namespace brenmoor {
namespace {

bool isAck(std::span<const uint8_t> r) {
    return r.size() >= 3 && r[1] == 0x00 && r[2] == r[0];
}

// Negative replies: the request's code + 0x80, two detail bytes.
bool isNegative(std::span<const uint8_t> r) {
    return r.size() >= 5 && r[1] == 2 && checksumMatches(r, 4);
}

bool takeDeviceInfo(std::span<const uint8_t> r, ReceivedData& received) {
    if (r.size() < 11 || r[1] != 8 || !checksumMatches(r, 10))
        return false;
    std::copy_n(r.begin() + 2, 8, received.deviceInfo.begin());
    return true;
}

int subnetIndex(uint8_t s) {
    return s < kSubnetCount ? s : -1;
}

} // namespace

uint8_t parseReplyDownload(std::span<const uint8_t> reply, ReceivedData& received) {
    if (reply.empty())
        return 0;
    const uint8_t first = reply[0];
    switch (first) {
    case code::DeviceInfo:
        return takeDeviceInfo(reply, received) ? first : 0;
    case code::WriteSubnet:
    case code::WriteCommand:
    case code::ClearCommands:
    case code::WriteDeviceNet:
    case code::FieldbusAck:
        return isAck(reply) ? first : 0;
    case code::DeviceInfo | code::NegativeFlag:
    case code::WriteSubnet | code::NegativeFlag:
    case code::WriteCommand | code::NegativeFlag:
    case code::WriteDeviceNet | code::NegativeFlag:
        return isNegative(reply) ? first : 0;
    default:
        return 0;
    }
}

uint8_t parseReplyUpload(std::span<const uint8_t> reply, ReceivedData& received, bool doubleFault) {
    if (reply.empty())
        return 0;
    const uint8_t first = reply[0];
    switch (first) {
    case code::DeviceInfo:
        if (reply.size() >= 3 && reply[2] == 5 && !doubleFault)
            return 0;
        return takeDeviceInfo(reply, received) ? first : 0;
    case code::ReadSubnet: {
        if (!checksumMatches(reply, 25))
            return 0;
        const int s = subnetIndex(reply[2]);
        if (s >= 0) {
            std::array<uint8_t, kSubnetBlockSize> block{};
            std::copy_n(reply.begin() + 3, kSubnetBlockSize, block.begin());
            received.subnetBlocks[static_cast<size_t>(s)] = block;
        }
        return first;
    }
    case code::ReadCommandCount: {
        if (reply.size() < 6 || reply[1] != 3 || !checksumMatches(reply, 5))
            return 0;
        const int s = subnetIndex(reply[2]);
        if (s >= 0)
            received.commandCounts[static_cast<size_t>(s)] = reply[3] * 256 + reply[4];
        return first;
    }
    case code::ReadCommandPacket: {
        if (reply.size() < 2)
            return 0;
        const size_t length = reply[1];
        if (!checksumMatches(reply, length + 2))
            return 0;
        // With a length of 0 the third byte is the checksum: no subnet, no entries.
        const int s = length >= 1 ? subnetIndex(reply[2]) : -1;
        const size_t entries = length >= 1 ? (length - 1) / 12 : 0;
        for (size_t i = 0; i < entries && s >= 0; ++i) {
            const auto entry = reply.subspan(3 + 12 * i, 12);
            if (entry[0] >= kMaxCommands)
                continue;
            std::array<uint8_t, kCommandRecordSize> record{};
            std::copy_n(entry.begin() + 1, kCommandRecordSize, record.begin());
            received.commands[static_cast<size_t>(s)][entry[0]] = record;
        }
        return first;
    }
    case code::ReadDeviceNet: {
        if (reply.size() < 7 || reply[1] != 4 || !checksumMatches(reply, 6))
            return 0;
        std::array<uint8_t, kDeviceNetBlockSize> block{};
        std::copy_n(reply.begin() + 2, kDeviceNetBlockSize, block.begin());
        received.deviceNetBlock = block;
        return first;
    }
    case code::DeviceInfo | code::NegativeFlag:
    case code::ReadCommandCount | code::NegativeFlag:
        return isNegative(reply) ? first : 0;
    default:
        return 0;
    }
}

} // namespace brenmoor
