// The commissioning report's content: the I/O map a PLC programmer reads,
// the findings, and the pages shown as the grid shows them.
#include "core/report/io_map.h"
#include "core/report/report_builder.h"
#include "core/report/report_findings.h"
#include "core/resources/messages_mapping.h"
#include "core/resources/string_table.h"
#include "mapping/mapping_fixtures.h"

#include <gtest/gtest.h>

namespace brenmoor {
namespace {

using test::addCommand;

// Two nodes; the commands in the order the I/O map does not use.
Project plantProject() {
    Project project = test::mappingProject();
    project.device.commandStatus = true;
    CONFIG& subnet = project.store.subnets[0];
    subnet.master.commandStatus = "2Bytes";
    subnet.nodeCount = 2;
    subnet.nodes[0] = {"3", "Node-3"};
    subnet.nodes[1] = {"4", "Node-4"};
    addCommand(project, 16, 2, 0, "4004", "4").nodeNumber = 2;
    addCommand(project, 3, 2, 0, "10", "3").nodeNumber = 1;
    addCommand(project, 1, 3, 6, "2", "3").nodeNumber = 1;
    addCommand(project, 6, 1, 0, "20", "4").nodeNumber = 2;
    addCommand(project, 4, 1, 0, "-1", "4").nodeNumber = 2;
    for (int c = 0; c < subnet.commandCount; ++c)
        subnet.commands[c].swapMode = "Two Bytes Swap";
    return project;
}

TEST(IoMap, EachCommandWhereTheMasterSeesIt) {
    Project project = plantProject();
    // Never given an address: the maps paint it at byte 0, the PLC
    // programmer must not be sent there.
    addCommand(project, 16, 2, 0, "", "4").nodeNumber = 2;
    const std::vector<IoMapRow> rows = buildIoMap(project);
    ASSERT_EQ(rows.size(), 7u);
    struct Row {
        MapArea direction;
        std::optional<int64_t> offset;
        int64_t length;
        std::string bit, swap, node, command;
    };
    const Row expected[] = {
        {MapArea::Input, 0, 2, "", "", "", std::string(loadString(msg::CommandStatusEntry))},
        {MapArea::Input, 2, 2, "6", "No Swap", "Node-3", "3 Read Coil Status"},
        {MapArea::Input, 16, 4, "", "Two Bytes Swap", "Node-3", "2 Read Holding Registers"},
        // A write that takes its data from the input area.
        {MapArea::Input, 32, 2, "", "Two Bytes Swap", "Node-4", "4 Preset Single Register"},
        {MapArea::Output, 4, 4, "", "Two Bytes Swap", "Node-4", "1 Preset Multiple Registers"},
        {MapArea::Input, std::nullopt, 2, "", "Two Bytes Swap", "Node-4", "5 Read Input Register"},
        {MapArea::Output, std::nullopt, 4, "", "No Swap", "Node-4", "6 Preset Multiple Registers"},
    };
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].direction, expected[i].direction);
        EXPECT_EQ(rows[i].offset, expected[i].offset);
        EXPECT_EQ(rows[i].length, expected[i].length);
        EXPECT_EQ(rows[i].bitOffset, expected[i].bit);
        EXPECT_EQ(rows[i].byteSwap, expected[i].swap);
        EXPECT_EQ(rows[i].node, expected[i].node);
        EXPECT_EQ(rows[i].command, expected[i].command);
    }
}

TEST(ReportFindings, ConflictsChecksAndOverflow) {
    Project project = plantProject();
    addCommand(project, 3, 1, 0, "11", "3").nodeNumber = 1; // onto command 2's bytes
    const ReportFindings found = findReportFindings(project, buildIoMap(project));
    ASSERT_EQ(found.conflicts.size(), 1u);
    EXPECT_EQ(found.conflicts[0], "Input area bytes 11 to 12 are used more than once: 2 Read "
                                  "Holding Registers, 6 Read Holding Registers.");
    // Command 5 (of node 4) has no mapping address: the download's check says so.
    ASSERT_FALSE(found.checks.empty());
    EXPECT_NE(found.checks[0].find("next node -4"), std::string::npos) << found.checks[0];
    EXPECT_TRUE(found.overflow.empty());

    Project oneByte = plantProject();
    INSTRUCTION& low = addCommand(oneByte, 3, 1, 0, "13", "3");
    low.nodeNumber = 1;
    low.swapMode = "Low Byte";
    EXPECT_EQ(findReportFindings(oneByte, buildIoMap(oneByte)).conflicts,
              std::vector<std::string>{"Input area byte 13 is used more than once: 2 Read Holding "
                                       "Registers, 6 Read Holding Registers."});

    addCommand(project, 3, 36, 0, "90", "3").nodeNumber = 1;
    addCommand(project, 16, 36, 0, "4010", "4").nodeNumber = 2;
    const ReportFindings full = findReportFindings(project, buildIoMap(project));
    ASSERT_EQ(full.overflow.size(), 2u);
    EXPECT_EQ(full.overflow[0], loadString(msg::MappingAddressExceeds));
}

TEST(Report, PagesAsTheGridShowsThem) {
    const Project project = plantProject();
    const Project before = project;
    const ReportDocument doc = buildReport(project, {"plant.chg", 0});
    EXPECT_EQ(project.store, before.store); // pages were shown on a copy
    EXPECT_EQ(doc.titleBlock.rows[0][1], "plant.chg");

    const auto section = [&](std::string_view title) -> const ReportSection& {
        for (const ReportSection& s : doc.sections)
            if (s.title == title)
                return s;
        ADD_FAILURE() << title;
        return doc.sections.front();
    };
    const ReportTable& fieldbus = std::get<ReportTable>(section("Fieldbus").blocks[0]);
    EXPECT_EQ(fieldbus.rows[1], (std::vector<std::string>{"DeviceNet Address(0~63)", "0"}));

    // Node-3's commands: every row of the command page, a column each.
    const auto& nodes = section("Nodes and Commands").blocks;
    ASSERT_EQ(std::get<ReportHeading>(nodes[0]).text, "Node-3");
    const ReportTable& commands = std::get<ReportTable>(nodes[2]);
    EXPECT_EQ(commands.headers[2], "Slave Address (0~247)");
    EXPECT_EQ(commands.headers[6], "Mapping Address (HEX)");
    ASSERT_EQ(commands.rows.size(), 2u);
    EXPECT_EQ(commands.rows[0],
              (std::vector<std::string>{"2", "Read Holding Registers", "3", "3", "0", "2", "10H",
                                        "0", "0", "Two Bytes Swap", "CRC", "Fast Scan"}));

    const auto& maps = section("Memory Maps").blocks;
    const ReportMap& input = std::get<ReportMap>(maps[1]);
    ASSERT_EQ(input.rows.size(), 3u); // 0000, 0010, 0020
    EXPECT_EQ(input.rows[0].cells[0], MapColour::Green);
    EXPECT_EQ(input.rows[2].cells[0], MapColour::Yellow);
}

} // namespace
} // namespace brenmoor
