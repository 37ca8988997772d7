#pragma once

#include "core/model/parameter_store.h"
#include "core/serial/block_field.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace brenmoor {

// The subnet parameter block (requests 0x03 and 0x04). Its first byte is the
// protocol mode, which picks the group of parameters the rest of the block
// carries; the interface byte goes out whatever the mode.
const Field<CONFIG>& protocolField();

struct SubnetGroup {
    uint8_t protocol; // the code of the mode in the protocol byte
    std::span<const Field<CONFIG>> fields;
    bool readsShared; // whether an upload takes the shared fields from this group's block
};

std::span<const SubnetGroup> subnetGroups();
std::span<const Field<CONFIG>> sharedSubnetFields();

// The group of the subnet's mode text, or of the block's protocol byte;
// nothing for a mode of no known code.
const SubnetGroup* groupOfMode(std::string_view protocolMode);
const SubnetGroup* groupOfBlock(std::span<const uint8_t> block);

} // namespace brenmoor
