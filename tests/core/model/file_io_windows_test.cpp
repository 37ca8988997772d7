// Saving and reading where Windows refuses: a file another program holds, a
// device under a document's name.
#include "core/model/file_io.h"
#include "core/model/project_file.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>

namespace brenmoor {
namespace {

// A workbook or project open in another program is held without sharing:
// the replace fails half way, after the old file was moved aside, and must
// put it back.
TEST(WindowsFiles, ASaveOverAFileHeldElsewhereKeepsTheOldFile) {
    test::TempDir dir;
    const std::string path = dir.file("plant.chg");
    const std::vector<uint8_t> old = {9, 8, 7};
    test::writeBytes(path, old);
    const HANDLE held = ::CreateFileW(nativePath(path).c_str(), GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const Outcome outcome = saveProjectFile(makeNewProject(), path);
    ::CloseHandle(held);

    EXPECT_EQ(outcome.message(), "Access to " + path + " was denied.");
    EXPECT_EQ(test::readBytes(path), old);
    EXPECT_EQ(dir.entryCount(), 1u) << "nothing of the save is left behind";
}

TEST(WindowsFiles, ADeviceIsNoDocument) {
    Project project = makeNewProject();
    const OpenOutcome opened = openProjectFile(project, "NUL");
    EXPECT_EQ(opened.result, OpenResult::Failed);
    EXPECT_EQ(opened.outcome.message(), "Access to NUL was denied.");
}

} // namespace
} // namespace brenmoor
