#pragma once

#include "core/model/device_settings.h"
#include "core/model/parameter_store.h"
#include "core/resources/outcome.h"
#include "core/serial/block_transfer.h"
#include "core/serial/received_data.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>

namespace brenmoor::sim {

// What a gateway keeps in its configuration memory: the blocks as the
// configuration protocol carries them, never the program's texts.
struct GatewayConfig {
    std::array<uint8_t, kDeviceNetBlockSize> deviceNet{};
    std::array<std::array<uint8_t, kSubnetBlockSize>, kSubnetCount> subnets{};
    // Command records by index, per subnet.
    std::array<std::map<uint8_t, std::array<uint8_t, kCommandRecordSize>>, kSubnetCount> commands;
    uint8_t clearingOption = 0;
    std::array<uint8_t, kProfibusConfigSize> profibusConfig{};
    // The flags the configuration was loaded with; they decide how a saved
    // file reads the optional blocks back.
    DeviceSettings device;

    // Where the block of that address is kept (a subnet number past the
    // last is the last subnet); empty for a command index past the list.
    // Asking for a command's place makes it.
    std::span<uint8_t> slot(Block block, std::span<const uint8_t> address);

    // Everything a full upload of this gateway would receive.
    ReceivedData asReceived(uint8_t deviceType) const;
};

// The subnet a request's subnet number stands for: one past the last is
// taken as the last.
inline size_t subnetAt(uint8_t number) {
    return std::min<size_t>(number, kSubnetCount - 1);
}

// A gateway configured as if the project had been downloaded into it.
GatewayConfig configFromStore(const ParameterStore& store, const DeviceSettings& device);

// Loads a project file into a gateway configuration.
Outcome loadGatewayConfig(const std::string& path, GatewayConfig& config);
// Saves the configuration as a project file, as an upload would produce it.
Outcome saveGatewayConfig(const GatewayConfig& config, const std::string& path);

} // namespace brenmoor::sim
