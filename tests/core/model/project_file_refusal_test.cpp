// Files this program must refuse, and what a refusal leaves behind: the
// message, and a project exactly as it was before the attempt.
#include "core/model/project_file.h"
#include "core/resources/messages_model.h"
#include "file_bytes.h"
#include "project_fixtures.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace brenmoor {
namespace {

using test::FileBytes;

// An edited project with non-default flags and version, so that any change
// made by a refused file shows.
Project editedProject() {
    Project project = test::makeFullProject();
    project.device.delimiter = true;
    project.device.commandStatus = true;
    project.formatVersion = 300;
    project.marks.modified = true;
    project.store.fieldbus.stationAddress = "17";
    return project;
}

void expectUntouched(const Project& project) {
    const Project before = editedProject();
    EXPECT_EQ(project.store, before.store);
    EXPECT_EQ(project.device, before.device);
    EXPECT_EQ(project.formatVersion, before.formatVersion);
    EXPECT_EQ(project.marks.modified, before.marks.modified);
    EXPECT_EQ(project.marks.loaded, before.marks.loaded);
}

void expectRefused(const std::vector<uint8_t>& bytes, const std::string& why) {
    SCOPED_TRACE(why);
    test::TempDir dir;
    const std::string path = dir.file("bad.chg");
    test::writeBytes(path, bytes);
    Project project = editedProject();
    const OpenOutcome opened = openProjectFile(project, path);
    EXPECT_EQ(opened.result, OpenResult::Failed);
    EXPECT_EQ(opened.outcome.message(), "Unexpected file format.");
    expectUntouched(project);
}

// A file that starts with FIELDBUS and then holds `objects` as given.
std::vector<uint8_t> fileWith(const std::vector<uint8_t>& afterFieldbus) {
    FileBytes f;
    f.i32(0).i32(12).newClass("FIELDBUS").append(test::defaultFieldbusBody().bytes);
    f.append(afterFieldbus);
    return f.bytes;
}

std::vector<uint8_t> configs(uint32_t version, int count, uint16_t laterTag = 0x8003) {
    FileBytes f;
    f.newClass("CONFIG").append(test::defaultConfigBody(version, true).bytes);
    for (int s = 1; s < count; ++s)
        f.u16(laterTag).append(test::defaultConfigBody(version, false).bytes);
    return f.bytes;
}

TEST(ProjectFileRefusal, EveryTruncationIsRefused) {
    const std::vector<uint8_t> whole = serializeProject(test::makeFullProject());
    // Every length short of the whole file; a few hundred samples keep it quick
    // while hitting every kind of item.
    for (size_t length = 1; length < whole.size(); length += 1 + length / 40)
        expectRefused({whole.begin(), whole.begin() + static_cast<long>(length)},
                      "truncated to " + std::to_string(length));
    expectRefused({whole.begin(), whole.end() - 1}, "last byte missing");
}

TEST(ProjectFileRefusal, ObjectStreamMismatches) {
    FileBytes wrongName;
    wrongName.newClass("CONFIGX").append(test::defaultConfigBody(314, true).bytes);
    expectRefused(fileWith(wrongName.bytes), "unknown class name");

    FileBytes schema;
    schema.u16(0xFFFF).u16(2).u16(6).raw("CONFIG").append(test::defaultConfigBody(314, true).bytes);
    expectRefused(fileWith(schema.bytes), "schema 2");

    FileBytes fieldbusAgain;
    fieldbusAgain.u16(0x8001).append(test::defaultFieldbusBody().bytes);
    expectRefused(fileWith(fieldbusAgain.bytes), "FIELDBUS where a CONFIG belongs");

    expectRefused(fileWith(configs(314, 4, 0x8002)), "class index of an object, not a class");
    expectRefused(fileWith(configs(314, 4, 0x8009)), "class index never defined");
    expectRefused(fileWith(configs(314, 4, 0x0004)), "back-reference to a record already read");
    expectRefused(fileWith(configs(314, 4, 0x0000)), "the missing object");
    expectRefused(fileWith(configs(314, 4, 0x7FFF)), "big object tag");

    FileBytes configFirst;
    configFirst.i32(0).i32(12).append(configs(314, 4));
    expectRefused(configFirst.bytes, "CONFIG where FIELDBUS belongs");
}

TEST(ProjectFileRefusal, CountsTheStoreCannotHold) {
    for (int32_t count : {-1, 49, 1 << 30}) {
        for (int which = 0; which < 2; ++which) {
            FileBytes config;
            config.newClass("CONFIG");
            FileBytes body = test::defaultConfigBody(232, true);
            body.bytes.resize(body.bytes.size() - 8);
            body.i32(which == 0 ? count : 0).i32(which == 1 ? count : 0);
            config.append(body.bytes);
            for (int s = 1; s < 4; ++s)
                config.u16(0x8003).append(test::defaultConfigBody(232, false).bytes);
            expectRefused(fileWith(config.bytes),
                          (which ? "commandCount " : "nodeCount ") + std::to_string(count));
        }
    }
}

TEST(ProjectFileRefusal, ForgedLengthsAreRefusedWithoutAllocating) {
    // A node name claiming 4 GiB - 2 bytes, and one claiming an 8-byte length.
    FileBytes huge;
    huge.u8(0xFF).u16(0xFFFF).u32(0xFFFFFFFE);
    FileBytes eightByte;
    eightByte.u8(0xFF).u16(0xFFFF).u32(0xFFFFFFFF).u64(uint64_t{1} << 31);
    FileBytes eightByteMax;
    eightByteMax.u8(0xFF).u16(0xFFFF).u32(0xFFFFFFFF).u64(~uint64_t{0});
    FileBytes wideTwice;
    wideTwice.u8(0xFF).u16(0xFFFE).u8(0xFF).u16(0xFFFE).u8(1).u16('x');
    FileBytes wideBeyond;
    wideBeyond.u8(0xFF).u16(0xFFFE).u8(0xFF).u16(0xFFFF).u32(0x7FFFFFFF);

    for (const auto* name : {&huge, &eightByte, &eightByteMax, &wideTwice, &wideBeyond}) {
        FileBytes config;
        config.newClass("CONFIG");
        FileBytes body = test::defaultConfigBody(232, true);
        body.bytes.resize(body.bytes.size() - 8);
        body.i32(1).i32(0).text("7").append(name->bytes);
        config.append(body.bytes);
        expectRefused(fileWith(config.bytes), "forged length");
    }
}

TEST(ProjectFileRefusal, FileErrorsNameTheFile) {
    test::TempDir dir;
    Project project = editedProject();

    const std::string missing = dir.file("missing.chg");
    OpenOutcome opened = openProjectFile(project, missing);
    EXPECT_EQ(opened.result, OpenResult::Failed);
    EXPECT_EQ(opened.outcome.message(), missing + " was not found.");

    opened = openProjectFile(project, dir.path().string());
    EXPECT_EQ(opened.outcome.message(), "Access to " + dir.path().string() + " was denied.");

    const std::string notAFolder = dir.file("plain") + "/x.chg";
    test::writeBytes(dir.file("plain"), {1});
    opened = openProjectFile(project, notAFolder);
    EXPECT_EQ(opened.outcome.message(), notAFolder + " contains an invalid path.");
    expectUntouched(project);
}

#ifndef _WIN32
// A FIFO without a writer, or a terminal, would keep a read waiting for
// ever: anything but a regular file is refused before it is read.
TEST(ProjectFileRefusal, OnlyRegularFilesAreRead) {
    test::TempDir dir;
    Project project = editedProject();
    const std::string fifo = dir.file("fifo.chg");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero")}) {
        const OpenOutcome opened = openProjectFile(project, path);
        EXPECT_EQ(opened.result, OpenResult::Failed) << path;
        EXPECT_EQ(opened.outcome.message(), "Access to " + path + " was denied.");
    }
    // Without a controlling terminal /dev/tty does not even open.
    EXPECT_EQ(openProjectFile(project, "/dev/tty").result, OpenResult::Failed);
    expectUntouched(project);
}
#endif

TEST(ProjectFileRefusal, EmptyFileReadsNothing) {
    test::TempDir dir;
    test::writeBytes(dir.file("empty.chg"), {});
    Project project = editedProject();
    const OpenOutcome opened = openProjectFile(project, dir.file("empty.chg"));
    EXPECT_EQ(opened.result, OpenResult::Empty);
    expectUntouched(project);
}

TEST(ProjectFileRefusal, ExtraBytesAfterTheLastItemAreIgnored) {
    std::vector<uint8_t> bytes = test::defaultFile(314);
    bytes.push_back(0xAB);
    Project project = makeNewProject();
    EXPECT_TRUE(parseProject(bytes, project.device).has_value());
}

} // namespace
} // namespace brenmoor
