#include "core/editor/command_catalog.h"
#include "core/mapping/completeness_check.h"
#include "core/mapping/conflict_maps.h"
#include "core/mapping/mapping_checks.h"
#include "core/resources/messages_mapping.h"
#include "core/serial/image_codec.h"
#include "mapping/mapping_fixtures.h"
#include "support/recording_prompter.h"

#include <gtest/gtest.h>

namespace brenmoor {
namespace {

using test::addCommand;

constexpr MapArea In = MapArea::Input;
constexpr MapArea Out = MapArea::Output;

TEST(ConflictMaps, TwoReadsOnTheSameBytesAreRedAndTheDownloadAsks) {
    Project project = test::mappingProject();
    addCommand(project, 3, 2, 0, "10");
    addCommand(project, 4, 1, 0, "12");
    MappingState state;
    const ConflictMaps maps = ConflictMaps::open(project, state);

    EXPECT_EQ(maps.cellColour(In, 0x10), MapColour::Green);
    EXPECT_EQ(maps.cellColour(In, 0x11), MapColour::Green);
    EXPECT_EQ(maps.cellColour(In, 0x12), MapColour::Red);
    EXPECT_EQ(maps.cellColour(In, 0x13), MapColour::Red);
    EXPECT_EQ(maps.cellColour(In, 0x14), MapColour::Free);
    EXPECT_TRUE(state.mappingConflict);

    test::RecordingPrompter prompter;
    prompter.answerNext(Answer::No);
    EXPECT_FALSE(askDownloadQuestions(state, prompter));
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{std::string(loadString(msg::MappingConflictQuestion))});
}

// Files of other editions and `import` can store a code with a leading
// blank; the gateway reads " 3" as 3, so everything else must too.
TEST(ConflictMaps, ABlankLedFunctionCodeIsTheCommandTheGatewayRuns) {
    Project project = test::mappingProject();
    addCommand(project, 3, 2, 0, "10").functionCode = " 3";
    addCommand(project, 3, 2, 0, "10");
    MappingState state;
    const ConflictMaps maps = ConflictMaps::open(project, state);
    EXPECT_EQ(maps.cellColour(In, 0x10), MapColour::Red);
    EXPECT_TRUE(state.mappingConflict);

    const INSTRUCTION& blank = test::commandAt(project, 0);
    EXPECT_EQ(encodeCommand(project.store, 0, 0)[1], 3);
    EXPECT_EQ(downloadByteCount(blank), 4);
    EXPECT_EQ(commandTreeText(blank.functionCode), "Read Holding Registers");
}

TEST(ConflictMaps, OpeningClearsAnEarlierConflict) {
    Project project = test::mappingProject();
    addCommand(project, 3, 2, 0, "10");
    MappingState state;
    state.mappingConflict = true;
    ConflictMaps::open(project, state);
    EXPECT_FALSE(state.mappingConflict);
}

TEST(ConflictMaps, WriteFromReadInputBytesIsLocalDataExchange) {
    Project project = test::mappingProject();
    addCommand(project, 3, 2, 0, "0010");
    addCommand(project, 16, 2, 0, "0010");
    MappingState state;
    const ConflictMaps maps = ConflictMaps::open(project, state);
    for (int byte = 0x10; byte <= 0x13; ++byte)
        EXPECT_EQ(maps.cellColour(In, byte), MapColour::Yellow) << byte;
    EXPECT_EQ(maps.bitColour(In, 0x10, 0), MapColour::Yellow);
    EXPECT_EQ(maps.cellColour(Out, 0x10), MapColour::Free);
    EXPECT_FALSE(state.mappingConflict);
}

TEST(ConflictMaps, WritesInTheOutputAreaAreBlueAndOverlapsRed) {
    Project project = test::mappingProject();
    addCommand(project, 6, 1, 0, "4000");
    addCommand(project, 16, 2, 0, "4001");
    MappingState state;
    const ConflictMaps maps = ConflictMaps::open(project, state);
    EXPECT_EQ(maps.cellColour(Out, 0), MapColour::Blue);
    EXPECT_EQ(maps.cellColour(Out, 1), MapColour::Red);
    EXPECT_EQ(maps.cellColour(Out, 4), MapColour::Blue);
    EXPECT_EQ(maps.cellColour(In, 1), MapColour::Free);
    EXPECT_EQ(maps.bitColour(Out, 1, 3), MapColour::Red);
    EXPECT_TRUE(state.mappingConflict);
}

TEST(ConflictMaps, BitFootprintFollowsTheOffsetIntoTheNextByte) {
    Project project = test::mappingProject();
    addCommand(project, 1, 3, 6, "20");
    MappingState state;
    const ConflictMaps maps = ConflictMaps::open(project, state);
    for (int bit = 0; bit < 8; ++bit)
        EXPECT_EQ(maps.bitColour(In, 0x20, bit), bit >= 6 ? MapColour::Green : MapColour::Free)
            << bit;
    EXPECT_EQ(maps.bitColour(In, 0x21, 0), MapColour::Green);
    EXPECT_EQ(maps.bitColour(In, 0x21, 1), MapColour::Free);
    EXPECT_EQ(maps.cellColour(In, 0x21), MapColour::Green);
    EXPECT_EQ(maps.cellColour(In, 0x22), MapColour::Free);
}

TEST(ConflictMaps, DifferentBitsOfOneByteDoNotConflict) {
    Project project = test::mappingProject();
    addCommand(project, 1, 4, 0, "30");
    addCommand(project, 2, 4, 4, "30");
    MappingState state;
    const ConflictMaps maps = ConflictMaps::open(project, state);
    EXPECT_EQ(maps.cellColour(In, 0x30), MapColour::Green);
    for (int bit = 0; bit < 8; ++bit)
        EXPECT_EQ(maps.bitColour(In, 0x30, bit), MapColour::Green) << bit;
    EXPECT_FALSE(state.mappingConflict);
}

TEST(ConflictMaps, CoilWritesMarkBitsInTheOutputArea) {
    Project project = test::mappingProject();
    addCommand(project, 5, 1, 2, "4002");
    addCommand(project, 15, 10, 1, "4002");
    MappingState state;
    const ConflictMaps maps = ConflictMaps::open(project, state);
    EXPECT_EQ(maps.writeUse(2, 0x4002), 2);
    EXPECT_EQ(maps.bitColour(Out, 2, 1), MapColour::Blue);
    EXPECT_EQ(maps.bitColour(Out, 2, 2), MapColour::Red);
    EXPECT_EQ(maps.bitColour(Out, 3, 2), MapColour::Blue);
    EXPECT_EQ(maps.bitColour(Out, 3, 3), MapColour::Free);
}

TEST(ConflictMaps, FilteredRegistersOccupyOneBytePerItem) {
    Project project = test::mappingProject();
    addCommand(project, 3, 4, 0, "40").swapMode = "Low Byte";
    addCommand(project, 4, 4, 0, "50").swapMode = "High Byte";
    MappingState state;
    ConflictMaps maps = ConflictMaps::open(project, state);
    EXPECT_EQ(maps.cellColour(In, 0x43), MapColour::Green);
    EXPECT_EQ(maps.cellColour(In, 0x44), MapColour::Free);
    EXPECT_EQ(maps.cellColour(In, 0x57), MapColour::Green)
        << "High Byte is one byte only under the data filter";

    project.device.dataFilter = true;
    maps = ConflictMaps::open(project, state);
    EXPECT_EQ(maps.cellColour(In, 0x54), MapColour::Free);
}

TEST(ConflictMaps, UncheckingTurnsRedBackButKeepsTheConflictMark) {
    Project project = test::mappingProject();
    addCommand(project, 3, 2, 0, "10");
    addCommand(project, 3, 1, 0, "12");
    MappingState state;
    ConflictMaps maps = ConflictMaps::open(project, state);
    ASSERT_TRUE(state.mappingConflict);

    const auto spans = maps.toggle(1, state);
    EXPECT_EQ(maps.entries()[1].code, -3);
    EXPECT_EQ(spans, (std::vector<CellSpan>{{In, 0x12, 2}}));
    EXPECT_EQ(maps.cellColour(In, 0x12), MapColour::Green);
    EXPECT_TRUE(state.mappingConflict);

    maps.toggle(0, state);
    EXPECT_EQ(maps.cellColour(In, 0x10), MapColour::Free);
    EXPECT_EQ(maps.inputUse(0, 0x10), 0);
}

TEST(ConflictMaps, CheckingAgainRestoresTheCounts) {
    Project project = test::mappingProject();
    addCommand(project, 16, 2, 0, "4000");
    addCommand(project, 16, 2, 0, "4004");
    MappingState state;
    ConflictMaps maps = ConflictMaps::open(project, state);
    ASSERT_FALSE(state.mappingConflict);
    maps.toggle(1, state);
    project.store.subnets[0].commands[1].mapAddress = "4001"; // not seen until the next opening
    maps.toggle(1, state);
    EXPECT_EQ(maps.entries()[1].code, 16);
    EXPECT_EQ(maps.writeUse(0, 0x4005), 1);
    EXPECT_FALSE(state.mappingConflict);
    EXPECT_EQ(maps.cellColour(Out, 5), MapColour::Blue);
}

TEST(ConflictMaps, ToggleSetsTheConflictWhenItPaintsRed) {
    Project project = test::mappingProject();
    addCommand(project, 3, 1, 0, "10");
    addCommand(project, 3, 1, 0, "10");
    MappingState state;
    ConflictMaps maps = ConflictMaps::open(project, state);
    maps.toggle(0, state);
    state.mappingConflict = false; // e.g. a download question already answered
    maps.toggle(0, state);
    EXPECT_TRUE(state.mappingConflict);
}

TEST(ConflictMaps, WriteSpanningBothAreasRepaintsBothGrids) {
    Project project = test::mappingProject();
    addCommand(project, 16, 2, 0, "3FFE");
    MappingState state;
    ConflictMaps maps = ConflictMaps::open(project, state);
    EXPECT_EQ(maps.cellColour(In, 0x3FFF), MapColour::Yellow);
    EXPECT_EQ(maps.cellColour(Out, 1), MapColour::Blue);
    const auto spans = maps.toggle(0, state);
    EXPECT_EQ(spans, (std::vector<CellSpan>{{In, 0x3FFE, 2}, {Out, 0, 2}}));
}

TEST(ConflictMaps, StatusEntryLeadsTheListAndMarksItsBytes) {
    Project project = test::mappingProject();
    project.device.commandStatus = true;
    project.store.subnets[0].master.commandStatus = "2Bytes";
    addCommand(project, 3, 1, 0, "2");
    MappingState state;
    ConflictMaps maps = ConflictMaps::open(project, state);

    ASSERT_EQ(maps.entries().size(), 2u);
    EXPECT_EQ(maps.entries()[0].code, kStatusEntryCode);
    EXPECT_EQ(conflictEntryText(maps.entries()[0]), "Modbus命令状态");
    EXPECT_EQ(conflictEntryText(maps.entries()[1]), "Read Holding Registers");
    EXPECT_EQ(maps.cellColour(In, 0), MapColour::Green);
    EXPECT_EQ(maps.cellColour(In, 1), MapColour::Green);
    EXPECT_EQ(maps.cellColour(In, 2), MapColour::Green);

    EXPECT_EQ(maps.toggle(0, state), (std::vector<CellSpan>{{In, 0, 2}}));
    EXPECT_EQ(maps.cellColour(In, 0), MapColour::Free);
    EXPECT_EQ(conflictEntryText(maps.entries()[0]), "Modbus命令状态");
}

TEST(ConflictMaps, NoStatusEntryWithoutTheFlagOrWithoutBytes) {
    Project project = test::mappingProject();
    project.store.subnets[0].master.commandStatus = "2Bytes";
    MappingState state;
    EXPECT_TRUE(ConflictMaps::open(project, state).entries().empty());
    project.device.commandStatus = true;
    project.store.subnets[0].master.commandStatus = "Close";
    EXPECT_TRUE(ConflictMaps::open(project, state).entries().empty());
}

TEST(ConflictMaps, ListCoversEverySubnetAndSkipsUnknownCodes) {
    Project project = test::mappingProject();
    addCommand(project, 3, 1, 0, "2");
    addCommand(project, 7, 1, 0, "2");
    addCommand(project, 1, 1, 0, "2").functionCode = "-1";
    CONFIG& third = project.store.subnets[2];
    third.commandCount = 1;
    third.commands[0].functionCode = "16";
    third.commands[0].dataCount = "1";
    third.commands[0].mapAddress = "4000";
    MappingState state;
    const ConflictMaps maps = ConflictMaps::open(project, state);
    ASSERT_EQ(maps.entries().size(), 2u);
    EXPECT_EQ(maps.entries()[0].command, 0);
    EXPECT_EQ(maps.entries()[1].subnet, 2);
    EXPECT_EQ(maps.cellColour(Out, 0), MapColour::Blue);
}

TEST(ConflictMaps, FootprintBeyondTheMapsIsIgnored) {
    Project project = test::mappingProject();
    addCommand(project, 3, 4, 0, "3FFE");     // two bytes inside, six beyond
    addCommand(project, 16, 4, 0, "7FFF");    // one byte inside
    addCommand(project, 1, 100, 0, "FFFFFF"); // wholly outside
    addCommand(project, 3, 1, 0, "-1");       // never set: nowhere
    MappingState state;
    ConflictMaps maps = ConflictMaps::open(project, state);
    EXPECT_EQ(maps.cellColour(In, 0x3FFF), MapColour::Green);
    EXPECT_EQ(maps.cellColour(Out, 0x3FFF), MapColour::Blue);
    EXPECT_EQ(maps.cellColour(In, 0), MapColour::Free);
    EXPECT_EQ(maps.inputUse(0, 0x4000), 0);
    EXPECT_FALSE(state.mappingConflict);
    EXPECT_EQ(maps.toggle(0, state), (std::vector<CellSpan>{{In, 0x3FFE, 2}}));
    EXPECT_TRUE(maps.toggle(2, state).empty());
    EXPECT_TRUE(maps.toggle(3, state).empty());
}

TEST(ConflictMaps, ColoursAndRowLabels) {
    EXPECT_EQ(mapColourRgb(MapColour::Green), (Rgb{0, 255, 0}));
    EXPECT_EQ(mapColourRgb(MapColour::Yellow), (Rgb{255, 255, 0}));
    EXPECT_EQ(mapColourRgb(MapColour::Free), std::nullopt);
    EXPECT_EQ(mapRowLabel(In, 1), "0010");
    EXPECT_EQ(mapRowLabel(In, 1023), "3FF0");
    EXPECT_EQ(mapRowLabel(Out, 0), "4000");
    EXPECT_EQ(mapRowLabel(Out, 1023), "7FF0");
    // What a screen reader says of a cell: its byte and what its colour means.
    EXPECT_EQ(mapByteLabel(Out, 0x12), "4012");
    EXPECT_EQ(mapColourLegend(MapColour::Yellow), "Local data exchange");
    EXPECT_EQ(mapColourLegend(MapColour::Free), "");
}

} // namespace
} // namespace brenmoor
