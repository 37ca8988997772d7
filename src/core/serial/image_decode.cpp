#include "core/serial/image_codec.h"

#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"
#include "core/serial/command_layout.h"
#include "core/serial/devicenet_layout.h"
#include "core/serial/field_codec.h"
#include "core/serial/option_layouts.h"
#include "core/serial/subnet_layout.h"

namespace brenmoor {
namespace {

// The blocks that read alike under every flag are decoded without them.
const DeviceSettings kNoFlags{};

// Nodes are not transferred: they are the distinct slave addresses of the
// commands, in the order they first appear.
void rebuildNodes(CONFIG& config) {
    config.nodeCount = 0;
    for (int c = 0; c < config.commandCount; ++c) {
        INSTRUCTION& command = config.commands[static_cast<size_t>(c)];
        const int address = encodedDecimal(command.slaveAddress);
        int position = 0;
        for (int n = 0; n < config.nodeCount; ++n)
            if (encodedDecimal(config.nodes[static_cast<size_t>(n)].address) == address)
                position = n + 1;
        if (position == 0 && config.nodeCount < kMaxNodes) {
            NODE& node = config.nodes[static_cast<size_t>(config.nodeCount++)];
            node.address = std::to_string(address);
            node.name = std::string(loadString(msg::NodeNamePrefix)) + node.address;
            position = config.nodeCount;
        }
        command.nodeNumber = position;
    }
}

} // namespace

void decodeDeviceNetBlock(std::span<const uint8_t, kDeviceNetBlockSize> block, FIELDBUS& f) {
    decodeFields(deviceNetFields(), block, f, kNoFlags);
}

void decodeSubnetBlock(std::span<const uint8_t, kSubnetBlockSize> b, CONFIG& c,
                       const DeviceSettings& device) {
    const SubnetGroup* group = groupOfBlock(b);
    if (!group)
        return;
    decodeFields(std::span<const Field<CONFIG>>(&protocolField(), 1), b, c, device);
    decodeFields(group->fields, b, c, device);
    if (group->readsShared)
        decodeFields(sharedSubnetFields(), b, c, device);
}

void decodeCommand(std::span<const uint8_t, kCommandRecordSize> r, INSTRUCTION& k,
                   const DeviceSettings& device) {
    decodeFields(commandFields(), r, k, device);
}

void decodeClearingOption(uint8_t value, ParameterStore& store, const DeviceSettings& device) {
    decodeFields(clearingOptionFields(), std::span<const uint8_t>(&value, 1), store.subnets[0],
                 device);
}

void decodeProfibusConfigData(std::span<const uint8_t, kProfibusConfigSize> data, FIELDBUS& f) {
    decodeFields(profibusConfigFields(), data, f, kNoFlags);
}

void decodeUpload(const ReceivedData& received, ParameterStore& store, DeviceSettings& device) {
    applyUploadedDeviceType(device, received.deviceType());
    if (received.clearingOption)
        decodeClearingOption(*received.clearingOption, store, device);
    if (received.profibusConfig)
        decodeProfibusConfigData(*received.profibusConfig, store.fieldbus);
    if (received.deviceNetBlock)
        decodeDeviceNetBlock(*received.deviceNetBlock, store.fieldbus);
    for (size_t s = 0; s < kSubnetCount; ++s) {
        CONFIG& config = store.subnets[s];
        const std::array<uint8_t, kSubnetBlockSize> none{};
        decodeSubnetBlock(received.subnetBlocks[s] ? *received.subnetBlocks[s] : none, config,
                          device);
        config.commandCount = 0;
        for (const auto& record : received.commands[s]) {
            if (!record)
                continue;
            INSTRUCTION& command = config.commands[static_cast<size_t>(config.commandCount++)];
            decodeCommand(*record, command, device);
        }
        rebuildNodes(config);
    }
}

} // namespace brenmoor
