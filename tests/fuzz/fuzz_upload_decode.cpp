// What an upload received, as arbitrary blocks and records, applied to a
// project as the upload applies it. Whatever the gateway held, the project
// must hold it so that a download sends it back: every byte the texts carry
// encodes to the byte it came from, the commands keep their order and their
// nodes, and the project saves to a file that opens again.
//
// Input: a flags byte, a byte of which optional blocks and subnet blocks are
// present, the device information (its type is always 1), the blocks
// present, then command records (a byte of subnet and index, eleven bytes
// of record) to the end.
#include "fuzz_support.h"

#include "core/model/parameter_store.h"
#include "core/serial/code_tables.h"
#include "core/serial/image_codec.h"
#include "core/serial/upload_sequence.h"

#include <set>

using namespace brenmoor;
using fuzz::check;

namespace {

DeviceSettings flagsFrom(uint8_t bits) {
    DeviceSettings device = makeNewProject().device;
    device.dataFilter = bits & 0x01;
    device.commonMode = bits & 0x02;
    device.doubleFault = bits & 0x04;
    device.profibusData = bits & 0x08;
    device.commandStatus = bits & 0x10;
    device.delimiter = bits & 0x20;
    return device;
}

ReceivedData receivedFrom(fuzz::ByteReader& in) {
    ReceivedData received;
    const uint8_t present = in.byte();
    received.deviceInfo = in.block<8>();
    // The upload reads nothing further from a gateway of another type.
    received.deviceInfo[0] = 1;
    if (present & 0x01)
        received.deviceNetBlock = in.block<kDeviceNetBlockSize>();
    if (present & 0x02)
        received.clearingOption = in.byte();
    if (present & 0x04)
        received.profibusConfig = in.block<kProfibusConfigSize>();
    for (size_t s = 0; s < kSubnetCount; ++s)
        if (present & (0x10 << s))
            received.subnetBlocks[s] = in.block<kSubnetBlockSize>();
    while (!in.empty()) {
        const uint8_t place = in.byte();
        const auto record = in.block<kCommandRecordSize>();
        // The packet parser keeps only indexes below the list's size.
        if ((place & 0x3F) < kMaxCommands)
            received.commands[place >> 6][place & 0x3F] = record;
    }
    return received;
}

bool flag(uint8_t byte) {
    return byte != 0;
}

void checkDeviceNet(const ParameterStore& store, const std::array<uint8_t, 4>& block) {
    const auto sent = encodeDeviceNetBlock(store);
    check(sent[0] == block[0]);
    if (textOf(kFieldbusBauds, block[1]))
        check(sent[1] == block[1]);
    if (textOf(kInputSizes, block[2]))
        check(sent[2] == block[2]);
    if (textOf(kOutputSizes, block[3]))
        check(sent[3] == block[3]);
}

void checkSubnet(const ParameterStore& store, const ParameterStore& defaults, int s,
                 const std::array<uint8_t, kSubnetBlockSize>& b, const DeviceSettings& device) {
    const auto sent = encodeSubnetBlock(store, s);
    if (!textOf(kProtocolModes, b[0])) {
        // An unknown protocol leaves the subnet's parameters at their defaults.
        check(sent == encodeSubnetBlock(defaults, s));
        return;
    }
    auto word = [](const std::array<uint8_t, kSubnetBlockSize>& x, size_t at) {
        return x[at] * 256 + x[at + 1];
    };
    check(sent[0] == b[0]);
    if (textOf(kSubnetBauds, b[1]))
        check(sent[1] == b[1]);
    check(sent[2] == flag(b[2]));
    if (textOf(kParities, b[3]))
        check(sent[3] == b[3]);
    check(sent[4] == flag(b[4]));
    switch (b[0]) {
    case 0:
        check(sent[6] == flag(b[6]));
        check(word(sent, 7) == word(b, 7));
        check(sent[9] == b[9]);
        if (textOf(kOutputModes, b[10]))
            check(sent[10] == b[10]);
        if (b[10] == 4)
            check(sent[11] == b[11]);
        check(sent[12] == b[12]);
        if (device.commandStatus && b[13] <= 6)
            check(sent[13] == b[13]);
        check(sent[21] == flag(b[21]));
        break;
    case 1:
        check(sent[5] == b[5]);
        check(sent[6] == flag(b[6]));
        check(sent[21] == flag(b[21]));
        break;
    case 3:
        check(sent[13] == flag(b[13]));
        check(word(sent, 14) == word(b, 14));
        check(sent[16] == b[16]);
        check(sent[17] == flag(b[17]));
        check(word(sent, 18) == word(b, 18));
        check(sent[20] == flag(b[20]));
        check(sent[21] == flag(b[21]));
        break;
    default:
        break;
    }
}

void checkCommands(const ParameterStore& store, const ReceivedData& received, int s) {
    const CONFIG& config = store.subnets[static_cast<size_t>(s)];
    int k = 0;
    std::set<uint8_t> addresses;
    for (const auto& record : received.commands[static_cast<size_t>(s)]) {
        if (!record)
            continue;
        check(k < config.commandCount);
        const auto sent = encodeCommand(store, s, k);
        const auto& r = *record;
        for (size_t i = 0; i <= 8; ++i)
            check(sent[i] == r[i]);
        if (textOf(kScanTypes, r[9]))
            check(sent[9] == r[9]);
        if (r[10] <= 2)
            check(sent[10] == r[10]);
        // Nodes are the distinct slave addresses, each command under its own.
        const INSTRUCTION& command = config.commands[static_cast<size_t>(k)];
        check(command.nodeNumber >= 1 && command.nodeNumber <= config.nodeCount);
        check(config.nodes[static_cast<size_t>(command.nodeNumber - 1)].address ==
              command.slaveAddress);
        addresses.insert(r[0]);
        ++k;
    }
    check(config.commandCount == k);
    check(config.nodeCount == static_cast<int>(addresses.size()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ByteReader in(std::span(data, size));
    Project project = makeNewProject();
    project.device = flagsFrom(in.byte());
    const ReceivedData received = receivedFrom(in);

    ParameterStore defaults;
    ResetToDefaults(defaults, project.device);
    applyUpload(project, received);
    const DeviceSettings& device = project.device;
    const ParameterStore& store = project.store;

    if (received.deviceNetBlock)
        checkDeviceNet(store, *received.deviceNetBlock);
    for (int s = 0; s < kSubnetCount; ++s) {
        const auto& block = received.subnetBlocks[static_cast<size_t>(s)];
        checkSubnet(store, defaults, s, block ? *block : std::array<uint8_t, kSubnetBlockSize>{},
                    device);
        checkCommands(store, received, s);
    }
    if (received.clearingOption) {
        const uint8_t value = *received.clearingOption;
        check(encodeClearingOption(store, device) == (device.doubleFault ? flag(value) : value));
    }
    if (received.profibusConfig) {
        const auto& got = *received.profibusConfig;
        std::array<uint8_t, kProfibusConfigSize> expected{};
        expected[0] = std::min<uint8_t>(got[0], kProfibusConfigSize - 1);
        std::copy_n(got.begin() + 1, expected[0], expected.begin() + 1);
        check(encodeProfibusConfigData(store) == expected);
    }
    fuzz::checkSavesAndReopens(project);
    return 0;
}
