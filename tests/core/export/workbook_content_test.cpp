#include "core/export/workbook_content.h"
#include "core/model/derived_fields.h"
#include "core/model/project.h"
#include "core/model/store_texts.h"

#include <gtest/gtest.h>

namespace brenmoor {
namespace {

constexpr int kA = 1, kB = 2, kC = 3, kF = 6, kG = 7, kH = 8, kI = 9, kJ = 10, kK = 11, kM = 13,
              kN = 14, kO = 15;

INSTRUCTION command(std::string code, std::string mapAddress, std::string byteCount) {
    INSTRUCTION c;
    c.slaveAddress = "1";
    c.functionCode = std::move(code);
    c.startAddress = "0";
    c.dataCount = "2";
    c.mapAddress = std::move(mapAddress);
    c.bitOffset = "0";
    c.byteCount = std::move(byteCount);
    c.swapMode = "No Swap";
    c.checkType = "";
    c.scanType = "Fast Scan";
    return c;
}

void addCommand(CONFIG& subnet, INSTRUCTION c) {
    subnet.commands[static_cast<size_t>(subnet.commandCount++)] = std::move(c);
}

class WorkbookContentTest : public ::testing::Test {
  protected:
    Project project = makeNewProject();

    WorkbookContent content;

    const WorkbookContent& build() {
        // As the export does: the check types first, then the sheets.
        refreshCheckTypes(project.store);
        content = buildWorkbookContent(project);
        return content;
    }
    // Exports again and returns the sheet; earlier sheets become invalid.
    const WorksheetContent* exported(std::string_view name) {
        const auto* sheet = build().sheet(name);
        EXPECT_NE(sheet, nullptr) << name;
        return sheet;
    }
};

TEST_F(WorkbookContentTest, SheetsAreNamedAndHaveHeaderRows) {
    build();
    ASSERT_EQ(content.sheets.size(), 3u);
    for (const char* name : {"Fieldbus", "Subnet", "Command List"}) {
        const auto* sheet = content.sheet(name);
        ASSERT_NE(sheet, nullptr) << name;
        EXPECT_FALSE(sheet->text(1, kA).empty()) << name;
    }
    EXPECT_EQ(content.sheet("Command List")->text(1, kB), "Slave Address (0~247)");
}

TEST_F(WorkbookContentTest, FieldbusRowAndUnsetStationAddress) {
    auto& fieldbus = project.store.fieldbus;
    fieldbus.stationAddress = "-1";
    fieldbus.fieldbusBaud = "Automatic";
    fieldbus.inputSize = "32";
    fieldbus.outputSize = "16";
    const auto* sheet = exported("Fieldbus");
    EXPECT_EQ(sheet->text(2, kA), "DeviceNet");
    EXPECT_TRUE(sheet->has(2, kB));
    EXPECT_EQ(sheet->text(2, kB), "");
    EXPECT_EQ(sheet->text(2, kC), "Automatic");
    EXPECT_EQ(sheet->text(2, 4), "32");
    EXPECT_EQ(sheet->text(2, 5), "16");
}

TEST_F(WorkbookContentTest, CommandsOfAllSubnetsWithoutGaps) {
    auto& subnets = project.store.subnets;
    addCommand(subnets[0], command("3", "4000", "4"));
    addCommand(subnets[0], command("5", "-1", "7"));
    addCommand(subnets[2], command("6", "", "-1"));
    addCommand(subnets[3], command("1", "1a", "-1"));
    // A slot beyond the count carries no meaning and is not exported.
    subnets[1].commands[0] = command("16", "4010", "8");

    const auto* sheet = exported("Command List");
    EXPECT_EQ(sheet->text(2, kA), "1");
    EXPECT_EQ(sheet->text(2, kF), "4000H");
    EXPECT_EQ(sheet->text(2, kH), "4");
    // Function code 5 always occupies one byte, 6 two, whatever is stored.
    EXPECT_EQ(sheet->text(3, kC), "5");
    EXPECT_EQ(sheet->text(3, kF), "");
    EXPECT_EQ(sheet->text(3, kH), "1");
    EXPECT_EQ(sheet->text(4, kA), "3");
    EXPECT_EQ(sheet->text(4, kF), "");
    EXPECT_EQ(sheet->text(4, kH), "2");
    EXPECT_EQ(sheet->text(5, kF), "1aH");
    EXPECT_EQ(sheet->text(5, kH), "");
    EXPECT_EQ(sheet->text(5, kK), "Fast Scan");
    EXPECT_FALSE(sheet->has(6, kA));
}

TEST_F(WorkbookContentTest, UnsetCommandFieldsAreEmpty) {
    INSTRUCTION c = command("3", "-1", "-1");
    c.slaveAddress = "-1";
    c.startAddress = "-1";
    c.dataCount = "-1";
    addCommand(project.store.subnets[0], c);
    const auto* sheet = exported("Command List");
    for (int column : {kB, 4, 5, kF, kH})
        EXPECT_EQ(sheet->text(2, column), "") << column;
    EXPECT_EQ(sheet->text(2, kC), "3");
}

TEST_F(WorkbookContentTest, CheckTypeFollowsTransmissionModeInTheStore) {
    auto& subnets = project.store.subnets;
    subnets[0].master.masterTransmission = "ASCII";
    subnets[1].master.masterTransmission = "RTU";
    subnets[2].master.masterTransmission = "Something else";
    for (auto* subnet : {&subnets[0], &subnets[1], &subnets[2]}) {
        INSTRUCTION c = command("3", "4000", "4");
        c.checkType = "CRC";
        addCommand(*subnet, c);
        addCommand(*subnet, c);
    }

    const auto* sheet = exported("Command List");
    EXPECT_EQ(subnets[0].commands[0].checkType, "LRC");
    EXPECT_EQ(subnets[0].commands[1].checkType, "LRC");
    EXPECT_EQ(subnets[1].commands[0].checkType, "CRC");
    EXPECT_EQ(subnets[2].commands[1].checkType, "CRC"); // unchanged
    EXPECT_EQ(sheet->text(2, kJ), "LRC");
    EXPECT_EQ(sheet->text(4, kJ), "CRC");
}

TEST_F(WorkbookContentTest, ByteSwapHeaderFollowsDataFilterFlag) {
    EXPECT_EQ(exported("Command List")->text(1, kI), "Byte Swap");
    project.device.dataFilter = true;
    EXPECT_EQ(exported("Command List")->text(1, kI), "Data Filter");
}

TEST_F(WorkbookContentTest, SubnetRowOfModbusMaster) {
    auto& subnet = project.store.subnets[0];
    subnet.protocolMode = "Modbus Master";
    subnet.master = {"9600", "8", "Even", "1", "ASCII", "-1", "20", "Cycle", "-1", "5", "", "", ""};
    subnet.common.commInterface = "RS232";
    project.device.model12 = true;
    const auto* sheet = exported("Subnet");
    EXPECT_EQ(sheet->text(2, kA), "1");
    EXPECT_EQ(sheet->text(2, kB), "Modbus Master");
    EXPECT_EQ(sheet->text(2, kC), "9600");
    EXPECT_EQ(sheet->text(2, kF), "1");
    EXPECT_FALSE(sheet->has(2, kG));
    EXPECT_EQ(sheet->text(2, kH), "ASCII");
    EXPECT_EQ(sheet->text(2, kI), "");
    EXPECT_EQ(sheet->text(2, kJ), "20");
    EXPECT_EQ(sheet->text(2, kK), "Cycle");
    EXPECT_EQ(sheet->text(2, 12), "");
    EXPECT_EQ(sheet->text(2, kM), "5");
    EXPECT_EQ(sheet->text(1, kN), "Communication Interface");
    EXPECT_EQ(sheet->text(1, kO), "Debug Interface");
    EXPECT_EQ(sheet->text(2, kN), "RS232");
    EXPECT_EQ(sheet->text(2, kO), "RS485");
}

TEST_F(WorkbookContentTest, SubnetRowOfModbusSlaveAndOtherModes) {
    auto& subnet = project.store.subnets[0];
    subnet.slave = {"4800", "7", "Odd", "2", "17", "RTU"};
    subnet.master.masterBaud = "115200";
    subnet.common.commInterface = "RS485";
    project.device.model12 = true;

    subnet.protocolMode = "Modbus Slave";
    const auto* sheet = exported("Subnet");
    EXPECT_EQ(sheet->text(2, kC), "4800");
    EXPECT_EQ(sheet->text(2, kF), "2");
    EXPECT_EQ(sheet->text(2, kG), "17");
    EXPECT_EQ(sheet->text(2, kH), "RTU");
    EXPECT_FALSE(sheet->has(2, kI));
    EXPECT_EQ(sheet->text(2, kO), "RS232");

    subnet.protocolMode = "Common mode";
    sheet = exported("Subnet");
    EXPECT_EQ(sheet->text(2, kB), "Common mode");
    EXPECT_EQ(sheet->text(2, kC), "4800");
    for (int column = kG; column <= kM; ++column)
        EXPECT_FALSE(sheet->has(2, column)) << column;
    EXPECT_EQ(sheet->text(2, kN), "RS485");
}

TEST_F(WorkbookContentTest, InterfaceColumnsNeedTheModel12Flag) {
    project.device.model12 = false;
    const auto* sheet = exported("Subnet");
    EXPECT_FALSE(sheet->has(1, kN));
    EXPECT_FALSE(sheet->has(2, kO));
}

TEST_F(WorkbookContentTest, CorruptCommandCountIsBounded) {
    project.store.subnets[0].commandCount = 1000;
    project.store.subnets[1].commandCount = -5;
    const auto* sheet = exported("Command List");
    EXPECT_TRUE(sheet->has(kMaxCommands + 1, kA));
    EXPECT_FALSE(sheet->has(kMaxCommands + 2, kA));
}

} // namespace
} // namespace brenmoor
