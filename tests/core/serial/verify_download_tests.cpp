#include "compare/compare_fixtures.h"
#include "readback_gateway.h"

#include "core/compare/config_diff.h"
#include "core/model/store_texts.h"
#include "core/serial/download_sequence.h"
#include "core/serial/download_verify.h"
#include "core/serial/gateway_readback.h"
#include "support/recording_prompter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace brenmoor {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::StartsWith;

struct VerifyTest : ::testing::Test {
    FakeClock clock;
    ScriptedPort port{clock};
    test::StoringGateway gateway;
    test::RecordingPrompter prompter;
    TransferView view;
    std::vector<TransferView> shown;
    Project project = testing::sampleProject();
    int firmware = 0;

    VerifyTest() {
        port.setResponder([this](const std::vector<uint8_t>& r) { return gateway.reply(r); });
    }

    void download() {
        DownloadSequence sequence(port, clock, prompter, view);
        ASSERT_TRUE(sequence.run(project));
        firmware = sequence.firmwareVersion();
    }

    VerifyReport verify() {
        return verifyDownload(port, clock, project, firmware, view,
                              [this](const TransferView& v) { shown.push_back(v); });
    }

    // The codes written from the verification on.
    std::vector<uint8_t> codesFrom(size_t first) const {
        const auto all = port.writtenCodes();
        return {all.begin() + static_cast<std::ptrdiff_t>(first), all.end()};
    }
};

TEST_F(VerifyTest, GatewayHoldingTheDownloadPasses) {
    download();
    const Project before = project;
    const size_t written = port.written().size();
    const VerifyReport report = verify();

    EXPECT_TRUE(report.verified());
    EXPECT_THAT(report.differences, IsEmpty());
    EXPECT_TRUE(view.verifyPassed);
    EXPECT_EQ(view.verifyLine, "Verified: the gateway holds what was sent.");
    // The step shows while the gateway is read, before its outcome.
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.front().verifyLine, "Verifying the configuration in the gateway");
    EXPECT_FALSE(shown.front().verifyPassed);
    // Only the upload's reads go out, and the project is left as it was.
    EXPECT_THAT(codesFrom(written), ElementsAre(0x22, 0x04, 0x15, 0x16));
    EXPECT_EQ(project.store, before.store);
    EXPECT_EQ(project.marks.modified, before.marks.modified);
    // The download's own lines stay.
    EXPECT_EQ(view.lineB, "Downloading is successful!");
}

TEST_F(VerifyTest, CommandStoredWronglyIsNamedByItsField) {
    // The second command's mapping address 4000 is stored as 4010.
    gateway.miswrite = test::StoringGateway::Miswrite{0x10, 2, 7, 0x10};
    download();
    const VerifyReport report = verify();
    EXPECT_TRUE(report.outcome.ok());
    EXPECT_FALSE(report.verified());
    EXPECT_THAT(report.differences,
                ElementsAre("Subnet 1, command 2: Mapping Address (HEX) is 4010 in the gateway, "
                            "4000 here"));
    EXPECT_FALSE(view.verifyPassed);
    EXPECT_EQ(view.verifyLine, "The gateway holds a different configuration!");
}

TEST_F(VerifyTest, BlocksStoredWronglyAreNamedByTheirFields) {
    gateway.miswrite = test::StoringGateway::Miswrite{0x03, 1, 9, 0x01}; // delay 2 -> 3 tens
    download();
    EXPECT_THAT(verify().differences,
                ElementsAre("Subnet 1: Delay Between Polls(0~2500ms) is 30 in the gateway, 20 "
                            "here"));

    // A word field over two bytes is one difference.
    gateway.subnet[7] ^= 0x01;
    gateway.subnet[8] ^= 0x01;
    gateway.deviceNet[2] = 6;
    EXPECT_THAT(verify().differences,
                ElementsAre("Fieldbus: Size of DeviceNet Input Buffer is 160 in the gateway, 64 "
                            "here",
                            "Subnet 1: Response Timeout(5~60000ms) is 745 in the gateway, 1000 "
                            "here",
                            "Subnet 1: Delay Between Polls(0~2500ms) is 30 in the gateway, 20 "
                            "here"));
}

TEST_F(VerifyTest, MissingAndExtraCommands) {
    download();
    gateway.commands.erase(2);
    EXPECT_THAT(verify().differences,
                ElementsAre("Subnet 1: Number of Commands is 2 in the gateway, 3 here",
                            "Subnet 1, command 3: Function Code is (none) in the gateway, 4 here"));

    gateway.commands[2] = {7, 3};
    gateway.commands[3] = {7, 1};
    EXPECT_THAT(verify().differences,
                ElementsAre("Subnet 1: Number of Commands is 4 in the gateway, 3 here",
                            "Subnet 1, command 3: Slave Address (0~247) is 7 in the gateway, 3 "
                            "here",
                            "Subnet 1, command 3: Function Code is 3 in the gateway, 4 here",
                            "Subnet 1, command 3: Number of Data is 0 in the gateway, 2 here",
                            "Subnet 1, command 3: Mapping Address (HEX) is 0 in the gateway, 6 "
                            "here",
                            "Subnet 1, command 4: Function Code is 1 in the gateway, (none) here"));
}

TEST_F(VerifyTest, NoReplyToAReadIsAFailureNotASuccess) {
    download();
    gateway.silentOn.insert(0x04);
    const VerifyReport report = verify();
    EXPECT_FALSE(report.outcome.ok());
    EXPECT_FALSE(report.verified());
    EXPECT_THAT(report.differences, IsEmpty());
    EXPECT_EQ(report.outcome.message(), "Reading Modbus configuration error");
    EXPECT_FALSE(view.verifyPassed);
    EXPECT_EQ(view.verifyLine, report.outcome.message());
}

TEST_F(VerifyTest, ModbusSlaveReadsNoCommandList) {
    project.store.subnets[0].protocolMode = std::string(text::ModbusSlave);
    download();
    const size_t written = port.written().size();
    EXPECT_TRUE(verify().verified());
    EXPECT_THAT(codesFrom(written), ElementsAre(0x22, 0x04));
}

TEST_F(VerifyTest, GatewayThatTurnedSlaveReportsTheProtocol) {
    download();
    gateway.subnet[0] = 1;
    EXPECT_THAT(verify().differences,
                ElementsAre("Subnet 1: Protocols Mode is Modbus Slave in the gateway, Modbus "
                            "Master here"));
}

TEST_F(VerifyTest, OptionalBlocksAreReadBackWhenTheDownloadSentThem) {
    project.device.commandStatus = true;
    project.device.profibusData = true;
    project.store.subnets[0].master.timeoutCount = "5";
    project.store.fieldbus.profibusConfigMode = std::string(text::EnterConfigData);
    project.store.fieldbus.profibusConfigData = "D1 E1";
    gateway.firmware = 40;
    download();
    const size_t written = port.written().size();
    EXPECT_TRUE(verify().verified());
    EXPECT_THAT(codesFrom(written), ElementsAre(0x22, 0x04, 0x15, 0x16, 0x33, 0x35));

    gateway.clearingOption = 6;
    gateway.profibus[2] = 0xE2;
    EXPECT_THAT(verify().differences,
                ElementsAre("Subnet 1: Timeout Count is 6 in the gateway, 5 here",
                            "Fieldbus: Profibus Configuration Data is d1 e2  in the gateway, d1 e1 "
                            " here"));

    // A byte past the count is no part of the text, yet it differs.
    gateway.clearingOption = 5;
    gateway.profibus[2] = 0xE1;
    gateway.profibus[5] = 0x07;
    EXPECT_THAT(verify().differences,
                ElementsAre("Fieldbus: Profibus Configuration Data is d1 e1 00 00 07 00 00 00  in "
                            "the gateway, d1 e1 00 00 00 00 00 00  here"));
}

// Fields left empty go out as 0 and an upload brings them back as "0":
// compared with the gateway right after a verified download, nothing differs.
TEST_F(VerifyTest, AVerifiedDownloadComparesAsTheSameWithTheGateway) {
    CONFIG& subnet = project.store.subnets[0];
    for (int k = 0; k < subnet.commandCount; ++k) {
        subnet.commands[static_cast<size_t>(k)].bitOffset = "";
        subnet.commands[static_cast<size_t>(k)].startAddress = "";
    }
    download();
    ASSERT_TRUE(verify().verified());

    Project held = project;
    TransferView reading;
    ASSERT_TRUE(readGatewayConfiguration(port, clock, held, reading).ok());
    const auto differences = compareConfigurations(project, held);
    ASSERT_THAT(differences, Not(IsEmpty()));
    for (const ConfigDifference& d : differences)
        EXPECT_FALSE(d.differsInGateway()) << describeDifference(d, "here", "the gateway");
    const auto bitOffset = std::find_if(differences.begin(), differences.end(), [](const auto& d) {
        return d.label == "Bit Offset (0~7)";
    });
    ASSERT_NE(bitOffset, differences.end());
    EXPECT_EQ(describeDifference(*bitOffset, "here", "the gateway"),
              "Subnet 1, node 3, command 1: Bit Offset (0~7) is 0 in the gateway, empty in here "
              "(sent as the same bytes)");
}

TEST_F(VerifyTest, OptionalBlocksTheDownloadDidNotSendAreNotRead) {
    project.device.commandStatus = true; // needs firmware 40
    download();
    const size_t written = port.written().size();
    EXPECT_TRUE(verify().verified());
    EXPECT_THAT(codesFrom(written), Not(::testing::Contains(0x33)));
}

TEST_F(VerifyTest, DoubleFaultLeavesTheDeviceNetBlockOutOfIt) {
    project.device.doubleFault = true;
    download();
    gateway.deviceNet = {1, 2, 3, 4};
    const VerifyReport report = verify();
    EXPECT_TRUE(report.verified()) << ::testing::PrintToString(report.differences);
}

TEST_F(VerifyTest, BytesTheUploadWouldIgnoreStillCount) {
    // Byte 11 (pulse time) comes back from an upload only for pulse output;
    // byte for byte it still has to match.
    download();
    gateway.subnet[11] = 20;
    EXPECT_THAT(
        verify().differences,
        ElementsAre(StartsWith("Subnet 1: Output Pulse(200~2500ms) is 200 in the gateway")));
}

} // namespace
} // namespace brenmoor
