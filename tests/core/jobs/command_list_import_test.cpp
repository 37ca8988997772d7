// The command list out to CSV and back in: the round trip over the test
// data, rows typed as the grid takes them, and lists refused as a whole
// with every problem named.
#include "core/editor/property_pages.h"
#include "core/export/command_list_csv.h"
#include "core/export/csv_text.h"
#include "core/export/workbook_content.h"
#include "core/jobs/command_list_import.h"
#include "core/model/derived_fields.h"
#include "core/model/project_file.h"
#include "core/resources/messages_documents.h"
#include "core/resources/messages_editor.h"
#include "core/resources/string_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace brenmoor {
namespace {

const std::string kHeader = "No.,Slave Address (0~247),Function Code,Starting Address,Number of "
                            "Data,Mapping Address (HEX),Bit Offset (0~7),Number of Bytes,Byte "
                            "Swap,Type of Check,Type of Scan\r\n";

std::vector<CsvRecord> records(const std::string& csv) {
    auto parsed = parseCsv(csv);
    return std::holds_alternative<CsvTable>(parsed) ? std::get<CsvTable>(parsed).records
                                                    : std::vector<CsvRecord>{};
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Whether the command's page lets the user set the column's row; the
// slave address and the function code are set by the node and the command.
bool userSets(Project& project, int command, const CommandListColumn& column) {
    if (column.pageLabel == msg::LabelNodeSlaveAddress ||
        column.pageLabel == msg::LabelFunctionCode)
        return true;
    const PageSubject page = pageSubject(project, ItemKind::Command, command, false);
    for (const PageRow& row : pageRows(ItemKind::Command)) {
        if (row.label.text != column.pageLabel)
            continue;
        const CellEditor& editor = row.cell.editor;
        return editor.kind != EditorRequest::Kind::None &&
               (!editor.editable || editor.editable(page));
    }
    return false;
}

// Every project file of the test data: its commands exported and imported
// into a new project of the same device come back the same in every value
// the user sets and in their byte counts (a mapping address may change its
// letter case, as typing it does; the type of check follows the new
// project's subnet).
TEST(CommandListImport, RoundTripOverTheTestData) {
    int files = 0;
    const std::filesystem::path data(BRENMOOR_TEST_DATA_DIR);
    for (const auto& folder : {data, data / ".." / "fuzz" / "corpus" / "fuzz_project_file"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (entry.path().extension() != ".chg")
                continue;
            ++files;
            SCOPED_TRACE(entry.path().string());
            Project original = makeNewProject();
            ASSERT_NE(openProjectFile(original, entry.path().string()).result, OpenResult::Failed);
            refreshCheckTypes(original.store);
            const std::string exported = commandListCsv(original);

            Project fresh = makeNewProject();
            fresh.device = original.device;
            ResetToDefaults(fresh.store, fresh.device);
            const auto problems = importCommandList(fresh, exported, ImportMode::Replace);
            for (const ImportProblem& p : problems)
                ADD_FAILURE() << describeImportProblem(p);

            const auto before = records(exported);
            const auto after = records(commandListCsv(fresh));
            ASSERT_EQ(before.size(), after.size());
            const auto columns = commandListColumns();
            for (size_t r = 1; r < before.size(); ++r) {
                for (size_t c = 0; c < columns.size(); ++c) {
                    const MessageId label = columns[c].pageLabel;
                    if (!userSets(fresh, static_cast<int>(r), columns[c]) &&
                        label != msg::LabelNumberOfBytes)
                        continue;
                    EXPECT_EQ(lower(before[r].fields[c]), lower(after[r].fields[c]))
                        << "row " << r << ", " << loadString(columns[c].header);
                }
            }
        }
    }
    EXPECT_GE(files, 5);
}

TEST(CommandListImport, RowsAreTypedAsTheGridTakesThem) {
    Project project = makeNewProject();
    const std::string csv = "Slave Address (0~247);Function Code;Starting Address;Number of "
                            "Data;Mapping Address (HEX);Type of Scan\n"
                            "12;3;40001;10;1AH;Slow Scan\n"
                            "12;1;0;400;2;\n"
                            "3;5;7;;4000H;\n";
    ASSERT_TRUE(importCommandList(project, csv, ImportMode::Replace).empty());
    const CONFIG& subnet = project.store.subnets[0];
    ASSERT_EQ(subnet.nodeCount, 2);
    EXPECT_EQ(subnet.nodes[0].name, "Node-12");
    EXPECT_EQ(subnet.nodes[1].name, "Node-3");
    ASSERT_EQ(subnet.commandCount, 3);
    const INSTRUCTION& read = subnet.commands[0];
    EXPECT_EQ(read.startAddress, "40001"); // the PLC address question is not answered
    EXPECT_EQ(read.mapAddress, "1a");
    EXPECT_EQ(read.byteCount, "20");
    EXPECT_EQ(read.scanType, "Slow Scan");
    EXPECT_EQ(read.checkType, "CRC");
    EXPECT_EQ(read.slaveAddress, "12");
    EXPECT_EQ(subnet.commands[1].byteCount, "50");
    EXPECT_EQ(subnet.commands[1].scanType, "Fast Scan");
    EXPECT_EQ(subnet.commands[2].nodeNumber, 2);
    EXPECT_EQ(subnet.commands[2].dataCount, "1");
    EXPECT_TRUE(project.marks.modified);
}

TEST(CommandListImport, AppendJoinsTheNodesThereAre) {
    Project project = makeNewProject();
    ASSERT_TRUE(
        importCommandList(project, kHeader + "1,5,3,0,2,2H,,,No Swap,,\r\n", ImportMode::Replace)
            .empty());
    ASSERT_TRUE(importCommandList(project,
                                  kHeader + "1,6,4,0,1,6H,,,,,\r\n2,5,16,0,1,4000H,,,,,\r\n",
                                  ImportMode::Append)
                    .empty());
    const CONFIG& subnet = project.store.subnets[0];
    ASSERT_EQ(subnet.nodeCount, 2);
    ASSERT_EQ(subnet.commandCount, 3);
    EXPECT_EQ(subnet.commands[1].nodeNumber, 2); // node 6, made for it
    EXPECT_EQ(subnet.commands[2].nodeNumber, 1); // node 5, which was there
    EXPECT_EQ(subnet.commands[2].mapAddress, "4000");

    // A header alone joins nothing; in place of the commands it would
    // remove them all, and is refused.
    EXPECT_TRUE(importCommandList(project, kHeader, ImportMode::Append).empty());
    const auto emptied = importCommandList(project, kHeader, ImportMode::Replace);
    ASSERT_EQ(emptied.size(), 1u);
    EXPECT_NE(emptied[0].message.find("only its header row"), std::string::npos);
    EXPECT_EQ(subnet.commandCount, 3);
}

struct Expected {
    int line;
    int column;
    std::string message; // a part of it
};

// The list is appended to a project with a node and a command, or with none.
void expectRefused(const std::string& csv, const std::vector<Expected>& expected,
                   bool withCommand = true) {
    Project project = makeNewProject();
    if (withCommand) {
        ASSERT_TRUE(
            importCommandList(project, kHeader + "1,9,3,0,1,2,,,,,\r\n", ImportMode::Replace)
                .empty());
    }
    project.marks.modified = false;
    const Project before = project;
    const auto problems = importCommandList(project, csv, ImportMode::Append);
    EXPECT_EQ(project.store, before.store);
    EXPECT_FALSE(project.marks.modified);
    ASSERT_EQ(problems.size(), expected.size()) << [&] {
        std::string all;
        for (const auto& p : problems)
            all += describeImportProblem(p) + "\n";
        return all;
    }();
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(problems[i].line, expected[i].line) << i;
        EXPECT_EQ(problems[i].column, expected[i].column) << i;
        EXPECT_NE(problems[i].message.find(expected[i].message), std::string::npos)
            << problems[i].message;
    }
}

TEST(CommandListImport, BadListsAreRefusedWithEveryProblem) {
    // Wrong columns.
    expectRefused("No.,Colour,Slave Address (0~247),Slave Address (0~247)\n1,red,3,3\n",
                  {{1, 2, "\"Colour\" is not a column"},
                   {1, 4, "appears twice"},
                   {1, 0, "\"Function Code\" is missing"}});
    // Bad values, all of one list, each named where it is.
    expectRefused(kHeader + "1,300,3,07,37,a0,,,Sideways,,\r\n"
                            "2,4,1,0,3,1ah,8,,,,\r\n"
                            "3,4,7,0,1,2,,,,,\r\n"
                            "4,4,3,0,1,2\r\n",
                  {{2, 2, "\"Slave Address\" is out of range!"},
                   {2, 4, "from 0 to 65535"},
                   {2, 5, "from 1 to 36"},
                   {2, 6, "from 2 to 9F for a read command"},
                   {2, 9, "No Swap, Two Bytes Swap, Four Bytes Swap"},
                   {3, 6, "hexadecimal address"},
                   {3, 7, "from 0 to 7"},
                   {4, 3, "1, 2, 3, 4, 5, 6, 15, 16"},
                   {5, 0, "6 fields; the header row has 11"}});
    // A column too many, a bad value and a broken row: one reading lists
    // them all.
    expectRefused("Slave Address (0~247),Function Code,Colour\r\n300,3,red\r\n4,\"3\"x,blue\r\n",
                  {{1, 3, "\"Colour\" is not a column"},
                   {2, 1, "\"Slave Address\" is out of range!"},
                   {3, 2, "followed by text"}});
    // Broken quoting, an empty file and a file that is no text.
    expectRefused(kHeader + "1,4,3,\"0,1,2,,,,,\r\n", {{2, 4, "not closed"}});
    expectRefused("", {{1, 0, "no header row"}});
    expectRefused(std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), {{1, 0, "not a text file"}});
}

TEST(CommandListImport, TheLimitsHoldWithTheirMessages) {
    std::string sameNode = kHeader;
    std::string newNodes = kHeader;
    for (int i = 0; i <= kMaxCommands; ++i) {
        sameNode += ",1,3,0,1,,,,,,\r\n";
        newNodes += "," + std::to_string(i) + ",3,0,1,,,,,,\r\n";
    }
    // The 49th row is line 50.
    expectRefused(sameNode, {{50, 3, std::string(loadString(msg::CommandsOverrun))}}, false);
    expectRefused(newNodes, {{50, 2, std::string(loadString(msg::NodesOverrun))}}, false);
}

} // namespace
} // namespace brenmoor
