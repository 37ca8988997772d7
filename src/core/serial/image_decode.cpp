#include "core/serial/image_codec.h"

#include "core/model/store_texts.h"
#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"
#include "core/serial/code_tables.h"

#include <cstdio>

namespace brenmoor {
namespace {

int word(std::span<const uint8_t> b, size_t at) {
    return b[at] * 256 + b[at + 1];
}

void setFromTable(std::string& field, std::span<const CodeText> table, int code) {
    if (auto t = textOf(table, code))
        field = std::string(*t);
}

std::string lowerHex(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(value));
    return text;
}

void decodeInterfaces(uint8_t value, COMMONPARAM& common) {
    common.commInterface = value != 0 ? text::Rs232 : text::Rs485;
    common.debugInterface = value != 0 ? text::Rs485 : text::Rs232;
}

struct LineRefs {
    std::string& baud;
    std::string& dataBits;
    std::string& parity;
    std::string& stopBits;
};

void decodeLine(std::span<const uint8_t, kSubnetBlockSize> b, LineRefs line) {
    setFromTable(line.baud, kSubnetBauds, b[1]);
    line.dataBits = b[2] != 0 ? "7" : "8";
    setFromTable(line.parity, kParities, b[3]);
    line.stopBits = b[4] != 0 ? "2" : "1";
}

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
    f.fieldbusType = text::DeviceNet;
    f.stationAddress = std::to_string(block[0]);
    setFromTable(f.fieldbusBaud, kFieldbusBauds, block[1]);
    setFromTable(f.inputSize, kInputSizes, block[2]);
    setFromTable(f.outputSize, kOutputSizes, block[3]);
}

void decodeSubnetBlock(std::span<const uint8_t, kSubnetBlockSize> b, CONFIG& c,
                       const DeviceSettings& device) {
    const auto protocol = textOf(kProtocolModes, b[0]);
    if (!protocol)
        return;
    c.protocolMode = std::string(*protocol);
    switch (b[0]) {
    case 0: {
        MASTERPARAM& m = c.master;
        decodeLine(b, {m.masterBaud, m.masterDataBits, m.masterParity, m.masterStopBits});
        m.masterTransmission = b[6] != 0 ? text::Ascii : text::Rtu;
        m.responseTimeout = std::to_string(word(b, 7));
        m.pollDelay = std::to_string(b[9] * 10);
        setFromTable(m.outputMode, kOutputModes, b[10]);
        if (b[10] == 4)
            m.outputPulse = std::to_string(b[11] * 10);
        m.scanRate = std::to_string(b[12]);
        decodeInterfaces(b[21], c.common);
        if (device.commandStatus) {
            if (b[13] == 0)
                m.commandStatus = text::Close;
            else if (b[13] <= 6)
                m.commandStatus = std::to_string(b[13]) + std::string(loadString(msg::BytesSuffix));
        }
        break;
    }
    case 1: {
        SLAVEPARAM& s = c.slave;
        decodeLine(b, {s.slaveBaud, s.slaveDataBits, s.slaveParity, s.slaveStopBits});
        s.slaveAddress = std::to_string(b[5]);
        s.slaveTransmission = b[6] != 0 ? text::Ascii : text::Rtu;
        decodeInterfaces(b[21], c.common);
        break;
    }
    case 2: {
        CUSTOMPARAM& k = c.custom;
        decodeLine(b, {k.customBaud, k.customDataBits, k.customParity, k.customStopBits});
        break;
    }
    case 3: {
        COMMONPARAM& k = c.common;
        decodeLine(b, {k.commonBaud, k.commonDataBits, k.commonParity, k.commonStopBits});
        k.frameControl = b[13] != 0 ? text::NumberOfCharacters : text::CharacterTimeout;
        k.charTimeout = std::to_string(word(b, 14));
        k.charCount = std::to_string(b[16]);
        k.autoSend = b[17] != 0 ? text::Open : text::Close;
        k.autoSendCycle = std::to_string(word(b, 18));
        k.useCrc = b[20] != 0 ? text::Open : text::Close;
        decodeInterfaces(b[21], k);
        break;
    }
    default:
        break;
    }
}

void decodeCommand(std::span<const uint8_t, kCommandRecordSize> r, INSTRUCTION& k,
                   const DeviceSettings& device) {
    k.slaveAddress = std::to_string(r[0]);
    k.functionCode = std::to_string(r[1]);
    k.startAddress = std::to_string(word(r, 2));
    k.dataCount = std::to_string(word(r, 4));
    k.mapAddress = lowerHex(word(r, 6));
    k.bitOffset = std::to_string(r[8]);
    setFromTable(k.scanType, kScanTypes, r[9]);
    setFromTable(k.swapMode,
                 device.dataFilter ? std::span<const CodeText>(kFilterSwapModes)
                                   : std::span<const CodeText>(kSwapModes),
                 r[10]);
}

void decodeClearingOption(uint8_t value, ParameterStore& store, const DeviceSettings& device) {
    CONFIG& first = store.subnets[0];
    if (device.doubleFault) {
        first.doubleFaultClear = value != 0 ? text::Open : text::Close;
        return;
    }
    if (value != 0) {
        first.master.timeoutAction = std::string(loadString(msg::TimeoutCleared));
        first.master.timeoutCount = std::to_string(value);
    } else {
        first.master.timeoutAction = text::Keep;
    }
}

void decodeProfibusConfigData(std::span<const uint8_t, kProfibusConfigSize> data, FIELDBUS& f) {
    const size_t n = data[0] > 8 ? 8 : data[0];
    f.profibusConfigMode = n != 0 ? text::EnterConfigData : text::UseNumberOfBytes;
    f.profibusConfigData.clear();
    char pair[4];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(pair, sizeof pair, "%02x ", data[1 + i]);
        f.profibusConfigData += pair;
    }
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
