#include "core/mapping/auto_mapping.h"
#include "core/resources/messages_mapping.h"
#include "mapping/mapping_fixtures.h"
#include "support/recording_prompter.h"

#include <gtest/gtest.h>

namespace brenmoor {
namespace {

using test::addCommand;
using test::commandAt;
using test::RecordingPrompter;

const std::string kExceeds{loadString(msg::MappingAddressExceeds)};

AutoMappingOutcome runConfirmed(Project& project, MappingState& state,
                                RecordingPrompter& prompter) {
    prompter.answerNext(Answer::Ok);
    return runAutoMapping(project, state, prompter);
}

TEST(AutoMapping, GroupsByFunctionCodeAndChainsEachArea) {
    Project project = test::mappingProject();
    addCommand(project, 3, 10);
    addCommand(project, 1, 5, 3);
    addCommand(project, 16, 4);
    addCommand(project, 5, 1, 0);
    MappingState state;
    RecordingPrompter prompter;

    EXPECT_EQ(runConfirmed(project, state, prompter), AutoMappingOutcome::Completed);

    EXPECT_EQ(commandAt(project, 0).mapAddress, "3");
    EXPECT_EQ(commandAt(project, 1).mapAddress, "2");
    EXPECT_EQ(commandAt(project, 2).mapAddress, "4001");
    EXPECT_EQ(commandAt(project, 3).mapAddress, "4000");
    EXPECT_EQ(commandAt(project, 0).byteCount, "20");
    EXPECT_EQ(commandAt(project, 1).byteCount, "1");
    EXPECT_EQ(commandAt(project, 2).byteCount, "8");
    EXPECT_EQ(commandAt(project, 3).byteCount, "1");
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{std::string(loadString(msg::AutoMappingQuestion))});
    EXPECT_FALSE(state.mappingOverflow);
    EXPECT_TRUE(project.marks.modified);
}

TEST(AutoMapping, WritesUpperCaseHexWithoutLeadingZeros) {
    Project project = test::mappingProject();
    addCommand(project, 3, 12); // 24 bytes from 2: the next starts at 26
    addCommand(project, 4, 1);
    MappingState state;
    RecordingPrompter prompter;
    runConfirmed(project, state, prompter);
    EXPECT_EQ(commandAt(project, 1).mapAddress, "1A");
}

TEST(AutoMapping, CancelChangesNothing) {
    Project project = test::mappingProject();
    addCommand(project, 3, 10, 0, "77");
    const ParameterStore before = project.store;
    MappingState state;
    state.mappingOverflow = true;
    RecordingPrompter prompter;
    prompter.answerNext(Answer::Cancel);

    EXPECT_EQ(runAutoMapping(project, state, prompter), AutoMappingOutcome::Cancelled);
    EXPECT_EQ(project.store, before);
    EXPECT_TRUE(state.mappingOverflow) << "only a confirmed run clears the overflow";
    EXPECT_FALSE(project.marks.modified);
}

TEST(AutoMapping, EmptySubnetPlacesNothingAndShowsNoMessage) {
    Project project = test::mappingProject();
    project.store.subnets[0].master.commandStatus = "6Bytes";
    MappingState state;
    state.mappingOverflow = true;
    RecordingPrompter prompter;

    EXPECT_EQ(runConfirmed(project, state, prompter), AutoMappingOutcome::Completed);
    EXPECT_EQ(prompter.shown().size(), 1u);
    EXPECT_FALSE(state.mappingOverflow);
    EXPECT_FALSE(project.marks.modified);
}

TEST(AutoMapping, OverflowIsReportedOnceButAddressesAreStored) {
    Project project = test::mappingProject(); // 64 input bytes
    addCommand(project, 3, 20);               // 2..42
    addCommand(project, 3, 20);               // 42..82: outside
    addCommand(project, 3, 20);               // 82..122: outside too
    MappingState state;
    RecordingPrompter prompter;

    EXPECT_EQ(runConfirmed(project, state, prompter), AutoMappingOutcome::Completed);
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{
                                    std::string(loadString(msg::AutoMappingQuestion)), kExceeds}));
    EXPECT_TRUE(state.mappingOverflow);
    EXPECT_EQ(commandAt(project, 2).mapAddress, "52");
}

TEST(AutoMapping, ReadEndingExactlyAtTheLimitFits) {
    Project project = test::mappingProject();
    addCommand(project, 3, 31); // 2..64
    MappingState state;
    RecordingPrompter prompter;
    runConfirmed(project, state, prompter);
    EXPECT_FALSE(state.mappingOverflow);
}

TEST(AutoMapping, WriteAreaLimitCountsFrom4000) {
    Project project = test::mappingProject();
    project.store.fieldbus.outputSize = "8";
    addCommand(project, 16, 4); // 4000..4008 fits
    MappingState state;
    RecordingPrompter prompter;
    runConfirmed(project, state, prompter);
    EXPECT_FALSE(state.mappingOverflow);

    addCommand(project, 6, 1); // 4008..400A does not
    runConfirmed(project, state, prompter);
    EXPECT_TRUE(state.mappingOverflow);
}

TEST(AutoMapping, TotalOfBothAreasIsLimitedTo224Bytes) {
    Project project = test::mappingProject();
    project.store.fieldbus.inputSize = "160";
    project.store.fieldbus.outputSize = "112";
    addCommand(project, 3, 64);  // input end 130
    addCommand(project, 16, 48); // output end 4060: 96 bytes, total 226
    MappingState state;
    RecordingPrompter prompter;
    runConfirmed(project, state, prompter);
    EXPECT_TRUE(state.mappingOverflow);
    EXPECT_EQ(prompter.texts().back(), kExceeds);
    EXPECT_EQ(prompter.shown().size(), 2u);
}

TEST(AutoMapping, CommandStatusFlagGivesBothAreas224BytesAndReadsStillStartAt2) {
    Project project = test::mappingProject();
    project.device.commandStatus = true;
    project.store.subnets[0].master.commandStatus = "4Bytes";
    project.store.fieldbus.inputSize = "8";
    addCommand(project, 3, 100); // 2..202: beyond 8, inside 224
    MappingState state;
    RecordingPrompter prompter;
    runConfirmed(project, state, prompter);
    EXPECT_EQ(commandAt(project, 0).mapAddress, "2");
    EXPECT_FALSE(state.mappingOverflow);

    addCommand(project, 4, 12); // 202..226
    runConfirmed(project, state, prompter);
    EXPECT_TRUE(state.mappingOverflow);
}

TEST(AutoMapping, DoubleFaultAreasAre168WhateverTheBufferSizes) {
    Project project = test::mappingProject();
    project.device.doubleFault = true;
    project.store.fieldbus.inputSize = "8";
    addCommand(project, 3, 83); // 2..168
    MappingState state;
    RecordingPrompter prompter;
    runConfirmed(project, state, prompter);
    EXPECT_FALSE(state.mappingOverflow);
}

TEST(AutoMapping, ProfibusErrorChangesNothingAndSetsTheOverflow) {
    Project project = test::mappingProject();
    project.device.profibusData = true;
    project.store.fieldbus.profibusConfigMode = "Enter the configuration data";
    project.store.fieldbus.profibusConfigData = "0F";
    addCommand(project, 3, 10, 0, "abc").byteCount = "7";
    const ParameterStore before = project.store;
    MappingState state;
    RecordingPrompter prompter;

    EXPECT_EQ(runConfirmed(project, state, prompter), AutoMappingOutcome::ProfibusConfigError);
    EXPECT_EQ(project.store, before);
    EXPECT_TRUE(state.mappingOverflow);
    EXPECT_EQ(prompter.texts().back(), loadString(msg::ProfibusConfigDataError));
    EXPECT_FALSE(project.marks.modified);
}

TEST(AutoMapping, ProfibusLengthsAreTheLimits) {
    Project project = test::mappingProject();
    project.device.dataFilter = true;
    project.store.fieldbus.profibusConfigMode = "Enter the configuration data";
    project.store.fieldbus.profibusConfigData = "D1 E1"; // 4 in, 4 out
    addCommand(project, 3, 1);                           // 2..4 fits
    MappingState state;
    RecordingPrompter prompter;
    runConfirmed(project, state, prompter);
    EXPECT_FALSE(state.mappingOverflow);
    EXPECT_EQ(state.profibusInputLength, 4);

    addCommand(project, 4, 1); // 4..6 does not
    runConfirmed(project, state, prompter);
    EXPECT_TRUE(state.mappingOverflow);
}

TEST(AutoMapping, CommonModeUses224BytesOnlyForAutoMapping) {
    Project project = test::mappingProject();
    project.device.commonMode = true;
    addCommand(project, 3, 100);
    MappingState state;
    RecordingPrompter prompter;
    runConfirmed(project, state, prompter);
    EXPECT_FALSE(state.mappingOverflow);
}

TEST(AutoMapping, UnknownFunctionCodeKeepsItsTexts) {
    Project project = test::mappingProject();
    addCommand(project, 7, 10, 0, "1234").byteCount = "99";
    addCommand(project, 2, 9, 7); // (9 + 7 + 7) / 8 = 2 bytes
    MappingState state;
    RecordingPrompter prompter;
    runConfirmed(project, state, prompter);
    EXPECT_EQ(commandAt(project, 0).mapAddress, "1234");
    EXPECT_EQ(commandAt(project, 0).byteCount, "99");
    EXPECT_EQ(commandAt(project, 1).mapAddress, "2");
    EXPECT_EQ(commandAt(project, 1).byteCount, "2");
}

TEST(AutoMapping, SingleCoilSizeFollowsTheBitOffset) {
    EXPECT_EQ(commandSize(5, 1, 0), 1);
    EXPECT_EQ(commandSize(5, 1, 8), 2);
    EXPECT_EQ(commandSize(6, 9, 0), 2);
    EXPECT_EQ(commandSize(15, 16, 1), 3);
    EXPECT_EQ(commandSize(20, 1, 0), std::nullopt);
}

TEST(AutoMapping, RunThatChangesNothingLeavesTheModifiedMark) {
    Project project = test::mappingProject();
    addCommand(project, 3, 1, 0, "2").byteCount = "2";
    MappingState state;
    RecordingPrompter prompter;
    runConfirmed(project, state, prompter);
    EXPECT_FALSE(project.marks.modified);
}

TEST(AutoMapping, ImpossibleCountsFromAFileDoNotOverflowArithmetic) {
    Project project = test::mappingProject();
    addCommand(project, 3, 0).dataCount = "99999999999999999999999";
    addCommand(project, 3, 1).dataCount = "-1"; // never set: reads as 0
    MappingState state;
    RecordingPrompter prompter;
    runConfirmed(project, state, prompter);
    EXPECT_TRUE(state.mappingOverflow);
    EXPECT_EQ(commandAt(project, 1).byteCount, "0");
}

} // namespace
} // namespace brenmoor
