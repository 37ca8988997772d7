#include "editor_fixture.h"

#include "core/editor/command_summary.h"
#include "core/editor/property_pages.h"
#include "core/resources/string_fragments.h"
#include "core/resources/string_table.h"

#include <set>

namespace brenmoor::test {
namespace {

struct Row {
    int row;
    std::string label;
    std::string value;
    GridColor color;
    friend bool operator==(const Row&, const Row&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Row& r) {
        return os << r.row << " '" << r.label << "' '" << r.value << "' " << r.color;
    }
};

// Every row that shows something or is painted.
std::vector<Row> pageRows(const MemoryGrid& grid) {
    std::vector<Row> rows;
    for (int r = 0; r < grid.rows(); ++r) {
        Row row{r, grid.textMatrix(r, 0), grid.textMatrix(r, 1), grid.cellBackColor(r, 1)};
        if (!row.label.empty() || !row.value.empty() || row.color != kDefaultColor)
            rows.push_back(row);
    }
    return rows;
}

constexpr GridColor G = kGreyColor;
constexpr GridColor W = kWhiteColor;
constexpr GridColor D = kDefaultColor;

TEST_F(EditorTest, FieldbusPage) {
    project.store.fieldbus.stationAddress = "-1";
    editor.selectFirstRoot();
    EXPECT_EQ(pageRows(grid), (std::vector<Row>{
                                  {0, "Type of Protocol", "DeviceNet", G},
                                  {1, "DeviceNet Address(0~63)", "", D},
                                  {2, "DeviceNet Baud Rate", "Automatic", G},
                                  {3, "Size of DeviceNet Input Buffer", "64", D},
                                  {4, "Size of DeviceNet Output Buffer", "64", D},
                              }));
    EXPECT_EQ(grid.colAlignment(1), 1);
}

TEST_F(EditorTest, ModbusMasterSubnetPage) {
    selectSubnet();
    EXPECT_EQ(pageRows(grid), (std::vector<Row>{
                                  {0, "Protocols Mode", "Modbus Master", G},
                                  {1, "Baud Rate", "19200", D},
                                  {2, "Data Bits", "8", D},
                                  {3, "Parity Check", "None", D},
                                  {4, "Stop Bits", "1", D},
                                  {5, "Slave Address", "", G},
                                  {6, "Transmission Mode", "RTU", W},
                                  {7, "Response Timeout(5~60000ms)", "300", W},
                                  {8, "Delay Between Polls(0~2500ms)", "0", W},
                                  {9, "Output Mode", "Change of Value", W},
                                  {10, "Output Pulse(200~2500ms)", "", G},
                                  {11, "Scan Rate(1~255)", "10", W},
                                  {12, "Communication Interface", "RS485", D},
                                  {13, "Debug Interface", "RS232", G},
                                  {18, "", "", W},
                              }));
    EXPECT_EQ(info.text(), "Right click on the Subnet to add nodes. When selecting Modbus Master "
                           "protocol, it supports up to 48 nodes under the Subnet.");
}

TEST_F(EditorTest, OtherProtocolModePages) {
    subnet().protocolMode = "Modbus Slave";
    subnet().slave.slaveAddress = "3";
    subnet().common.commInterface = "RS232";
    selectSubnet();
    auto rows = pageRows(grid);
    EXPECT_EQ(rows[5], (Row{5, "Slave Address", "3", W}));
    EXPECT_EQ(rows[6], (Row{6, "Transmission Mode", "RTU", W}));
    EXPECT_EQ(rows[7], (Row{7, "Response Timeout(5~60000ms)", "", G}));
    EXPECT_EQ(rows[13], (Row{13, "Debug Interface", "RS485", G}));

    subnet().protocolMode = "Custom protocol";
    selectSubnet();
    rows = pageRows(grid);
    EXPECT_EQ(rows[1], (Row{1, "Baud Rate", "300", D}));
    EXPECT_EQ(rows[12], (Row{12, "Communication Interface", "", D}));
    EXPECT_EQ(rows.back(), (Row{18, "", "", W}));

    subnet().protocolMode = "Common mode";
    selectSubnet();
    rows = pageRows(grid);
    EXPECT_EQ(rows[0].color, W); // the common-mode flag is off
    EXPECT_EQ(rows[12], (Row{12, "Communication Interface", "Character timeout", W}));
    EXPECT_EQ(rows[14], (Row{14, "", "111", G}));
    EXPECT_EQ(rows[18], (Row{18, "", "RS232", W}));
    EXPECT_EQ(rows[19], (Row{19, "", "RS485", G}));

    project.device.commonMode = true;
    subnet().common.frameControl = "Delimiter";
    selectSubnet();
    EXPECT_EQ(color(0), G);
    EXPECT_EQ(color(14), W);
}

TEST_F(EditorTest, CommonModeEditRulesSkipTheCanonicalCheck) {
    subnet().protocolMode = "Common mode";
    selectSubnet();
    EXPECT_EQ(type(13, "010"), "010");
    EXPECT_EQ(subnet().common.charTimeout, "010");
    EXPECT_EQ(type(13, "9"), "");
    EXPECT_EQ(subnet().common.charTimeout, "010");
    EXPECT_EQ(type(14, "224"), "");
    EXPECT_EQ(type(15, "anything"), "anything"); // reaches the cell only
    EXPECT_EQ(cell(15), "anything");
    EXPECT_EQ(subnet().common.autoSend, "Close");
    choose(17, "Open");
    EXPECT_EQ(subnet().common.useCrc, "Close");
}

TEST_F(EditorTest, NodePageShowsAnEmptyAddressForANewNode) {
    addNodes(1);
    selectNode(1);
    EXPECT_EQ(pageRows(grid), (std::vector<Row>{{0, "Slave Address (0~247)", "", D}}));
    EXPECT_EQ(info.text(),
              "Right click on the node to add commands. Supports up to 48 commands in total.");
}

TEST_F(EditorTest, CommandPageForASingleRegisterWrite) {
    addNodes(1);
    setNodeAddress(1, "9");
    addCommand(1, 6);
    subnet().commands[0].byteCount = "17";
    subnet().commands[0].mapAddress = "4000";
    subnet().commands[0].swapMode = "Four Bytes Swap";
    selectCommand(1);
    EXPECT_EQ(pageRows(grid), (std::vector<Row>{
                                  {0, "Slave Address (0~247)", "9", G},
                                  {1, "Function Code", "6", G},
                                  {2, "Starting Address", "", D},
                                  {3, "Number of Data", "1", G},
                                  {4, "Mapping Address (HEX)", "4000H", D},
                                  {5, "Bit Offset (0~7)", "", G},
                                  {6, "Number of Bytes", "2", G},
                                  {7, "Byte Swap", "Four Bytes Swap", D},
                                  {8, "Type of Check", "CRC", G},
                                  {9, "Type of Scan", "Fast Scan", D},
                              }));
    EXPECT_EQ(subnet().commands[0].byteCount, "17"); // display only
    EXPECT_EQ(info.text(), "");
}

TEST_F(EditorTest, CommandPageRefreshesSlaveAddressAndCheckType) {
    addNodes(1);
    addCommand(1, 1);
    selectSubnet();
    choose(6, "ASCII");
    setNodeAddress(1, "21");
    subnet().commands[0].mapAddress = "-1";
    project.marks.modified = false;
    selectCommand(1);
    EXPECT_EQ(cell(8), "LRC");
    EXPECT_EQ(subnet().commands[0].checkType, "LRC");
    EXPECT_EQ(cell(0), "21");
    EXPECT_EQ(cell(4), "");
    EXPECT_EQ(cell(7), "No Swap");
    EXPECT_EQ(color(7), G);
    EXPECT_FALSE(project.marks.modified);
}

TEST_F(EditorTest, DataFilterCommandPage) {
    project.device.dataFilter = true;
    addNodes(1);
    addCommand(1, 16);
    subnet().commands[0].swapMode = "Low Byte";
    selectCommand(1);
    EXPECT_EQ(label(7), "Data Filter");
    EXPECT_EQ(cell(7), "Full word");
    EXPECT_EQ(color(7), G);
    addCommand(1, 3);
    subnet().commands[1].swapMode = "Low Byte";
    selectCommand(2);
    EXPECT_EQ(cell(7), "Low Byte");
    EXPECT_EQ(color(7), D);
}

TEST(GridLayout, ColumnsShareTheWidthAndAnEmptyGridKeepsItsSizes) {
    MemoryGrid grid;
    grid.setRows(3);
    grid.setCols(2);
    layoutPropertyGrid(grid, 6000);
    EXPECT_EQ(grid.colWidth(0), 3000);
    EXPECT_EQ(grid.colWidth(1), 3000);
    EXPECT_EQ(grid.rowHeight(2), 300);
    EXPECT_EQ(grid.colPos(1), 3000);
    layoutPropertyGrid(grid, 1);
    EXPECT_EQ(grid.colWidth(0), 3000);
}

TEST(PageHelp, TextsKeepTheirExactLineBreaks) {
    DeviceSettings plain;
    DeviceSettings flags;
    flags.commonMode = flags.doubleFault = flags.dataFilter = true;
    EXPECT_EQ(pageRowHelp(ItemKind::Subnet, 5, plain),
              "When you select  \"Modbus Slave\", this parameter can be modified and is the "
              "gateway's address as Modbus slave. \r\nThe range of the parameter value is 0 to "
              "247.");
    EXPECT_EQ(pageRowHelp(ItemKind::Subnet, 1, flags), "Serial communication baudrate");
    EXPECT_EQ(pageRowHelp(ItemKind::Command, 4, flags),
              "Data mapping in the module memory address range. \r\nTarnholm range: \n read "
              "command: 0x0000 ~ 0x00A7. \r\n write command: 0x4000 ~ 0x40A7. \r\n Users can also "
              "click on the \"Calculate Mapping Address\" to let the software calculate.");
    EXPECT_TRUE(pageRowHelp(ItemKind::Command, 4, plain)
                    .ends_with("0x0000~0x006F.\r\nUsers can also click on the \"Calculate Mapping "
                               "Address \"to let the software calculate."));
    EXPECT_EQ(pageRowHelp(ItemKind::Command, 3, flags),
              "Number of Data: 1 ~ 84 (Modbus Function Code 3,4,16); 1~400 (Modbus Function "
              "Code 1,2,15)");
    EXPECT_EQ(pageRowHelp(ItemKind::Command, 7, flags).substr(0, 58),
              "There are three types: full word, high byte, low byte. .\r\n");
    EXPECT_EQ(pageRowHelp(ItemKind::Subnet, 14, plain), "");
    EXPECT_EQ(pageRowHelp(ItemKind::Node, 1, plain), "");
    EXPECT_EQ(pageRowHelp(ItemKind::Fieldbus, 5, plain), "");
}

TEST_F(EditorTest, CommandSummaryTellsCommandsOfOneFunctionApart) {
    addNodes(1);
    setNodeAddress(1, "5");
    addCommand(1, 3);
    addCommand(1, 3);
    selectCommand(2);
    type(2, "100");
    type(3, "4");
    type(4, "1A");
    EXPECT_EQ(itemToolTip(editor, editor.commandItem(2)),
              "Slave Address (0~247): 5\nStarting Address: 100\nNumber of Data: 4\n"
              "Mapping Address (HEX): 1aH");
    // A command that the node's new address has not reached yet shows the
    // node's, as its page would.
    subnet().commands[0].slaveAddress = "-1";
    EXPECT_EQ(itemToolTip(editor, editor.commandItem(1)),
              "Slave Address (0~247): 5\nStarting Address: \nNumber of Data: \n"
              "Mapping Address (HEX): ");
    EXPECT_EQ(subnet().commands[0].slaveAddress, "-1");
    EXPECT_EQ(itemToolTip(editor, editor.nodeItem(1)), "");
    EXPECT_EQ(commandSummary(project, 0, 2), "");
    EXPECT_EQ(commandSummary(project, 4, 0), "");
}

TEST(PageHelp, EditorStringIdsAreUniqueAndInRange) {
    std::set<int32_t> seen;
    for (const StringEntry& entry : editorStrings()) {
        EXPECT_TRUE(seen.insert(entry.id.value).second) << entry.id.value;
        EXPECT_GE(entry.id.value, 1100);
        EXPECT_LE(entry.id.value, 1299);
        EXPECT_FALSE(entry.text.empty());
    }
}

} // namespace
} // namespace brenmoor::test
