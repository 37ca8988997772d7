// The application layer: the download's steps in the dialog's order, the
// monitor driver's ticks and Send over a scripted port, which flags take
// which tool away, and the item names of --select and `select`.
#include "core/jobs/download_job.h"
#include "core/jobs/item_lookup.h"
#include "core/jobs/monitor_driver.h"
#include "core/jobs/tool_availability.h"
#include "core/mapping/conflict_maps.h"
#include "core/resources/messages_mapping.h"
#include "core/resources/messages_monitor.h"
#include "core/resources/messages_serial.h"
#include "core/resources/messages_serial_dialogs.h"
#include "fake_clock.h"
#include "mapping/mapping_fixtures.h"
#include "scripted_port.h"
#include "support/recording_prompter.h"

#include <gtest/gtest.h>

namespace brenmoor {
namespace {

using test::addCommand;
using test::RecordingPrompter;
using Texts = std::vector<std::string>;
using Bytes = std::vector<uint8_t>;

std::string text(MessageId id) {
    return std::string(loadString(id));
}

// Passes the completeness check; two commands read into the same bytes.
Project overlappingProject() {
    Project project = test::mappingProject();
    addCommand(project, 3, 10, 0, "2", "5");
    addCommand(project, 3, 10, 0, "2", "5");
    return project;
}

TEST(DownloadJob, AnIncompleteConfigurationEndsAtOpenWithItsMessages) {
    Project project = test::mappingProject();
    addCommand(project, 3, 10, 0, "-1", "5");
    MappingState mapping;
    RecordingPrompter prompter;
    DownloadJob job(project, mapping, prompter);
    EXPECT_FALSE(job.open());
    ASSERT_FALSE(prompter.texts().empty());
    EXPECT_EQ(prompter.texts().back(), text(msg::ConfigurationNotComplete));
}

TEST(DownloadJob, TheConflictQuestionRestsOnWhatWasPaintedOrOnFreshMaps) {
    for (const auto source : {ConflictQuestion::AsLastPainted, ConflictQuestion::Recomputed}) {
        Project project = overlappingProject();
        MappingState mapping;
        RecordingPrompter prompter;
        DownloadJob job(project, mapping, prompter, source);
        ASSERT_TRUE(job.open());
        EXPECT_TRUE(prompter.texts().empty()) << "the opening check passes silently";
        prompter.answerNext(Answer::No);
        const DownloadStart start = job.start();
        if (source == ConflictQuestion::AsLastPainted) {
            EXPECT_TRUE(start.go()) << "nothing was painted in this run";
            EXPECT_TRUE(prompter.texts().empty());
        } else {
            EXPECT_EQ(start.kind, DownloadStart::Kind::Declined);
            EXPECT_EQ(prompter.texts(), Texts{text(msg::MappingConflictQuestion)});
        }
    }
}

TEST(DownloadJob, TheNodeCheckComesBeforeAnyQuestion) {
    Project project = overlappingProject();
    project.store.subnets[1].nodeCount = 1;
    project.store.subnets[1].nodes[0] = NODE{"-1", "Node"};
    MappingState mapping;
    mapping.mappingConflict = true;
    RecordingPrompter prompter;
    DownloadJob job(project, mapping, prompter);
    const DownloadStart start = job.start();
    EXPECT_EQ(start.kind, DownloadStart::Kind::Refused);
    EXPECT_EQ(start.outcome.id(), msg::NodeAddressEmpty);
    EXPECT_TRUE(prompter.texts().empty()) << "the refusal is the front end's to show";
}

TEST(DownloadJob, TheCombinedOutcomeOfAReadBack) {
    DownloadResult result;
    EXPECT_TRUE(result.combined().ok());
    result.check = VerifyReport{};
    EXPECT_TRUE(result.combined().ok()) << "nothing differed";
    result.check->differences = {"one", "two"};
    EXPECT_EQ(result.combined().id(), msg::VerifyDifferencesHeading);
    EXPECT_EQ(result.combined().message(), text(msg::VerifyDifferencesHeading) + "\none\ntwo");
    result.check->outcome = Outcome::failure(msg::UploadError, text(msg::UploadError));
    EXPECT_EQ(result.combined().id(), msg::UploadError) << "a failed read says so first";
    result.outcome = Outcome::failure(msg::DownloadError, text(msg::DownloadError));
    EXPECT_EQ(result.combined().id(), msg::DownloadError);
}

TEST(DownloadJob, TransferWithoutAGatewayTimesOutAndReadsNothingBack) {
    const Project project = overlappingProject();
    FakeClock clock;
    ScriptedPort port(clock);
    RecordingPrompter prompter;
    TransferView view;
    view.verifyLine = "left over";
    const DownloadResult result = DownloadJob::transfer(port, clock, prompter, project, true, view);
    EXPECT_EQ(result.outcome.id(), msg::ReadDeviceTypeTimeout);
    EXPECT_FALSE(result.check);
    EXPECT_TRUE(view.verifyLine.empty()) << "a new transfer starts without a read-back line";
    EXPECT_EQ(port.written().size(), 1u);
}

// --- The monitor driver ------------------------------------------------

const Bytes kRecord = {0x00, 0x05, 0x00, 0x10, 0x03, 0x0A, 0x0B, 0x0C};

TEST(MonitorDriver, ATickAnswersTheWaitingRecordAndAGonePortReadsNothing) {
    FakeClock clock;
    ScriptedPort port(clock);
    monitor::MonitorSession session;
    monitor::MonitorDriver driver(session, clock);
    EXPECT_FALSE(driver.tick(&port).step.shownRow) << "nothing waits";
    port.injectNow(kRecord);
    const monitor::TickResult ticked = driver.tick(&port);
    EXPECT_FALSE(ticked.portGone);
    EXPECT_TRUE(ticked.step.shownRow);
    EXPECT_EQ(port.written(), std::vector<Bytes>{{0x00}});

    EXPECT_TRUE(driver.tick(nullptr).portGone);
    port.injectNow(kRecord);
    port.closePort();
    const size_t queries = port.queryCount();
    EXPECT_TRUE(driver.tick(&port).portGone);
    EXPECT_EQ(port.queryCount(), queries) << "a closed port is not asked";
    EXPECT_EQ(clock.totalSlept(), 0) << "a tick never waits";
}

TEST(MonitorDriver, SendChecksTheTextsThenThePortAfterItsFirstWait) {
    FakeClock clock;
    auto record = monitor::MonitorDriver::awaitSendRecord(nullptr, clock, "4070", "00");
    EXPECT_EQ(record.outcome.id(), msg::MappingAddressOutOfRange);
    EXPECT_EQ(clock.totalSlept(), 100);
    record = monitor::MonitorDriver::awaitSendRecord(nullptr, clock, "4000", "00 ");
    EXPECT_EQ(record.outcome.id(), msg::OpenSerialPortFailed);
    EXPECT_EQ(clock.totalSlept(), 200);

    monitor::MonitorSession session;
    monitor::MonitorDriver driver(session, clock);
    const monitor::MonitorStep step = driver.answerSend(nullptr, record);
    EXPECT_EQ(step.outcome.id(), msg::OpenSerialPortFailed);
    EXPECT_TRUE(session.list().rows().empty());
}

TEST(MonitorDriver, SendLooksFiveTimesAndAnswersTheRecordWithTheWriteRequest) {
    FakeClock clock;
    ScriptedPort port(clock);
    monitor::MonitorSession session;
    monitor::MonitorDriver driver(session, clock);
    monitor::MonitorStep step = driver.send(&port, "4000", "00 ");
    EXPECT_EQ(step.outcome.id(), msg::ReadingSerialFailure);
    EXPECT_EQ(port.queryCount(), 5u);
    EXPECT_EQ(clock.totalSlept(), 100 + 4 * 200);
    EXPECT_TRUE(port.written().empty());

    port.writeBytes(Bytes{0x00});
    port.expectReply(kRecord, 0);
    port.writeBytes(Bytes{0x00});
    step = driver.send(&port, "406f", "ff ");
    EXPECT_TRUE(step.outcome.ok());
    EXPECT_TRUE(step.shownRow);
    EXPECT_EQ(port.written().back(), (Bytes{0x01, 0x40, 0x6F, 0x01, 0xFF}));
}

// A gateway that sends the next record 50 ms after each answer.
void answerWithRecords(ScriptedPort& port) {
    port.setResponder([](const Bytes&) {
        return ScriptedPort::Reply{{ScriptedPort::Chunk{50, kRecord}}};
    });
    port.injectNow(kRecord);
}

TEST(MonitorDriver, RunTicksEvery200MsUntilItsRowsAreShown) {
    FakeClock clock;
    ScriptedPort port(clock);
    answerWithRecords(port);
    monitor::MonitorSession session;
    monitor::MonitorDriver driver(session, clock);
    std::vector<int64_t> shownAt;
    monitor::MonitorRunLimits limits;
    limits.rows = 3;
    driver.run(port, limits, std::nullopt, {}, [&](const monitor::MonitorStep& step) {
        if (step.shownRow)
            shownAt.push_back(clock.now());
    });
    EXPECT_EQ(shownAt, (std::vector<int64_t>{0, 200, 400}));
    EXPECT_EQ(port.written().size(), 3u);
}

TEST(MonitorDriver, RunSendsFirstAndEndsOnceWithThePortGone) {
    FakeClock clock;
    ScriptedPort port(clock);
    answerWithRecords(port);
    monitor::MonitorSession session;
    monitor::MonitorDriver driver(session, clock);
    Texts messages;
    int ticks = 0;
    driver.run(
        port, {}, monitor::MonitorDriver::SendTexts{"4000", "01 "},
        [&] {
            // The device goes away after the first tick's answer.
            if (++ticks == 3)
                port.closePort();
            return false;
        },
        [&](const monitor::MonitorStep& step) {
            if (!step.outcome)
                messages.push_back(step.outcome.message());
        });
    ASSERT_GE(port.written().size(), 1u);
    EXPECT_EQ(port.written().front(), (Bytes{0x01, 0x40, 0x00, 0x01, 0x01}))
        << "the first record gets the write request";
    EXPECT_EQ(messages, Texts{text(msg::OpenSerialPortFailed)});
}

// --- Tools and item names ---------------------------------------------

TEST(ToolAvailability, TheFlagsThatTakeEachToolAway) {
    DeviceSettings device;
    EXPECT_TRUE(toolAvailable(MappingTool::AutoMapping, device));
    EXPECT_TRUE(toolAvailable(MappingTool::ConflictDetection, device));
    device.delimiter = true;
    EXPECT_TRUE(toolAvailable(MappingTool::AutoMapping, device));
    EXPECT_FALSE(toolAvailable(MappingTool::ConflictDetection, device));
    device.delimiter = false;
    device.commonMode = true;
    EXPECT_FALSE(toolAvailable(MappingTool::AutoMapping, device));
    EXPECT_FALSE(toolAvailable(MappingTool::ConflictDetection, device));
}

TEST(ItemLookup, NamesOfTheFourKinds) {
    auto parsed = [](std::string_view text) { return parseItemName(text); };
    auto name = [&](std::string_view text) { return std::get<ItemName>(parsed(text)); };
    EXPECT_EQ(name("fieldbus").kind, ItemKind::Fieldbus);
    EXPECT_EQ(name("  subnet ").kind, ItemKind::Subnet);
    EXPECT_EQ(name("node 2").kind, ItemKind::Node);
    EXPECT_EQ(name("node 2").number, 2);
    EXPECT_EQ(name("command\t48").number, 48);

    auto error = [&](std::string_view text) { return std::get<ItemNameError>(parsed(text)); };
    EXPECT_EQ(error("fieldbus 1").kind, ItemNameError::Kind::TrailingText);
    EXPECT_EQ(error("fieldbus 1").text, "1");
    EXPECT_EQ(error("node").kind, ItemNameError::Kind::NotANumber);
    EXPECT_EQ(error("node 2 x").kind, ItemNameError::Kind::NotANumber);
    EXPECT_EQ(error("command x").text, "x");
    EXPECT_EQ(error("Node 2").kind, ItemNameError::Kind::UnknownKind);
    EXPECT_EQ(error("").kind, ItemNameError::Kind::UnknownKind);
}

} // namespace
} // namespace brenmoor
