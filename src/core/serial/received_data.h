#pragma once

#include "core/model/parameter_store.h"
#include "core/serial/frame.h"

#include <array>
#include <cstdint>
#include <optional>

namespace brenmoor {

// Everything one upload (or download) has received from the gateway so far.
// The parsers fill it; decodeUpload turns it into texts of the store.
struct ReceivedData {
    std::array<uint8_t, 8> deviceInfo{};
    std::optional<std::array<uint8_t, kDeviceNetBlockSize>> deviceNetBlock;
    std::array<std::optional<std::array<uint8_t, kSubnetBlockSize>>, kSubnetCount> subnetBlocks;
    std::array<int, kSubnetCount> commandCounts{};
    // Command records by subnet and command index, as the packets brought them.
    std::array<std::array<std::optional<std::array<uint8_t, kCommandRecordSize>>, kMaxCommands>,
               kSubnetCount>
        commands;
    // The optional blocks; present only when the transfer read them.
    std::optional<uint8_t> clearingOption;
    std::optional<std::array<uint8_t, kProfibusConfigSize>> profibusConfig;

    int deviceType() const { return deviceInfo[0]; }
};

} // namespace brenmoor
