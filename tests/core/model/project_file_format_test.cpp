// The bytes of the project file: what is written, and that every version
// this program may meet reads back into exactly the same bytes.
#include "core/model/project_file.h"
#include "core/model/store_texts.h"
#include "file_bytes.h"
#include "project_fixtures.h"

#include <gtest/gtest.h>

namespace brenmoor {
namespace {

using test::FileBytes;

std::vector<uint8_t> roundTrip(const std::vector<uint8_t>& bytes, Project* out = nullptr) {
    Project project = makeNewProject();
    auto loaded = parseProject(bytes, project.device);
    EXPECT_TRUE(loaded.has_value());
    if (!loaded)
        return {};
    applyLoadedProject(project, std::move(*loaded));
    if (out)
        *out = project;
    return serializeProject(project);
}

TEST(ProjectFileFormat, DefaultConfigurationIsWrittenByteForByte) {
    const std::vector<uint8_t> written = serializeProject(makeNewProject());
    EXPECT_EQ(written, test::defaultFile(314));

    // The landmarks an engineer checks in a hex dump.
    const std::vector<uint8_t> head = {0, 0, 0, 0, 0x0C, 0, 0, 0, 0xFF, 0xFF, 1, 0, 8, 0};
    ASSERT_GT(written.size(), head.size());
    EXPECT_TRUE(std::equal(head.begin(), head.end(), written.begin()));
    const std::string tail(written.end() - 35, written.end());
    EXPECT_EQ(tail, std::string("\x21Use to select the number of bytes") + '\0');
}

TEST(ProjectFileFormat, EveryVersionReadsBackToTheSameBytes) {
    for (uint32_t version : {0u, 232u, 233u, 243u, 244u, 245u, 246u, 299u, 300u, 311u, 312u, 314u,
                             1000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(version);
        const std::vector<uint8_t> file = test::defaultFile(version);
        Project project;
        EXPECT_EQ(roundTrip(file, &project), file);
        EXPECT_EQ(project.formatVersion, version);
    }
}

TEST(ProjectFileFormat, OldVersionKeepsItsLayoutWhateverTheStoreHolds) {
    Project project;
    roundTrip(test::defaultFile(232), &project);
    // Fields a 232 file cannot carry come in empty ...
    EXPECT_EQ(project.store.fieldbus.profibusConfigMode, "");
    EXPECT_EQ(project.store.subnets[0].doubleFaultClear, "");
    EXPECT_EQ(project.store.subnets[0].master.commandStatus, "");
    // ... and whatever they are given is still not written.
    project.store.fieldbus.profibusConfigMode = "Enter the configuration data";
    project.store.subnets[0].doubleFaultClear = "Open";
    project.store.subnets[0].common.startChar = "<";
    EXPECT_EQ(serializeProject(project), test::defaultFile(232));
}

TEST(ProjectFileFormat, FullConfigurationRoundTrips) {
    const Project full = test::makeFullProject();
    const std::vector<uint8_t> bytes = serializeProject(full);
    Project reread;
    EXPECT_EQ(roundTrip(bytes, &reread), bytes);
    EXPECT_EQ(reread.store, full.store);
}

TEST(ProjectFileFormat, LengthPrefixBoundaries) {
    struct Case {
        size_t length;
        std::vector<uint8_t> prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        Project project = makeNewProject();
        project.store.subnets[0].nodeCount = 1;
        project.store.subnets[0].nodes[0].address = "1";
        project.store.subnets[0].nodes[0].name = std::string(c.length, 'n');
        const std::vector<uint8_t> bytes = serializeProject(project);

        // The name follows the address "1" (01 31) of the only node.
        std::vector<uint8_t> needle = {0x01, '1'};
        needle.insert(needle.end(), c.prefix.begin(), c.prefix.end());
        if (c.length > 0)
            needle.push_back('n');
        EXPECT_NE(std::search(bytes.begin(), bytes.end(), needle.begin(), needle.end()),
                  bytes.end());

        Project reread;
        EXPECT_EQ(roundTrip(bytes, &reread), bytes);
        EXPECT_EQ(reread.store.subnets[0].nodes[0].name.size(), c.length);
    }
}

// A default file whose first node name is given as raw prefix and bytes.
std::vector<uint8_t> fileWithNodeName(const std::vector<uint8_t>& encodedName) {
    FileBytes f;
    f.i32(0).i32(12).newClass("FIELDBUS").append(test::defaultFieldbusBody().bytes);
    FileBytes config = test::defaultConfigBody(232, true);
    // nodeCount sits right after the 34 texts; rebuild the counts by hand.
    config.bytes.resize(config.bytes.size() - 8);
    config.i32(1).i32(0).text("7").append(encodedName);
    f.newClass("CONFIG").append(config.bytes);
    for (int s = 1; s < 4; ++s)
        f.u16(0x8003).append(test::defaultConfigBody(232, false).bytes);
    return f.bytes;
}

TEST(ProjectFileFormat, SixteenBitTextsAreReadAsUtf8) {
    struct Case {
        std::vector<uint8_t> encoded;
        std::string expected;
    };
    const Case cases[] = {
        // "Ab" as two 16-bit characters.
        {{0xFF, 0xFE, 0xFF, 0x02, 'A', 0, 'b', 0}, "Ab"},
        // U+00E9 and U+4E2D: two- and three-byte UTF-8.
        {{0xFF, 0xFE, 0xFF, 0x02, 0xE9, 0x00, 0x2D, 0x4E}, "\xC3\xA9\xE4\xB8\xAD"},
        // A surrogate pair (U+1F600) and a lone low surrogate.
        {{0xFF, 0xFE, 0xFF, 0x03, 0x3D, 0xD8, 0x00, 0xDE, 0x00, 0xDC},
         "\xF0\x9F\x98\x80\xEF\xBF\xBD"},
        // The 16-bit marker followed by a three-byte length.
        {{0xFF, 0xFE, 0xFF, 0xFF, 0x01, 0x00, 'x', 0}, "x"},
    };
    for (const auto& c : cases) {
        Project project;
        roundTrip(fileWithNodeName(c.encoded), &project);
        EXPECT_EQ(project.store.subnets[0].nodes[0].name, c.expected);
    }
}

TEST(ProjectFileFormat, EightByteLengthBelowTwoToTheThirtyFirstIsAccepted) {
    FileBytes name;
    name.u8(0xFF).u16(0xFFFF).u32(0xFFFFFFFF).u64(3).raw("abc");
    Project project;
    roundTrip(fileWithNodeName(name.bytes), &project);
    EXPECT_EQ(project.store.subnets[0].nodes[0].name, "abc");
}

TEST(ProjectFileFormat, TrailingTextsFollowTheLastConfig) {
    Project project = makeNewProject();
    project.store.fieldbus.profibusConfigMode = "Enter the configuration data";
    project.store.fieldbus.profibusConfigData = "D1 E1";
    const std::vector<uint8_t> bytes = serializeProject(project);
    const std::string tail(bytes.end() - 35, bytes.end());
    EXPECT_EQ(tail, std::string("\x1C") + "Enter the configuration data" + "\x05" + "D1 E1");
    Project reread;
    roundTrip(bytes, &reread);
    EXPECT_EQ(reread.store.fieldbus.profibusConfigData, "D1 E1");
}

} // namespace
} // namespace brenmoor
