#include "core/serial/block_transfer.h"

#include "core/serial/frame.h"

#include <array>

namespace brenmoor {

namespace {

constexpr std::array<BlockTransfer, 5> kTransfers{{
    {Block::DeviceNet, code::WriteDeviceNet, code::ReadDeviceNet, 0, kDeviceNetBlockSize},
    {Block::Subnet, code::WriteSubnet, code::ReadSubnet, 1, kSubnetBlockSize},
    {Block::Command, code::WriteCommand, std::nullopt, 2, kCommandRecordSize},
    {Block::ClearingOption, code::WriteClearingOption, code::ReadClearingOption, 0, 1},
    {Block::ProfibusConfig, code::WriteProfibusConfig, code::ReadProfibusConfig, 0,
     kProfibusConfigSize},
}};

} // namespace

const BlockTransfer& transferOf(Block block) {
    for (const BlockTransfer& t : kTransfers)
        if (t.block == block)
            return t;
    return kTransfers.front();
}

const BlockTransfer* transferWriting(uint8_t request) {
    for (const BlockTransfer& t : kTransfers)
        if (t.write == request)
            return &t;
    return nullptr;
}

const BlockTransfer* transferReading(uint8_t request) {
    for (const BlockTransfer& t : kTransfers)
        if (t.read == request)
            return &t;
    return nullptr;
}

std::vector<uint8_t> writeFrame(Block block, std::span<const uint8_t> address,
                                std::span<const uint8_t> bytes) {
    std::vector<uint8_t> data(address.begin(), address.end());
    data.insert(data.end(), bytes.begin(), bytes.end());
    return buildFrame(transferOf(block).write, data);
}

} // namespace brenmoor
