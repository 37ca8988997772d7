// Saving never destroys the previous file.
#include "core/model/project_file.h"
#include "project_fixtures.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace brenmoor {
namespace {

TEST(AtomicSave, ReplacesTheFileAndLeavesNoTemporaryBehind) {
    test::TempDir dir;
    const std::string path = dir.file("plant.chg");
    test::writeBytes(path, {1, 2, 3});
    ::chmod(path.c_str(), 0640);
    const Project project = makeNewProject();
    ASSERT_TRUE(saveProjectFile(project, path).ok());
    EXPECT_EQ(test::readBytes(path), serializeProject(project));
    EXPECT_EQ(dir.entryCount(), 1u);
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u) << "the old file's permissions are kept";
}

TEST(AtomicSave, SavingThroughALinkReplacesItsTarget) {
    test::TempDir dir;
    const std::string target = dir.file("real.chg");
    const std::string link = dir.file("link.chg");
    test::writeBytes(target, {1});
    std::filesystem::create_symlink(target, link);
    ASSERT_TRUE(saveProjectFile(makeNewProject(), link).ok());
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(test::readBytes(target), serializeProject(makeNewProject()));
}

// The file-size limit makes the write fail half-way, the way a full disk does.
TEST(AtomicSave, AFailedWriteKeepsTheOldFile) {
    test::TempDir dir;
    const std::string path = dir.file("plant.chg");
    const std::vector<uint8_t> old = {9, 8, 7, 6};
    test::writeBytes(path, old);

    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tiny = saved;
    tiny.rlim_cur = 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const Outcome outcome = saveProjectFile(test::makeFullProject(), path);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.message(), "Disk full while accessing " + path + ".");
    EXPECT_EQ(test::readBytes(path), old);
    EXPECT_EQ(dir.entryCount(), 1u) << "the temporary file is removed";
}

TEST(AtomicSave, MissingFolderIsReportedWithTheFileName) {
    test::TempDir dir;
    const std::string path = dir.file("no/such/folder.chg");
    const Outcome outcome = saveProjectFile(makeNewProject(), path);
    EXPECT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.message(), path + " was not found.");
}

TEST(AtomicSave, ADirectoryIsNotReplaced) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.file("folder.chg"));
    const Outcome outcome = saveProjectFile(makeNewProject(), dir.file("folder.chg"));
    EXPECT_EQ(outcome.message(), "Access to " + dir.file("folder.chg") + " was denied.");
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("folder.chg")));
    EXPECT_EQ(dir.entryCount(), 1u);
}

// The file-size limit's signal ends the process in the middle of its
// write, as kill -9 would: the folder holds the old file and nothing else.
TEST(AtomicSave, ASaveKilledMidWriteLeavesNothingBehind) {
    test::TempDir dir;
    const std::string path = dir.file("plant.chg");
    const std::vector<uint8_t> old = {9, 8, 7, 6};
    test::writeBytes(path, old);
    const Project full = test::makeFullProject();

    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        struct rlimit none {};
        ::setrlimit(RLIMIT_CORE, &none);
        struct rlimit tiny {
            100, 100
        };
        ::setrlimit(RLIMIT_FSIZE, &tiny);
        std::signal(SIGXFSZ, SIG_DFL);
        saveProjectFile(full, path);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the save was meant to die half way";
    EXPECT_EQ(test::readBytes(path), old);
    EXPECT_EQ(dir.entryCount(), 1u);
}

// Only a regular file is a document: a FIFO or a device node under the name
// stays what it is, and so does a file its owner made read-only.
TEST(AtomicSave, OnlyAWritableRegularFileIsReplaced) {
    test::TempDir dir;
    auto refused = [](const std::string& path) {
        const Outcome outcome = saveProjectFile(makeNewProject(), path);
        EXPECT_EQ(outcome.message(), "Access to " + path + " was denied.");
    };
    const std::string fifo = dir.file("fifo.chg");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    refused(fifo);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    const std::string readOnly = dir.file("kept.chg");
    test::writeBytes(readOnly, {1, 2});
    ::chmod(readOnly.c_str(), 0444);
    refused(readOnly);
    EXPECT_EQ(test::readBytes(readOnly), (std::vector<uint8_t>{1, 2}));

    // Making a device node takes the rights CI runs with.
    const std::string device = dir.file("null.chg");
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
        refused(device);
        EXPECT_TRUE(std::filesystem::is_character_file(device));
    }
    EXPECT_EQ(dir.entryCount(), std::filesystem::exists(device) ? 3u : 2u);
}

} // namespace
} // namespace brenmoor
