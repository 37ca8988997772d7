#include "sim/gateway_config.h"

#include "core/model/project_file.h"
#include "core/serial/image_codec.h"
#include "core/serial/upload_sequence.h"

#include <algorithm>

namespace brenmoor::sim {

std::span<uint8_t> GatewayConfig::slot(Block block, std::span<const uint8_t> address) {
    switch (block) {
    case Block::DeviceNet:
        return deviceNet;
    case Block::Subnet:
        return subnets[subnetAt(address[0])];
    case Block::Command:
        if (address[1] >= kMaxCommands)
            return {};
        return commands[subnetAt(address[0])][address[1]];
    case Block::ClearingOption:
        return {&clearingOption, 1};
    case Block::ProfibusConfig:
        return profibusConfig;
    }
    return {};
}

ReceivedData GatewayConfig::asReceived(uint8_t deviceType) const {
    ReceivedData received;
    received.deviceInfo[0] = deviceType;
    received.deviceNetBlock = deviceNet;
    for (size_t s = 0; s < kSubnetCount; ++s) {
        received.subnetBlocks[s] = subnets[s];
        received.commandCounts[s] = static_cast<int>(commands[s].size());
        for (const auto& [index, record] : commands[s])
            if (index < kMaxCommands)
                received.commands[s][index] = record;
    }
    received.clearingOption = clearingOption;
    received.profibusConfig = profibusConfig;
    return received;
}

GatewayConfig configFromStore(const ParameterStore& store, const DeviceSettings& device) {
    GatewayConfig config;
    config.device = device;
    config.deviceNet = encodeDeviceNetBlock(store);
    for (int s = 0; s < kSubnetCount; ++s) {
        config.subnets[static_cast<size_t>(s)] = encodeSubnetBlock(store, s);
        const int count =
            std::clamp(store.subnets[static_cast<size_t>(s)].commandCount, 0, kMaxCommands);
        for (int k = 0; k < count; ++k)
            config.commands[static_cast<size_t>(s)][static_cast<uint8_t>(k)] =
                encodeCommand(store, s, k);
    }
    config.clearingOption = encodeClearingOption(store, device);
    config.profibusConfig = encodeProfibusConfigData(store);
    return config;
}

Outcome loadGatewayConfig(const std::string& path, GatewayConfig& config) {
    Project project = makeNewProject();
    const OpenOutcome opened = openProjectFile(project, path);
    if (opened.result == OpenResult::Failed)
        return opened.outcome;
    config = configFromStore(project.store, project.device);
    return Outcome::success();
}

Outcome saveGatewayConfig(const GatewayConfig& config, const std::string& path) {
    Project project = makeNewProject();
    project.device = config.device;
    ReceivedData received = config.asReceived(1);
    if (!config.device.doubleFault && !config.device.commandStatus)
        received.clearingOption.reset();
    if (!config.device.dataFilter && !config.device.profibusData)
        received.profibusConfig.reset();
    applyUpload(project, received);
    return saveProjectFile(project, path);
}

} // namespace brenmoor::sim
