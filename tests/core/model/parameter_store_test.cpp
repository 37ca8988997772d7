// Defaults, the copies between store and file records, and the conversion of
// texts written by earlier editions.
#include "core/model/parameter_store.h"
#include "core/model/project_file.h"
#include "core/model/store_texts.h"
#include "project_fixtures.h"

#include <gtest/gtest.h>

namespace brenmoor {
namespace {

TEST(ParameterStore, DefaultsOfANewSession) {
    const Project project = makeNewProject();
    const ParameterStore& store = project.store;
    EXPECT_EQ(store.fieldbus.fieldbusBaud, "Automatic");
    EXPECT_EQ(store.fieldbus.inputSize, "64");
    EXPECT_EQ(store.fieldbus.profibusConfigMode, "Use to select the number of bytes");
    EXPECT_EQ(store.subnets[0].doubleFaultClear, "Open");
    for (int s = 1; s < kSubnetCount; ++s)
        EXPECT_EQ(store.subnets[s].doubleFaultClear, "") << "untouched by the reset";
    for (const CONFIG& subnet : store.subnets) {
        EXPECT_EQ(subnet.protocolMode, "Modbus Master");
        EXPECT_EQ(subnet.master.outputPulse, "-1");
        EXPECT_EQ(subnet.master.timeoutAction, "Timeout cleared");
        EXPECT_EQ(subnet.custom.customBaud, "300");
        EXPECT_EQ(subnet.common.startChar, "");
        EXPECT_EQ(subnet.nodes[47].address, "-1");
        EXPECT_EQ(subnet.nodes[47].name, "New Node");
        EXPECT_EQ(subnet.commands[47].swapMode, "No Swap");
        EXPECT_EQ(subnet.commands[47].scanType, "Fast Scan");
        EXPECT_EQ(subnet.commands[47].checkType, "");
    }
}

TEST(ParameterStore, ResetKeepsTheFieldsItDoesNotOwn) {
    ParameterStore store;
    store.subnets[2].doubleFaultClear = "Close";
    store.subnets[1].common.startChar = "<";
    store.subnets[3].common.terminator = ">";
    DeviceSettings settings;
    settings.dataFilter = true;
    ResetToDefaults(store, settings);
    EXPECT_EQ(store.subnets[2].doubleFaultClear, "Close");
    EXPECT_EQ(store.subnets[1].common.startChar, "<");
    EXPECT_EQ(store.subnets[3].common.terminator, ">");
    EXPECT_EQ(store.subnets[0].commands[0].swapMode, "Full word");
}

TEST(ParameterStore, DefaultSavedAndReloadedIsTheSameStore) {
    Project project = makeNewProject();
    auto loaded = parseProject(serializeProject(project), project.device);
    ASSERT_TRUE(loaded.has_value());
    Project reread = makeNewProject();
    applyLoadedProject(reread, std::move(*loaded));
    EXPECT_EQ(reread.store, project.store);
}

TEST(ParameterStore, RecordsCarryOnlyTheSlotsInUse) {
    Project project = test::makeFullProject();
    project.store.subnets[1].nodeCount = 2;
    project.store.subnets[1].commandCount = 3;
    const ProjectRecords records = CopyToRecords(project.store);
    EXPECT_EQ(records.configs[1].nodes[1], project.store.subnets[1].nodes[1]);
    EXPECT_EQ(records.configs[1].nodes[2], NODE{});
    EXPECT_EQ(records.configs[1].commands[2], project.store.subnets[1].commands[2]);
    EXPECT_EQ(records.configs[1].commands[3], INSTRUCTION{});
}

TEST(ParameterStore, OldTextsAreConvertedExactly) {
    ProjectRecords records = CopyToRecords(makeNewProject().store);
    records.configs[0].commands[0].swapMode = "no swap";
    records.configs[0].commands[1].swapMode = "double-byte swap";
    records.configs[3].commands[47].swapMode = "four-byte swap";
    records.configs[0].commands[2].swapMode = "Double-byte swap";
    records.configs[0].commands[3].swapMode = "No swap";
    records.fieldbus.fieldbusBaud = "Automatic Listener";
    records.fieldbus.ipMode = "Static configuration";

    ParameterStore store;
    CopyFromRecords(store, records);
    EXPECT_EQ(store.subnets[0].commands[0].swapMode, "No Swap");
    EXPECT_EQ(store.subnets[0].commands[1].swapMode, "Two Bytes Swap");
    EXPECT_EQ(store.subnets[3].commands[47].swapMode, "Four Bytes Swap");
    EXPECT_EQ(store.subnets[0].commands[2].swapMode, "Double-byte swap") << "case matters";
    EXPECT_EQ(store.subnets[0].commands[3].swapMode, "No swap");
    EXPECT_EQ(store.fieldbus.fieldbusBaud, "Automatic");
    EXPECT_EQ(store.fieldbus.ipMode, "Manually Assign");
}

TEST(ParameterStore, NonMasterSubnetKeepsNodesAndCommandsThroughAFile) {
    Project project = test::makeFullProject();
    project.store.subnets[0].protocolMode = "Modbus Slave";
    auto loaded = parseProject(serializeProject(project), project.device);
    ASSERT_TRUE(loaded.has_value());
    Project reread = makeNewProject();
    applyLoadedProject(reread, std::move(*loaded));
    EXPECT_EQ(reread.store.subnets[0].nodeCount, 48);
    EXPECT_EQ(reread.store.subnets[0].commands[47], project.store.subnets[0].commands[47]);
}

} // namespace
} // namespace brenmoor
