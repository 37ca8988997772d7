// How the device settings and feature flags follow start-up, files, New and
// uploads.
#include "core/model/device_settings.h"
#include "core/model/project_file.h"
#include "core/model/store_texts.h"
#include "file_bytes.h"

#include <gtest/gtest.h>

namespace brenmoor {
namespace {

using test::FileBytes;

// A version-312 file whose four CONFIG tails carry the given flag values.
struct TailFlags {
    int32_t dataFilter = 0, model12 = 1, commonMode = 0, doubleFault = 0, model11 = 1, profibus = 0,
            commandStatus = 0, delimiter = 0;
};

std::vector<uint8_t> fileWithTail(const TailFlags& flags, uint32_t version = 312,
                                  int32_t family = 0, int32_t model = 12) {
    auto config = [&](bool first) {
        FileBytes b = test::defaultConfigBody(232, first);
        b.bytes.erase(b.bytes.begin(), b.bytes.begin() + 4);
        FileBytes c;
        c.u32(version).append(b.bytes);
        if (version >= 233)
            c.i32(flags.dataFilter).i32(flags.model12);
        if (version >= 243)
            c.i32(flags.commonMode);
        if (version >= 244)
            c.i32(flags.doubleFault).text("Open");
        if (version >= 245)
            c.i32(flags.model11);
        if (version >= 246)
            c.i32(flags.profibus);
        if (version >= 300)
            c.i32(flags.commandStatus).text("2Bytes").text("Keep").text("5");
        if (version >= 312)
            c.i32(flags.delimiter).text("<").text(">");
        return c.bytes;
    };
    FileBytes f;
    f.i32(family).i32(model).newClass("FIELDBUS").append(test::defaultFieldbusBody().bytes);
    f.newClass("CONFIG").append(config(true));
    for (int s = 1; s < 4; ++s)
        f.u16(0x8003).append(config(false));
    if (version >= 246)
        f.text("Use to select the number of bytes").text("");
    return f.bytes;
}

Project open(const std::vector<uint8_t>& bytes, Project project = makeNewProject()) {
    auto loaded = parseProject(bytes, project.device);
    EXPECT_TRUE(loaded.has_value());
    if (loaded)
        applyLoadedProject(project, std::move(*loaded));
    return project;
}

TEST(DeviceFlags, SelectDeviceConfirmsTheOnlyModel) {
    DeviceSettings settings;
    settings.delimiter = true;
    settings.dataFilter = true;
    settings.deviceFamily = 3;
    applySelectDeviceOk(settings);
    DeviceSettings expected;
    expected.model12 = true;
    EXPECT_EQ(settings, expected);
}

TEST(DeviceFlags, EachTailFlagSetsItsFlagAndSavingWritesConstants) {
    TailFlags all;
    all = {1, 0, 1, 1, 0, 1, 1, 1};
    Project project = open(fileWithTail(all));
    EXPECT_TRUE(project.device.dataFilter);
    EXPECT_TRUE(project.device.commonMode);
    EXPECT_TRUE(project.device.doubleFault);
    EXPECT_TRUE(project.device.profibusData);
    EXPECT_TRUE(project.device.commandStatus);
    EXPECT_TRUE(project.device.delimiter);
    // The model flags follow the model code, not the tail.
    EXPECT_TRUE(project.device.model12);
    EXPECT_FALSE(project.device.model11);
    EXPECT_EQ(project.store.subnets[0].master.commandStatus, "2Bytes");
    EXPECT_EQ(project.store.subnets[2].common.terminator, ">");

    // Saved and read again, no feature flag survives but the delimiter flag,
    // which the fresh session keeps because the written tail clears it... to 0.
    Project reread = open(serializeProject(project));
    EXPECT_FALSE(reread.device.dataFilter);
    EXPECT_FALSE(reread.device.commonMode);
    EXPECT_FALSE(reread.device.doubleFault);
    EXPECT_FALSE(reread.device.profibusData);
    EXPECT_FALSE(reread.device.commandStatus);
    EXPECT_FALSE(reread.device.delimiter);
}

TEST(DeviceFlags, DataFilterFileThenSaveWritesZero) {
    TailFlags flags;
    flags.dataFilter = 1;
    Project project = open(fileWithTail(flags, 233));
    EXPECT_TRUE(project.device.dataFilter);
    const std::vector<uint8_t> saved = serializeProject(project);
    EXPECT_EQ(saved, fileWithTail(TailFlags{}, 233));
}

TEST(DeviceFlags, OnlyAVersion312TailChangesTheDelimiterFlag) {
    TailFlags flags;
    flags.delimiter = 1;
    Project project = open(fileWithTail(flags));
    ASSERT_TRUE(project.device.delimiter);
    project = open(test::defaultFile(232), project);
    EXPECT_TRUE(project.device.delimiter);
    project = open(test::defaultFile(300), project);
    EXPECT_TRUE(project.device.delimiter);
    project = open(test::defaultFile(312), project);
    EXPECT_FALSE(project.device.delimiter);
}

TEST(DeviceFlags, FamilyAndModelAreForcedToTheCorvanPlus) {
    Project project = open(fileWithTail(TailFlags{}, 314, 3, 11));
    EXPECT_EQ(project.device.deviceFamily, 0);
    EXPECT_EQ(project.device.modelCode, 12);
    EXPECT_TRUE(project.device.model12);
    EXPECT_FALSE(project.device.model11);
}

TEST(DeviceFlags, CommonModeSurvivesNewDocument) {
    TailFlags flags;
    flags.commonMode = 1;
    Project project = open(fileWithTail(flags));
    applyNewDocument(project.device);
    ResetToDefaults(project.store, project.device);
    EXPECT_EQ(project.store.subnets[0].protocolMode, text::CommonMode);
    EXPECT_EQ(project.store.subnets[1].protocolMode, text::ModbusMaster);
    EXPECT_EQ(project.store.subnets[0].nodeCount, 0);
}

TEST(DeviceFlags, FailedOpenClearsFeatureFlagsButTheDelimiter) {
    DeviceSettings settings;
    settings.dataFilter = settings.commonMode = settings.doubleFault = true;
    settings.profibusData = settings.commandStatus = settings.delimiter = true;
    settings.model11 = true;
    applyFailedOpen(settings);
    DeviceSettings expected;
    expected.model12 = true;
    expected.delimiter = true;
    EXPECT_EQ(settings, expected);
}

TEST(DeviceFlags, UploadSetsTheFamilyFromTheDeviceType) {
    DeviceSettings settings;
    applyUploadedDeviceType(settings, 1);
    EXPECT_EQ(settings.deviceFamily, 0);
}

} // namespace
} // namespace brenmoor
