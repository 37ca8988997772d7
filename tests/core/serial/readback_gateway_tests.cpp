#include "compare/compare_fixtures.h"
#include "readback_gateway.h"

#include "core/compare/config_diff.h"
#include "core/serial/download_sequence.h"
#include "core/serial/gateway_readback.h"
#include "support/recording_prompter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace brenmoor {
namespace {

using ::testing::ElementsAre;

struct ReadbackTest : ::testing::Test {
    FakeClock clock;
    ScriptedPort port{clock};
    test::StoringGateway gateway;
    test::RecordingPrompter prompter;
    TransferView view;
    Project project = testing::sampleProject();

    ReadbackTest() {
        port.setResponder([this](const std::vector<uint8_t>& r) { return gateway.reply(r); });
        DownloadSequence download(port, clock, prompter, view);
        EXPECT_TRUE(download.run(project));
        view = {};
    }

    std::vector<ConfigDifference> travelling(const Project& read) const {
        std::vector<ConfigDifference> out;
        for (const auto& d : compareConfigurations(project, read))
            if (d.travels)
                out.push_back(d);
        return out;
    }
};

TEST_F(ReadbackTest, ReadsAsTheUploadDoesWithoutTouchingTheMarks) {
    Project read = project;
    read.marks = {};
    read.formatVersion = 250;
    const size_t written = port.written().size();
    ASSERT_TRUE(readGatewayConfiguration(port, clock, read, view));

    const auto codes = port.writtenCodes();
    EXPECT_THAT(
        std::vector<uint8_t>(codes.begin() + static_cast<std::ptrdiff_t>(written), codes.end()),
        ElementsAre(0x01, 0x22, 0x04, 0x15, 0x16));
    EXPECT_EQ(view.lineB, "Uploading is successful!");
    EXPECT_FALSE(read.marks.modified);
    EXPECT_FALSE(read.marks.upload);
    EXPECT_FALSE(read.marks.loaded);
    EXPECT_EQ(read.formatVersion, 250u);
    // The gateway holds every field that travels; names and the other
    // subnets come back as an upload makes them.
    EXPECT_TRUE(travelling(read).empty()) << ::testing::PrintToString(travelling(read));
    EXPECT_EQ(read.store.subnets[0].nodes[0].name, "Node-3");
}

TEST_F(ReadbackTest, ChangedGatewayShowsAsADifferenceOfTheField) {
    gateway.commands[1][9] = 1; // node 7's command now scans slowly
    Project read = project;
    ASSERT_TRUE(readGatewayConfiguration(port, clock, read, view));
    const auto diffs = travelling(read);
    ASSERT_EQ(diffs.size(), 1u);
    EXPECT_EQ(describeDifference(diffs[0], "A.chg", "the gateway"),
              "Subnet 1, node 7, command 1: Type of Scan is Slow Scan in the gateway, Fast Scan in "
              "A.chg");
}

TEST_F(ReadbackTest, FailedReadLeavesTheProjectAlone) {
    gateway.silentOn.insert(0x16);
    Project read = testing::sampleProject();
    read.store.fieldbus.stationAddress = "44";
    const Project before = read;
    const Outcome outcome = readGatewayConfiguration(port, clock, read, view);
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.message(), "Modbus read command packet 0 error list");
    EXPECT_EQ(read.store, before.store);
    EXPECT_EQ(read.device, before.device);
}

TEST_F(ReadbackTest, FlagsOfTheProjectChooseTheOptionalBlocks) {
    gateway.firmware = 40;
    gateway.clearingOption = 9;
    Project read = project;
    read.device.commandStatus = true;
    ASSERT_TRUE(readGatewayConfiguration(port, clock, read, view));
    EXPECT_EQ(read.store.subnets[0].master.timeoutCount, "9");
    EXPECT_TRUE(read.device.commandStatus);
}

} // namespace
} // namespace brenmoor
