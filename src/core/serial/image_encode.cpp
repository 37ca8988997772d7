#include "core/serial/image_codec.h"

#include "core/model/number_text.h"
#include "core/serial/block_transfer.h"
#include "core/serial/command_layout.h"
#include "core/serial/devicenet_layout.h"
#include "core/serial/field_codec.h"
#include "core/serial/option_layouts.h"
#include "core/serial/subnet_layout.h"

#include <cctype>

namespace brenmoor {

namespace {

int leadingNumber(std::string_view text, int base) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long value = 0;
    for (; i < text.size(); ++i) {
        const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            break;
        value = value * base + digit;
        if (value > 0x7fffffffL)
            value = 0x7fffffffL;
    }
    return static_cast<int>(negative ? -value : value);
}

// The blocks that go out alike under every flag are encoded without them.
const DeviceSettings kNoFlags{};

} // namespace

int encodedDecimal(std::string_view text) {
    return leadingInt(text);
}
int encodedHex(std::string_view text) {
    return leadingNumber(text, 16);
}

std::array<uint8_t, kDeviceNetBlockSize> encodeDeviceNetBlock(const ParameterStore& store) {
    std::array<uint8_t, kDeviceNetBlockSize> block{};
    encodeFields(deviceNetFields(), store.fieldbus, block, kNoFlags);
    return block;
}

std::array<uint8_t, kSubnetBlockSize> encodeSubnetBlock(const ParameterStore& store, int subnet) {
    const CONFIG& c = store.subnets[static_cast<size_t>(subnet)];
    std::array<uint8_t, kSubnetBlockSize> block{};
    // A text of no known mode leaves the protocol byte at 0 and sends no
    // group's fields; only the shared ones go out.
    encodeFields(std::span<const Field<CONFIG>>(&protocolField(), 1), c, block, kNoFlags);
    if (const SubnetGroup* group = groupOfMode(c.protocolMode))
        encodeFields(group->fields, c, block, kNoFlags);
    encodeFields(sharedSubnetFields(), c, block, kNoFlags);
    return block;
}

std::array<uint8_t, kCommandRecordSize> encodeCommand(const ParameterStore& store, int subnet,
                                                      int command) {
    const INSTRUCTION& k =
        store.subnets[static_cast<size_t>(subnet)].commands[static_cast<size_t>(command)];
    std::array<uint8_t, kCommandRecordSize> record{};
    encodeFields(commandFields(), k, record, kNoFlags);
    return record;
}

uint8_t encodeClearingOption(const ParameterStore& store, const DeviceSettings& device) {
    std::array<uint8_t, 1> value{};
    encodeFields(clearingOptionFields(), store.subnets[0], value, device);
    return value[0];
}

std::array<uint8_t, kProfibusConfigSize> encodeProfibusConfigData(const ParameterStore& store) {
    std::array<uint8_t, kProfibusConfigSize> data{};
    encodeFields(profibusConfigFields(), store.fieldbus, data, kNoFlags);
    return data;
}

std::vector<uint8_t> deviceNetWriteFrame(const ParameterStore& store) {
    return writeFrame(Block::DeviceNet, {}, encodeDeviceNetBlock(store));
}

std::vector<uint8_t> subnetWriteFrame(const ParameterStore& store, int subnet) {
    const uint8_t address[] = {static_cast<uint8_t>(subnet)};
    return writeFrame(Block::Subnet, address, encodeSubnetBlock(store, subnet));
}

std::vector<uint8_t> commandWriteFrame(const ParameterStore& store, int subnet, int command) {
    const uint8_t address[] = {static_cast<uint8_t>(subnet), static_cast<uint8_t>(command)};
    return writeFrame(Block::Command, address, encodeCommand(store, subnet, command));
}

} // namespace brenmoor
