#include "core/export/excel_export.h"
#include "core/model/project.h"

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace brenmoor {
namespace {

using test::readBytes;
using test::TempDir;
using test::writeBytes;

bool isZipArchive(const std::vector<uint8_t>& bytes) {
    return bytes.size() > 4 && bytes[0] == 'P' && bytes[1] == 'K' && bytes[2] == 3 && bytes[3] == 4;
}

class ExcelExportTest : public ::testing::Test {
  protected:
    TempDir dir;
    Project project = makeNewProject();
};

TEST_F(ExcelExportTest, WritesAWorkbookAndReplacesAnExistingFile) {
    const std::string path = dir.file("config.xlsx");
    writeBytes(path, {'o', 'l', 'd'});
    const Outcome exported = exportExcel(project, path);
    ASSERT_TRUE(exported) << exported.message();
    EXPECT_TRUE(isZipArchive(readBytes(path)));
    // Nothing but the workbook is left behind in the folder.
    EXPECT_EQ(dir.entryCount(), 1u);
}

TEST_F(ExcelExportTest, LeavesTheModifiedMarkAlone) {
    auto& subnet = project.store.subnets[0];
    subnet.master.masterTransmission = "ASCII";
    subnet.commandCount = 1;
    subnet.commands[0].functionCode = "3";
    subnet.commands[0].checkType = "CRC";

    project.marks.modified = false;
    ASSERT_TRUE(exportExcel(project, dir.file("a.xlsx")));
    EXPECT_FALSE(project.marks.modified);
    EXPECT_EQ(subnet.commands[0].checkType, "LRC");

    project.marks.modified = true;
    ASSERT_TRUE(exportExcel(project, dir.file("b.xlsx")));
    EXPECT_TRUE(project.marks.modified);
}

TEST_F(ExcelExportTest, AFolderThatDoesNotExistIsReportedWithTheFileName) {
    const std::string path = dir.file("missing/config.xlsx");
    const Outcome exported = exportExcel(project, path);
    ASSERT_FALSE(exported);
    EXPECT_NE(exported.message().find(path), std::string::npos) << exported.message();
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(ExcelExportTest, AFolderInTheWayIsNotReplaced) {
    const std::string path = dir.file("taken.xlsx");
    std::filesystem::create_directory(path);
    std::filesystem::create_directory(path + "/inside");
    const Outcome exported = exportExcel(project, path);
    ASSERT_FALSE(exported);
    EXPECT_NE(exported.message().find(path), std::string::npos) << exported.message();
    EXPECT_TRUE(std::filesystem::is_directory(path + "/inside"));
}

TEST_F(ExcelExportTest, TextsTooLongForACellFailInsteadOfTruncating) {
    project.store.fieldbus.fieldbusBaud = std::string(40000, 'x');
    const std::string path = dir.file("long.xlsx");
    const Outcome exported = exportExcel(project, path);
    ASSERT_FALSE(exported);
    EXPECT_NE(exported.message().find(path), std::string::npos) << exported.message();
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
} // namespace brenmoor
