#include "compare_fixtures.h"

#include "core/compare/config_diff.h"
#include "core/model/store_texts.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace brenmoor {
namespace {

using testing::addCommand;
using testing::addNode;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::lines;
using testing::sampleProject;

bool sameDifference(const ConfigDifference& d, const ConfigDifference& e) {
    return d.place == e.place && d.label == e.label && d.left == e.left && d.right == e.right &&
           d.travels == e.travels;
}

MATCHER_P5(Difference, place, label, left, right, travels, "") {
    return sameDifference(arg, ConfigDifference{place, label, left, right, travels});
}

TEST(CompareConfigurations, IdenticalConfigurationsHaveNoDifference) {
    const Project a = sampleProject();
    EXPECT_THAT(compareConfigurations(a, a), IsEmpty());
    EXPECT_THAT(compareConfigurations(makeNewProject(), makeNewProject()), IsEmpty());
}

TEST(CompareConfigurations, MappingAddressesCompareAsNumbers) {
    // Auto Mapping writes upper case, an upload lower case without zeros.
    Project a = sampleProject();
    Project b = sampleProject();
    a.store.subnets[0].commands[0].mapAddress = "00A0";
    b.store.subnets[0].commands[0].mapAddress = "a0";
    EXPECT_THAT(compareConfigurations(a, b), IsEmpty());

    b.store.subnets[0].commands[0].mapAddress = "a1";
    EXPECT_THAT(compareConfigurations(a, b),
                ElementsAre(Difference("Subnet 1, node 3, command 1", "Mapping Address (HEX)",
                                       "00A0", "a1", true)));
}

TEST(CompareConfigurations, FieldbusValueIsNamedByItsRow) {
    Project a = sampleProject();
    Project b = sampleProject();
    b.store.fieldbus.stationAddress = "6";
    b.store.fieldbus.inputSize = "32";
    const auto diffs = compareConfigurations(a, b);
    EXPECT_THAT(
        diffs,
        ElementsAre(Difference("Fieldbus", "DeviceNet Address(0~63)", "5", "6", true),
                    Difference("Fieldbus", "Size of DeviceNet Input Buffer", "64", "32", true)));
    EXPECT_EQ(lines(diffs)[0], "Fieldbus: DeviceNet Address(0~63) is 6 in B.chg, 5 in A.chg");
}

TEST(CompareConfigurations, TextsTheCellShowsAlikeAreToldApartByWhatIsStored) {
    Project a = sampleProject();
    Project b = sampleProject();
    a.store.fieldbus.stationAddress = "-1";
    b.store.fieldbus.stationAddress = "";
    EXPECT_THAT(compareConfigurations(a, b),
                ElementsAre(Difference("Fieldbus", "DeviceNet Address(0~63)", "-1", "", true)));

    b.store.fieldbus.stationAddress = "9";
    const auto diffs = compareConfigurations(a, b);
    EXPECT_THAT(diffs,
                ElementsAre(Difference("Fieldbus", "DeviceNet Address(0~63)", "", "9", true)));
    EXPECT_EQ(lines(diffs)[0], "Fieldbus: DeviceNet Address(0~63) is 9 in B.chg, empty in A.chg");
}

TEST(CompareConfigurations, SubnetParameterOfTheShownMode) {
    Project a = sampleProject();
    Project b = sampleProject();
    b.store.subnets[0].master.pollDelay = "30";
    b.store.subnets[0].common.commInterface = "RS232";
    EXPECT_THAT(
        compareConfigurations(a, b),
        ElementsAre(Difference("Subnet 1", "Delay Between Polls(0~2500ms)", "20", "30", true),
                    Difference("Subnet 1", "Communication Interface", "RS485", "RS232", true)));
}

TEST(CompareConfigurations, GroupsOfOtherModesAreNamedByTheirModeAndStayHome) {
    Project a = sampleProject();
    Project b = sampleProject();
    b.store.subnets[0].custom.customBaud = "9600";
    EXPECT_THAT(
        compareConfigurations(a, b),
        ElementsAre(Difference("Subnet 1", "Baud Rate (Custom protocol)", "300", "9600", false)));
}

TEST(CompareConfigurations, ChangedProtocolModeSendsTheOtherGroup) {
    Project a = sampleProject();
    Project b = sampleProject();
    b.store.subnets[0].protocolMode = std::string(text::ModbusSlave);
    b.store.subnets[0].slave.slaveAddress = "12";
    const auto diffs = compareConfigurations(a, b);
    ASSERT_GE(diffs.size(), 2u);
    EXPECT_THAT(diffs[0],
                Difference("Subnet 1", "Protocols Mode", "Modbus Master", "Modbus Slave", true));
    EXPECT_TRUE(sameDifference(diffs[1], {"Subnet 1", "Slave Address (Modbus Slave)",
                                          a.store.subnets[0].slave.slaveAddress, "12", true}));
}

TEST(CompareConfigurations, OutputPulseTravelsOnlyForPulseOutput) {
    Project a = sampleProject();
    Project b = sampleProject();
    b.store.subnets[0].master.outputPulse = "500";
    ASSERT_EQ(compareConfigurations(a, b).size(), 1u);
    EXPECT_FALSE(compareConfigurations(a, b)[0].travels);

    a.store.subnets[0].master.outputMode = std::string(text::PulseOutput);
    b.store.subnets[0].master.outputMode = std::string(text::PulseOutput);
    const auto diffs = compareConfigurations(a, b);
    EXPECT_THAT(diffs,
                ElementsAre(Difference("Subnet 1", "Output Pulse(200~2500ms)", "", "500", true)));
}

TEST(CompareConfigurations, OtherSubnetsNeverTravel) {
    Project a = sampleProject();
    Project b = sampleProject();
    b.store.subnets[2].master.scanRate = "5";
    addNode(b, 9); // subnet 1, after the fields of subnet 1 and before subnet 3
    EXPECT_THAT(
        compareConfigurations(a, b),
        ElementsAre(Difference("Subnet 1, node 9", "Slave Address (0~247)", "(none)", "9", false),
                    Difference("Subnet 3", "Scan Rate(1~255)", "10", "5", false)));
}

TEST(CompareConfigurations, NodeNameStaysHome) {
    Project a = sampleProject();
    Project b = sampleProject();
    b.store.subnets[0].nodes[1].name = "Pump";
    const auto diffs = compareConfigurations(a, b);
    EXPECT_THAT(diffs,
                ElementsAre(Difference("Subnet 1, node 7", "Node Name", "Node-7", "Pump", false)));
    EXPECT_EQ(lines(diffs)[0],
              "Subnet 1, node 7: Node Name is Pump in B.chg, Node-7 in A.chg (not sent to the "
              "gateway)");
}

TEST(CompareConfigurations, NodesPairByAddressNotByPosition) {
    Project a = sampleProject();
    Project b = makeNewProject();
    b.store = a.store;
    // The same nodes in the other order, the commands following them.
    CONFIG& c = b.store.subnets[0];
    std::swap(c.nodes[0], c.nodes[1]);
    for (int k = 0; k < c.commandCount; ++k)
        c.commands[k].nodeNumber = 3 - c.commands[k].nodeNumber;
    EXPECT_THAT(compareConfigurations(a, b), IsEmpty());
}

TEST(CompareConfigurations, ChangedNodeAddressIsOneNodeGoneAndOneNew) {
    Project a = sampleProject();
    Project b = sampleProject();
    CONFIG& c = b.store.subnets[0];
    c.nodes[1].address = "8";
    c.commands[1].slaveAddress = "8";
    EXPECT_THAT(
        compareConfigurations(a, b),
        ElementsAre(
            Difference("Subnet 1, node 7", "Slave Address (0~247)", "7", "(none)", true),
            Difference("Subnet 1, node 7, command 1", "Function Code", "16", "(none)", true),
            Difference("Subnet 1, node 8", "Slave Address (0~247)", "(none)", "8", true),
            Difference("Subnet 1, node 8, command 1", "Function Code", "(none)", "16", true)));
}

TEST(CompareConfigurations, CommandFieldsByNodeAndPositionUnderIt) {
    Project a = sampleProject();
    Project b = sampleProject();
    INSTRUCTION& k = b.store.subnets[0].commands[2]; // second command of node 3
    k.startAddress = "100";
    k.swapMode = std::string(text::TwoBytesSwap);
    k.scanType = std::string(text::SlowScan);
    k.byteCount = "8";
    k.checkType = "LRC";
    EXPECT_THAT(
        compareConfigurations(a, b),
        ElementsAre(Difference("Subnet 1, node 3, command 2", "Starting Address", "0", "100", true),
                    Difference("Subnet 1, node 3, command 2", "Number of Bytes", "4", "8", false),
                    Difference("Subnet 1, node 3, command 2", "Byte Swap", "No Swap",
                               "Two Bytes Swap", true),
                    Difference("Subnet 1, node 3, command 2", "Type of Check", "CRC", "LRC", false),
                    Difference("Subnet 1, node 3, command 2", "Type of Scan", "Fast Scan",
                               "Slow Scan", true)));
}

TEST(CompareConfigurations, OrderOfOtherNodesCommandsInTheListDoesNotMatter) {
    Project a = sampleProject();
    Project b = sampleProject();
    // Node 7's command moves to the end of the list; node 3 keeps its order.
    CONFIG& c = b.store.subnets[0];
    std::swap(c.commands[1], c.commands[2]);
    EXPECT_THAT(compareConfigurations(a, b), IsEmpty());
    // Swapping node 3's two commands does matter: positions under the node.
    std::swap(c.commands[0], c.commands[1]);
    EXPECT_FALSE(compareConfigurations(a, b).empty());
}

TEST(CompareConfigurations, ExtraCommandAndExtraNode) {
    Project a = sampleProject();
    Project b = sampleProject();
    addCommand(b, 1, "1", "8");
    addNode(b, 9);
    const auto diffs = compareConfigurations(a, b);
    EXPECT_THAT(
        diffs,
        ElementsAre(Difference("Subnet 1, node 3, command 3", "Function Code", "(none)", "1", true),
                    Difference("Subnet 1, node 9", "Slave Address (0~247)", "(none)", "9", false)));
    EXPECT_EQ(lines(diffs)[0],
              "Subnet 1, node 3, command 3: Function Code is 1 in B.chg, (none) in A.chg");

    // A node with commands reaches the gateway through them.
    addCommand(b, 3, "3", "10");
    EXPECT_TRUE(compareConfigurations(a, b)[1].travels);
}

TEST(CompareConfigurations, TwoNodesWithOneAddressPairInOrder) {
    Project a = sampleProject();
    addNode(a, 3);
    addCommand(a, 3, "6", "4004");
    Project b = a;
    b.store.subnets[0].commands[3].mapAddress = "4006";
    EXPECT_THAT(compareConfigurations(a, b),
                ElementsAre(Difference("Subnet 1, node 3, command 1", "Mapping Address (HEX)",
                                       "4004", "4006", true)));
}

TEST(CompareConfigurations, CommandsWithoutANodeStillCompare) {
    Project a = sampleProject();
    a.store.subnets[0].commands[2].nodeNumber = 0;
    Project b = a;
    b.store.subnets[0].commands[2].dataCount = "9";
    EXPECT_THAT(
        compareConfigurations(a, b),
        ElementsAre(Difference("Subnet 1, command 3", "Number of Data", "2", "9", true)));
}

TEST(CompareConfigurations, DeviceFlagsCountButStayHome) {
    Project a = sampleProject();
    Project b = sampleProject();
    b.device.dataFilter = true;
    b.device.commandStatus = true;
    b.store.subnets[0].commands[0].swapMode = std::string(text::HighByte);
    EXPECT_THAT(compareConfigurations(a, b),
                ElementsAre(Difference("Device", "Data Filter Function", "Close", "Open", false),
                            Difference("Device", "Command Status Function", "Close", "Open", false),
                            Difference("Subnet 1, node 3, command 1", "Data Filter", "No Swap",
                                       "High Byte", true)));
}

TEST(CompareConfigurations, OptionalBlocksTravelWithTheirFlags) {
    Project a = sampleProject();
    Project b = sampleProject();
    b.store.subnets[0].master.timeoutCount = "7";
    b.store.fieldbus.profibusConfigMode = std::string(text::EnterConfigData);
    b.store.fieldbus.profibusConfigData = "d1 e1 ";
    for (const auto& d : compareConfigurations(a, b))
        EXPECT_FALSE(d.travels) << d.label;

    a.device.commandStatus = b.device.commandStatus = true;
    a.device.profibusData = b.device.profibusData = true;
    for (const auto& d : compareConfigurations(a, b))
        EXPECT_TRUE(d.travels) << d.label;
}

TEST(CompareConfigurations, FieldsThatNeverTravel) {
    Project a = sampleProject();
    Project b = sampleProject();
    b.store.fieldbus.fieldbusType = "Profibus";
    b.store.fieldbus.ipAddress = "10.0.0.2";
    b.store.subnets[0].common.debugInterface = "RS485";
    b.store.subnets[0].common.terminator = "13";
    const auto diffs = compareConfigurations(a, b);
    ASSERT_EQ(diffs.size(), 4u);
    for (const auto& d : diffs)
        EXPECT_FALSE(d.travels) << d.label;
    EXPECT_EQ(diffs[0].label, "Type of Protocol");
    EXPECT_EQ(diffs[1].label, "IP Address");
}

TEST(CompareConfigurations, DirectionSwapsLeftAndRight) {
    Project a = sampleProject();
    Project b = sampleProject();
    b.store.subnets[0].master.scanRate = "4";
    const auto ab = compareConfigurations(a, b);
    const auto ba = compareConfigurations(b, a);
    ASSERT_EQ(ab.size(), 1u);
    ASSERT_EQ(ba.size(), 1u);
    EXPECT_EQ(ab[0].left, ba[0].right);
    EXPECT_EQ(ab[0].right, ba[0].left);
}

} // namespace
} // namespace brenmoor
