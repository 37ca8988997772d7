#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace brenmoor {

// The blocks of the gateway's configuration memory.
enum class Block : uint8_t { DeviceNet, Subnet, Command, ClearingOption, ProfibusConfig };

// How a block travels. A write carries the block's address (the subnet
// number, then for a command its index) and the block; a read asks by the
// address and the reply repeats it before the block.
struct BlockTransfer {
    Block block;
    uint8_t write;
    std::optional<uint8_t> read; // none: read only in packets (the commands)
    size_t addressSize;
    size_t size;
};

const BlockTransfer& transferOf(Block block);
// The block a request writes or reads on its own; nothing for other requests.
const BlockTransfer* transferWriting(uint8_t request);
const BlockTransfer* transferReading(uint8_t request);

// The write request of a block at an address.
std::vector<uint8_t> writeFrame(Block block, std::span<const uint8_t> address,
                                std::span<const uint8_t> bytes);

} // namespace brenmoor
