#include "core/model/project.h"
#include "core/model/store_texts.h"
#include "core/serial/code_tables.h"
#include "core/serial/image_codec.h"

#include <gtest/gtest.h>

namespace brenmoor {
namespace {

using Bytes = std::vector<uint8_t>;

template <size_t N> Bytes bytes(const std::array<uint8_t, N>& a) {
    return Bytes(a.begin(), a.end());
}

struct CodecTest : ::testing::Test {
    Project project = makeNewProject();
    ParameterStore& store = project.store;
    DeviceSettings& device = project.device;
    CONFIG& subnet = project.store.subnets[0];

    INSTRUCTION& addCommand(std::string slave, std::string mapAddress = "0") {
        INSTRUCTION& k = subnet.commands[static_cast<size_t>(subnet.commandCount++)];
        k.slaveAddress = std::move(slave);
        k.functionCode = "3";
        k.startAddress = "0";
        k.dataCount = "1";
        k.mapAddress = std::move(mapAddress);
        k.bitOffset = "0";
        k.scanType = std::string(text::FastScan);
        k.swapMode = std::string(text::NoSwap);
        return k;
    }
};

TEST_F(CodecTest, EveryTableRoundTrips) {
    for (const auto& row : kFieldbusBauds) {
        store.fieldbus.fieldbusBaud = row.text;
        const auto block = encodeDeviceNetBlock(store);
        EXPECT_EQ(block[1], row.code);
        FIELDBUS back;
        decodeDeviceNetBlock(block, back);
        EXPECT_EQ(back.fieldbusBaud, row.text);
    }
    for (const auto& row : kInputSizes) {
        store.fieldbus.inputSize = row.text;
        FIELDBUS back;
        decodeDeviceNetBlock(encodeDeviceNetBlock(store), back);
        EXPECT_EQ(back.inputSize, row.text);
    }
    for (const auto& row : kOutputSizes) {
        store.fieldbus.outputSize = row.text;
        FIELDBUS back;
        decodeDeviceNetBlock(encodeDeviceNetBlock(store), back);
        EXPECT_EQ(back.outputSize, row.text);
        EXPECT_EQ(back.fieldbusType, text::DeviceNet);
    }
    for (const auto& protocol : kProtocolModes)
        for (const auto& baud : kSubnetBauds)
            for (const auto& parity : kParities) {
                CONFIG c = subnet;
                c.protocolMode = protocol.text;
                c.master.masterBaud = c.slave.slaveBaud = c.custom.customBaud =
                    c.common.commonBaud = baud.text;
                c.master.masterParity = c.slave.slaveParity = c.custom.customParity =
                    c.common.commonParity = parity.text;
                c.master.masterDataBits = c.slave.slaveDataBits = c.custom.customDataBits =
                    c.common.commonDataBits = "7";
                c.master.masterStopBits = c.slave.slaveStopBits = c.custom.customStopBits =
                    c.common.commonStopBits = "2";
                c.slave.slaveAddress = "9";
                store.subnets[1] = c;
                const auto block = encodeSubnetBlock(store, 1);
                EXPECT_EQ(block[0], protocol.code);
                EXPECT_EQ(block[1], baud.code);
                EXPECT_EQ(block[2], 1);
                EXPECT_EQ(block[3], parity.code);
                EXPECT_EQ(block[4], 1);
                CONFIG back = makeNewProject().store.subnets[1];
                decodeSubnetBlock(block, back, device);
                const auto line = [](const CONFIG& x) {
                    return std::vector<std::string>{x.protocolMode,        x.master.masterBaud,
                                                    x.master.masterParity, x.master.masterDataBits,
                                                    x.slave.slaveStopBits, x.slave.slaveAddress,
                                                    x.custom.customBaud,   x.custom.customParity,
                                                    x.common.commonBaud,   x.common.commonStopBits};
                };
                EXPECT_EQ(back.common.commInterface, c.common.commInterface);
                CONFIG expected = makeNewProject().store.subnets[1];
                expected.protocolMode = c.protocolMode;
                switch (protocol.code) {
                case 0:
                    expected.master = c.master;
                    break;
                case 1:
                    expected.slave = c.slave;
                    break;
                case 2:
                    expected.custom = c.custom;
                    break;
                default:
                    expected.common = c.common;
                }
                EXPECT_EQ(line(back), line(expected)) << protocol.text << " " << baud.text;
            }
}

TEST_F(CodecTest, MasterBlockFieldsAndRounding) {
    subnet.master.responseTimeout = "1000";
    subnet.master.pollDelay = "25";
    subnet.master.outputMode = std::string(text::PulseOutput);
    subnet.master.outputPulse = "125";
    subnet.master.scanRate = "7";
    subnet.master.masterTransmission = std::string(text::Ascii);
    subnet.master.commandStatus = "2Bytes";
    subnet.common.commInterface = std::string(text::Rs232);
    const auto b = encodeSubnetBlock(store, 0);
    EXPECT_EQ(bytes(b),
              (Bytes{0, 5, 0, 0, 0, 0, 1, 0x03, 0xE8, 2, 4, 12, 7, 2, 0, 0, 0, 0, 0, 0, 0, 1}));

    device.commandStatus = true;
    CONFIG back = makeNewProject().store.subnets[0];
    decodeSubnetBlock(b, back, device);
    EXPECT_EQ(back.master.pollDelay, "20");
    EXPECT_EQ(back.master.outputPulse, "120");
    EXPECT_EQ(back.master.responseTimeout, "1000");
    EXPECT_EQ(back.master.commandStatus, "2Bytes");
    EXPECT_EQ(back.common.commInterface, text::Rs232);
    EXPECT_EQ(back.common.debugInterface, text::Rs485);

    // Without the command-status flag the byte is sent but not read back;
    // the pulse time is read only with pulse output.
    device.commandStatus = false;
    auto cycle = b;
    cycle[10] = 1;
    cycle[13] = 0;
    CONFIG plain = makeNewProject().store.subnets[0];
    plain.master.commandStatus = "3Bytes";
    decodeSubnetBlock(cycle, plain, device);
    EXPECT_EQ(plain.master.commandStatus, "3Bytes");
    EXPECT_EQ(plain.master.outputMode, text::Cycle);
    EXPECT_EQ(plain.master.outputPulse, text::NotSet);
    EXPECT_EQ(plain.common.commInterface, text::Rs232);
}

TEST_F(CodecTest, BaudWithoutCodeAndUnknownProtocol) {
    subnet.master.masterBaud = "4800";
    const auto b = encodeSubnetBlock(store, 0);
    EXPECT_EQ(b[1], 0);
    CONFIG back = subnet;
    decodeSubnetBlock(b, back, device);
    EXPECT_EQ(back.master.masterBaud, "300");

    auto unknown = b;
    unknown[0] = 7;
    CONFIG untouched = makeNewProject().store.subnets[0];
    const CONFIG before = untouched;
    decodeSubnetBlock(unknown, untouched, device);
    EXPECT_EQ(untouched, before);

    // A mode text of another edition matches no choice: the cleared block
    // keeps protocol 0 and no group's fields, only the interface goes out.
    subnet.protocolMode = "Modbus master";
    subnet.common.commInterface = "RS232";
    std::array<uint8_t, kSubnetBlockSize> expected{};
    expected[21] = 1;
    EXPECT_EQ(encodeSubnetBlock(store, 0), expected);
}

TEST_F(CodecTest, SlaveAndCommonModeBlocks) {
    subnet.protocolMode = std::string(text::ModbusSlave);
    subnet.slave.slaveAddress = "17";
    subnet.slave.slaveTransmission = std::string(text::Ascii);
    auto b = encodeSubnetBlock(store, 0);
    EXPECT_EQ(b[5], 17);
    EXPECT_EQ(b[6], 1);
    EXPECT_EQ(b[7], 0);

    subnet.protocolMode = std::string(text::CommonMode);
    subnet.common.frameControl = std::string(text::NumberOfCharacters);
    subnet.common.charTimeout = "300";
    subnet.common.charCount = "111";
    subnet.common.autoSend = std::string(text::Open);
    subnet.common.autoSendCycle = "1000";
    subnet.common.useCrc = std::string(text::Open);
    b = encodeSubnetBlock(store, 0);
    EXPECT_EQ(b[5], 0);
    EXPECT_EQ(b[6], 0);
    EXPECT_EQ(b[13], 1);
    EXPECT_EQ(b[14], 1);
    EXPECT_EQ(b[15], 44);
    EXPECT_EQ(b[16], 111);
    EXPECT_EQ(b[17], 1);
    EXPECT_EQ(b[18], 3);
    EXPECT_EQ(b[19], 0xE8);
    EXPECT_EQ(b[20], 1);
    CONFIG back = makeNewProject().store.subnets[0];
    decodeSubnetBlock(b, back, device);
    EXPECT_EQ(back.common.frameControl, text::NumberOfCharacters);
    EXPECT_EQ(back.common.charTimeout, "300");
    EXPECT_EQ(back.common.autoSendCycle, "1000");
    EXPECT_EQ(back.common.useCrc, text::Open);
    EXPECT_EQ(back.common.autoSend, text::Open);
}

TEST_F(CodecTest, CommandRecordBothDirections) {
    INSTRUCTION& k = addCommand("3", "4010");
    k.functionCode = "16";
    k.startAddress = "300";
    k.dataCount = "10";
    k.bitOffset = "5";
    k.scanType = std::string(text::SlowScan);
    k.swapMode = std::string(text::TwoBytesSwap);
    EXPECT_EQ(bytes(encodeCommand(store, 0, 0)),
              (Bytes{3, 16, 0x01, 0x2C, 0, 10, 0x40, 0x10, 5, 1, 1}));

    INSTRUCTION back;
    decodeCommand(encodeCommand(store, 0, 0), back, device);
    EXPECT_EQ(back.mapAddress, "4010");
    EXPECT_EQ(back.startAddress, "300");
    EXPECT_EQ(back.scanType, text::SlowScan);
    EXPECT_EQ(back.swapMode, text::TwoBytesSwap);

    k.mapAddress = "00A0";
    decodeCommand(encodeCommand(store, 0, 0), back, device);
    EXPECT_EQ(back.mapAddress, "a0");

    const std::pair<std::string_view, uint8_t> swaps[] = {
        {text::NoSwap, 0},        {text::FullWord, 0}, {text::TwoBytesSwap, 1}, {text::HighByte, 1},
        {text::FourBytesSwap, 2}, {text::LowByte, 2},  {"anything", 2}};
    for (const auto& [swap, code] : swaps) {
        k.swapMode = swap;
        EXPECT_EQ(encodeCommand(store, 0, 0)[10], code) << swap;
    }
    device.dataFilter = true;
    auto record = encodeCommand(store, 0, 0);
    for (uint8_t c = 0; c < 3; ++c) {
        record[10] = c;
        decodeCommand(record, back, device);
        EXPECT_EQ(back.swapMode, kFilterSwapModes[c].text);
    }
}

TEST_F(CodecTest, NumbersAreTheirLeadingDigits) {
    EXPECT_EQ(encodedDecimal("2Bytes"), 2);
    EXPECT_EQ(encodedDecimal("Close"), 0);
    EXPECT_EQ(encodedDecimal("-1"), -1);
    EXPECT_EQ(encodedDecimal(""), 0);
    EXPECT_EQ(encodedHex("4010"), 0x4010);
    EXPECT_EQ(encodedHex("a0zz"), 0xa0);
    // An unset start address ("-1") goes out as 00 FF, as two bytes of -1 would.
    addCommand("1").startAddress = "-1";
    const auto r = encodeCommand(store, 0, 0);
    EXPECT_EQ(r[2], 0x00);
    EXPECT_EQ(r[3], 0xFF);
}

TEST_F(CodecTest, ClearingOptionFollowsTheFlag) {
    device.doubleFault = true;
    subnet.doubleFaultClear = std::string(text::Close);
    EXPECT_EQ(encodeClearingOption(store, device), 0);
    subnet.doubleFaultClear = std::string(text::Open);
    EXPECT_EQ(encodeClearingOption(store, device), 1);
    decodeClearingOption(0, store, device);
    EXPECT_EQ(subnet.doubleFaultClear, text::Close);

    device.doubleFault = false;
    device.commandStatus = true;
    subnet.master.timeoutAction = std::string(text::Keep);
    subnet.master.timeoutCount = "5";
    EXPECT_EQ(encodeClearingOption(store, device), 0);
    subnet.master.timeoutAction = std::string(text::TimeoutClearedAction);
    EXPECT_EQ(encodeClearingOption(store, device), 5);
    decodeClearingOption(9, store, device);
    EXPECT_EQ(subnet.master.timeoutAction, "Timeout cleared");
    EXPECT_EQ(subnet.master.timeoutCount, "9");
    decodeClearingOption(0, store, device);
    EXPECT_EQ(subnet.master.timeoutAction, text::Keep);
    EXPECT_EQ(subnet.master.timeoutCount, "9");
}

TEST_F(CodecTest, ProfibusConfigurationData) {
    store.fieldbus.profibusConfigMode = std::string(text::EnterConfigData);
    store.fieldbus.profibusConfigData = "D1 E1";
    EXPECT_EQ(bytes(encodeProfibusConfigData(store)), (Bytes{2, 0xD1, 0xE1, 0, 0, 0, 0, 0, 0}));
    store.fieldbus.profibusConfigData = "d1 xz 0";
    EXPECT_EQ(bytes(encodeProfibusConfigData(store)), (Bytes{2, 0xD1, 0x00, 0, 0, 0, 0, 0, 0}));
    store.fieldbus.profibusConfigData = "01 02 03 04 05 06 07 08 09 0A";
    EXPECT_EQ(encodeProfibusConfigData(store)[0], 8);
    store.fieldbus.profibusConfigMode = std::string(text::UseNumberOfBytes);
    EXPECT_EQ(bytes(encodeProfibusConfigData(store)), Bytes(9, 0));

    FIELDBUS back;
    decodeProfibusConfigData(std::array<uint8_t, 9>{2, 0xD1, 0xE1, 7, 7, 7, 7, 7, 7}, back);
    EXPECT_EQ(back.profibusConfigMode, text::EnterConfigData);
    EXPECT_EQ(back.profibusConfigData, "d1 e1 ");
    decodeProfibusConfigData(std::array<uint8_t, 9>{0, 0xD1}, back);
    EXPECT_EQ(back.profibusConfigMode, text::UseNumberOfBytes);
    EXPECT_EQ(back.profibusConfigData, "");
    decodeProfibusConfigData(std::array<uint8_t, 9>{200, 1, 2, 3, 4, 5, 6, 7, 8}, back);
    EXPECT_EQ(back.profibusConfigData, "01 02 03 04 05 06 07 08 ");
}

TEST_F(CodecTest, DecodeUploadRebuildsNodesFromCommands) {
    for (const char* slave : {"3", "5", "3", "7"})
        addCommand(slave);
    ReceivedData received;
    received.deviceInfo[0] = 1;
    received.deviceNetBlock = encodeDeviceNetBlock(store);
    received.subnetBlocks[0] = encodeSubnetBlock(store, 0);
    for (int k = 0; k < 4; ++k)
        received.commands[0][static_cast<size_t>(k)] = encodeCommand(store, 0, k);

    Project target = makeNewProject();
    target.device.deviceFamily = 3;
    decodeUpload(received, target.store, target.device);
    const CONFIG& s0 = target.store.subnets[0];
    EXPECT_EQ(target.device.deviceFamily, 0);
    ASSERT_EQ(s0.nodeCount, 3);
    EXPECT_EQ(s0.nodes[0].name, "Node-3");
    EXPECT_EQ(s0.nodes[1].name, "Node-5");
    EXPECT_EQ(s0.nodes[2].address, "7");
    ASSERT_EQ(s0.commandCount, 4);
    EXPECT_EQ(s0.commands[0].nodeNumber, 1);
    EXPECT_EQ(s0.commands[1].nodeNumber, 2);
    EXPECT_EQ(s0.commands[2].nodeNumber, 1);
    EXPECT_EQ(s0.commands[3].nodeNumber, 3);

    // The subnets that were not read decode from zero bytes.
    const CONFIG& s1 = target.store.subnets[1];
    EXPECT_EQ(s1.protocolMode, text::ModbusMaster);
    EXPECT_EQ(s1.master.masterBaud, "300");
    EXPECT_EQ(s1.master.responseTimeout, "0");
    EXPECT_EQ(s1.master.scanRate, "0");
    EXPECT_EQ(s1.nodeCount, 0);
    EXPECT_EQ(s1.commandCount, 0);
}

} // namespace
} // namespace brenmoor
