#include "core/serial/transfer_plan.h"

#include "core/model/store_texts.h"
#include "core/serial/download_sequence.h"
#include "core/serial/frame.h"

#include <algorithm>
#include <limits>

namespace brenmoor {

namespace {

int optionalBlocks(const DeviceSettings& device, std::optional<int> firmwareVersion) {
    const int version = firmwareVersion.value_or(std::numeric_limits<int>::max());
    return (sendsClearingOption(device, version) ? 1 : 0) +
           (sendsProfibusConfig(device, version) ? 1 : 0);
}

} // namespace

int commandPackets(int commandCount) {
    return commandCount >= 1 ? (commandCount - 1) / static_cast<int>(kCommandsPerPacket) + 1 : 1;
}

int readRequests(const DeviceSettings& device, const GatewayFacts& facts, bool deviceInfo) {
    int requests = (deviceInfo ? 1 : 0) + 2; // DeviceNet and subnet blocks
    if (facts.master.value_or(true))
        requests += 1 + commandPackets(facts.commandCount.value_or(kMaxCommands));
    return requests + optionalBlocks(device, facts.firmwareVersion);
}

int downloadRequests(const Project& project, const GatewayFacts& facts, bool readBack) {
    const DeviceSettings& device = project.device;
    const CONFIG& subnet = project.store.subnets[0];
    const bool master = subnet.protocolMode == text::ModbusMaster;
    const int commands = std::clamp(subnet.commandCount, 0, kMaxCommands);
    int requests = 1 + (device.doubleFault ? 0 : 1) + 1; // device information, DeviceNet, subnet
    if (master)
        requests += 1 + commands; // the clear, then one request a command
    requests += optionalBlocks(device, facts.firmwareVersion);
    if (readBack)
        // The gateway is expected to hold what was just sent.
        requests += readRequests(device, {facts.firmwareVersion, master, commands}, false);
    return requests;
}

} // namespace brenmoor
