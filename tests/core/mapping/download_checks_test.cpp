#include "core/mapping/completeness_check.h"
#include "core/mapping/mapping_checks.h"
#include "core/resources/messages_mapping.h"
#include "mapping/mapping_fixtures.h"
#include "support/recording_prompter.h"

#include <gtest/gtest.h>

namespace brenmoor {
namespace {

using test::addCommand;
using test::RecordingPrompter;
using Texts = std::vector<std::string>;

const std::string kNotComplete{loadString(msg::ConfigurationNotComplete)};
const std::string kHeader = "Configuration is not complete, please continue to complete the "
                            "configuration before downloading! \n  \n";

Texts checkRanges(const Project& project) {
    MappingState state;
    RecordingPrompter prompter;
    const bool passed = checkMappingRanges(project, state, prompter);
    EXPECT_EQ(passed, prompter.shown().empty());
    return prompter.texts();
}

TEST(MappingRanges, ReadCommandsAgainstTheInputArea) {
    Project project = test::mappingProject(); // 64 and 64
    addCommand(project, 3, 0, 0, "2", "12").byteCount = "62";
    EXPECT_EQ(checkRanges(project), Texts{});
    project.store.subnets[0].commands[0].byteCount = "63";
    EXPECT_EQ(checkRanges(project), Texts{"Node-12 input commands mapped address out of range!"});
}

TEST(MappingRanges, WriteCommandsAgainstTheOutputArea) {
    Project project = test::mappingProject();
    project.store.fieldbus.outputSize = "8";
    addCommand(project, 16, 0, 0, "4000", "3").byteCount = "8";
    EXPECT_EQ(checkRanges(project), Texts{});
    addCommand(project, 6, 0, 0, "4007", "ab%sc").byteCount = "2";
    EXPECT_EQ(checkRanges(project),
              Texts{"Node-ab%sc output commands mapped address out of range!"});
}

TEST(MappingRanges, LocalDataExchangeIsMeasuredInTheInputArea) {
    Project project = test::mappingProject();
    project.store.fieldbus.outputSize = "8";
    addCommand(project, 16, 0, 0, "2", "4").byteCount = "8";
    EXPECT_EQ(checkRanges(project), Texts{"Node-4 output commands mapped address out of range!"});
}

TEST(MappingRanges, StopsAtTheFirstFailureAndSkipsOtherCodes) {
    Project project = test::mappingProject();
    addCommand(project, 7, 0, 0, "7000", "1").byteCount = "99";
    addCommand(project, 4, 0, 0, "60", "2").byteCount = "9";
    addCommand(project, 15, 0, 0, "5000", "3").byteCount = "9";
    EXPECT_EQ(checkRanges(project), Texts{"Node-2 input commands mapped address out of range!"});
}

// Only a Modbus master's completeness check refuses an unset address before
// the range check; in the other modes the range check measures it too.
TEST(MappingRanges, AnUnsetAddressIsMeasuredOutsideAModbusMaster) {
    Project project = test::mappingProject();
    project.store.subnets[0].protocolMode = "Modbus Slave";
    addCommand(project, 3, 0, 0, "-1", "9").byteCount = "65";
    EXPECT_EQ(checkRanges(project), Texts{"Node-9 input commands mapped address out of range!"});
}

TEST(MappingRanges, ProfibusErrorFailsTheCheck) {
    Project project = test::mappingProject();
    project.device.dataFilter = true;
    project.store.fieldbus.profibusConfigMode = "Enter the configuration data";
    project.store.fieldbus.profibusConfigData = "C0 01";
    EXPECT_EQ(checkRanges(project), Texts{"Value Profibus configuration data error"});
}

TEST(DownloadQuestions, ConflictThenOverflowEachWithYesAndNo) {
    MappingState state;
    RecordingPrompter prompter;
    EXPECT_TRUE(askDownloadQuestions(state, prompter));
    EXPECT_TRUE(prompter.shown().empty());

    state.mappingConflict = true;
    state.mappingOverflow = true;
    prompter.answerNext(Answer::Yes);
    prompter.answerNext(Answer::Yes);
    EXPECT_TRUE(askDownloadQuestions(state, prompter));
    EXPECT_EQ(prompter.texts(), (Texts{std::string(loadString(msg::MappingConflictQuestion)),
                                       std::string(loadString(msg::MappingOverflowQuestion))}));

    prompter.clear();
    prompter.answerNext(Answer::Yes);
    prompter.answerNext(Answer::No);
    EXPECT_FALSE(askDownloadQuestions(state, prompter));

    prompter.clear();
    prompter.answerNext(Answer::No);
    EXPECT_FALSE(askDownloadQuestions(state, prompter));
    EXPECT_EQ(prompter.shown().size(), 1u) << "No to the first question asks nothing more";
}

// A configuration that passes: filled parameters and one mapped command.
Project completeProject() {
    Project project = test::mappingProject();
    addCommand(project, 3, 10, 0, "2", "5");
    return project;
}

Texts complete(Project& project, bool expected) {
    MappingState state;
    RecordingPrompter prompter;
    EXPECT_EQ(runCompletenessCheck(project, state, prompter), expected);
    return prompter.texts();
}

TEST(CompletenessCheck, PassesSilentlyAndRecomputesByteCounts) {
    Project project = completeProject();
    addCommand(project, 1, 9, 5, "20");
    addCommand(project, 15, 16, 0, "4000");
    addCommand(project, 5, 1, 9, "4002");
    addCommand(project, 6, 3, 0, "4003");
    addCommand(project, 9, 3, 0, "4005").byteCount = "keep";
    EXPECT_EQ(complete(project, true), Texts{});
    const auto& commands = project.store.subnets[0].commands;
    EXPECT_EQ(commands[0].byteCount, "20");
    EXPECT_EQ(commands[1].byteCount, "2")
        << "the download counts whole bytes of data, without the offset";
    EXPECT_EQ(commands[2].byteCount, "2");
    EXPECT_EQ(commands[3].byteCount, "1");
    EXPECT_EQ(commands[4].byteCount, "2");
    EXPECT_EQ(commands[5].byteCount, "keep");
}

TEST(CompletenessCheck, RangeCheckUsesTheRecomputedByteCount) {
    Project project = completeProject();
    project.store.subnets[0].commands[0].byteCount = "0";
    project.store.subnets[0].commands[0].dataCount = "32"; // 2 + 64 > 64
    EXPECT_EQ(complete(project, false),
              (Texts{"Node-5 input commands mapped address out of range!", kNotComplete}));
}

TEST(CompletenessCheck, UnsetStationAddressHasNoMessageOfItsOwn) {
    Project project = completeProject();
    project.store.fieldbus.stationAddress = "-1";
    EXPECT_EQ(complete(project, false), Texts{kNotComplete});
}

TEST(CompletenessCheck, BufferPairs) {
    Project project = completeProject();
    project.store.fieldbus.inputSize = "160";
    for (const char* output : {"112", "96"}) {
        project.store.fieldbus.outputSize = output;
        EXPECT_EQ(complete(project, false),
                  (Texts{std::string(loadString(msg::BufferSumTooLarge)), kNotComplete}));
    }
    project.store.fieldbus.inputSize = "128";
    project.store.fieldbus.outputSize = "112";
    EXPECT_EQ(complete(project, true), Texts{});
}

TEST(CompletenessCheck, SubnetParametersInOrder) {
    Project project = completeProject();
    MASTERPARAM& master = project.store.subnets[0].master;
    master.responseTimeout = "-1";
    master.pollDelay = "-1";
    EXPECT_EQ(complete(project, false),
              (Texts{kHeader + "Subnet 1 response wait time Unfilled", kNotComplete}));
    master.responseTimeout = "300";
    EXPECT_EQ(complete(project, false),
              (Texts{kHeader + "Subnet 1 polling delay Unfilled", kNotComplete}));
    master.pollDelay = "0";
    master.outputPulse = "-1";
    EXPECT_EQ(complete(project, true), Texts{}) << "the pulse time matters only for pulse output";
    master.outputMode = "Pulse output";
    EXPECT_EQ(complete(project, false),
              (Texts{kHeader + "Subnet 1 pulse output time Unfilled", kNotComplete}));
    master.outputPulse = "100";
    master.scanRate = "-1";
    EXPECT_EQ(complete(project, false),
              (Texts{kHeader + "Subnet 1 scan rate Unfilled", kNotComplete}));
}

TEST(CompletenessCheck, CommandFieldsInOrderNamingTheNode) {
    Project project = completeProject();
    INSTRUCTION& command = addCommand(project, 16, 1, 0, "-1", "17");
    command.dataCount = "-1";
    command.bitOffset = "-1";
    command.startAddress = "-1";
    EXPECT_EQ(complete(project, false),
              (Texts{kHeader + "Subnet 1 next node -17Unfilled starting address", kNotComplete}));
    command.startAddress = "0";
    EXPECT_EQ(complete(project, false),
              (Texts{kHeader + "Subnet 1 next node -17Unfilled number of data", kNotComplete}));
    command.dataCount = "1";
    EXPECT_EQ(
        complete(project, false),
        (Texts{kHeader + "Subnet 1 next node -17Unfilled starting address mapping", kNotComplete}));
    command.mapAddress = "4000";
    EXPECT_EQ(complete(project, false),
              (Texts{kHeader + "Subnet 1 next node -17Mapping bit offset Unfilled", kNotComplete}));
    command.bitOffset = "0";
    command.slaveAddress = "-1";
    EXPECT_EQ(complete(project, false),
              (Texts{kHeader + "Node address can not be vacant.", kNotComplete}));
}

TEST(CompletenessCheck, SlaveAddressIsNeverReadAsAFormat) {
    Project project = completeProject();
    addCommand(project, 3, 1, 0, "-1", "%s%s%n");
    EXPECT_EQ(complete(project, false),
              (Texts{kHeader + "Subnet 1 next node -%s%s%nUnfilled starting address mapping",
                     kNotComplete}));
}

TEST(CompletenessCheck, ModbusSlaveNeedsItsAddressOnly) {
    Project project = completeProject();
    CONFIG& subnet = project.store.subnets[0];
    subnet.protocolMode = "Modbus Slave";
    subnet.master.scanRate = "-1";
    subnet.commands[0].mapAddress = "-1";
    subnet.slave.slaveAddress = "";
    EXPECT_EQ(complete(project, false), Texts{kNotComplete});
    subnet.slave.slaveAddress = "3";
    EXPECT_EQ(complete(project, true), Texts{});
}

} // namespace
} // namespace brenmoor
