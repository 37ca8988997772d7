#pragma once

#include "core/model/project.h"

#include <optional>

namespace brenmoor {

// How many command packets an upload reads for a command count: packet 0 is
// read even when the gateway holds no command.
int commandPackets(int commandCount);

// What a transfer has learnt about its gateway so far. Each answer narrows
// the plan: the firmware version decides the optional blocks, the subnet
// block whether a command list follows, the command count how many packets.
struct GatewayFacts {
    std::optional<int> firmwareVersion;
    std::optional<bool> master;
    std::optional<int> commandCount;
};

// The requests a download of `project` sends, the read-back's included when
// `readBack`. An unknown firmware version counts every optional block the
// flags call for, so the plan only shrinks as replies come in and a progress
// bar never runs backwards.
int downloadRequests(const Project& project, const GatewayFacts& facts, bool readBack);

// The requests a read of the gateway sends (an upload, a comparison, the
// read-back after a download without its device information). Until the
// replies tell, the subnet counts as a Modbus master holding the most
// commands a subnet can have.
int readRequests(const DeviceSettings& device, const GatewayFacts& facts, bool deviceInfo);

} // namespace brenmoor
