#include "core/monitor/monitor_session.h"
#include "core/resources/messages_monitor.h"

#include "support/recording_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brenmoor::monitor {
namespace {

using test::readBytes;
using test::RecordingPrompter;
using test::TempDir;

const std::vector<uint8_t> kCorrect{0x00, 0x05, 0x00, 0x10, 0x03, 0x0A, 0x0B, 0x0C};
const std::vector<uint8_t> kHidden{0xFF, 0x05, 0x00, 0x10, 0x01, 0x00};
const std::vector<uint8_t> kUnknownState{0x07, 0x05, 0x00, 0x10, 0x00};
const std::vector<uint8_t> kContinue{0x00};

const WriteRequest kRequest{0x4000, {0x00, 0x01, 0x02, 0x03}};
const std::vector<uint8_t> kWriteRequestBytes{0x01, 0x40, 0x00, 0x04, 0x00, 0x01, 0x02, 0x03};

const std::string kCorrectBlock = "State\t\tCorrect response\r\n"
                                  "Slave Address\t5\r\n"
                                  "Starting Address\t16\r\n"
                                  "Data/Exception Code\t0a 0b 0c \r\n"
                                  "\r\n";

std::vector<uint8_t> recordFromSlave(uint8_t slave) {
    return {0x00, slave, 0x00, 0x00, 0x00};
}

std::string fileText(const std::string& path) {
    const auto bytes = readBytes(path);
    return {bytes.begin(), bytes.end()};
}

class MonitorSessionTest : public ::testing::Test {
  protected:
    MonitorSession session;
    TempDir dir;

    void tickTimes(int count) {
        for (int i = 0; i < count; ++i)
            session.tick(recordFromSlave(static_cast<uint8_t>(i)));
    }
};

TEST_F(MonitorSessionTest, OpensEmptyShowingAndNotSaving) {
    EXPECT_EQ(session.list().size(), 0u);
    EXPECT_TRUE(session.showing());
    EXPECT_FALSE(session.saving());
    EXPECT_EQ(loadString(session.displayButtonText()), "Stop Displaying");
    EXPECT_EQ(loadString(session.saveButtonText()), "Save Content");
}

TEST_F(MonitorSessionTest, TickListsAndAnswersARecord) {
    const MonitorStep step = session.tick(kCorrect);
    EXPECT_EQ(step.answer, kContinue);
    ASSERT_TRUE(step.shownRow);
    EXPECT_EQ(*step.shownRow, (MonitorRow{"Correct response", "5", "16", "0a 0b 0c "}));
    EXPECT_EQ(session.list().rows(), std::vector<MonitorRow>{*step.shownRow});
    EXPECT_TRUE(step.outcome);
}

TEST_F(MonitorSessionTest, HiddenRecordIsAnsweredButNeitherShownNorSaved) {
    const std::string path = dir.file("log.txt");
    ASSERT_TRUE(session.startSaving(path));
    const MonitorStep step = session.tick(kHidden);
    EXPECT_EQ(step.answer, kContinue);
    EXPECT_FALSE(step.shownRow);
    EXPECT_FALSE(step.saved);
    EXPECT_EQ(session.list().size(), 0u);
    session.stopSaving();
    EXPECT_EQ(fileText(path), "");
}

TEST_F(MonitorSessionTest, UnknownStateOrNothingReadGetsNoAnswer) {
    EXPECT_TRUE(session.tick(kUnknownState).answer.empty());
    EXPECT_TRUE(session.tick({}).answer.empty());
    EXPECT_EQ(session.list().size(), 0u);
}

TEST_F(MonitorSessionTest, PollingKeepsAtMost151Rows) {
    tickTimes(151);
    EXPECT_EQ(session.list().size(), 151u);
    const MonitorStep step = session.tick(recordFromSlave(200));
    EXPECT_TRUE(step.listEmptied);
    ASSERT_EQ(session.list().size(), 1u);
    EXPECT_EQ(session.list().rows()[0].slaveAddress, "200");
}

TEST_F(MonitorSessionTest, HiddenRecordAlsoEmptiesAFullList) {
    tickTimes(151);
    EXPECT_TRUE(session.tick(kHidden).listEmptied);
    EXPECT_EQ(session.list().size(), 0u);
}

TEST_F(MonitorSessionTest, SendDoesNotEmptyAFullList) {
    tickTimes(151);
    const MonitorStep step = session.send(kCorrect, kRequest);
    EXPECT_FALSE(step.listEmptied);
    EXPECT_EQ(session.list().size(), 152u);
    EXPECT_TRUE(session.tick(kCorrect).listEmptied);
    EXPECT_EQ(session.list().size(), 1u);
}

TEST_F(MonitorSessionTest, SendAnswersWithTheWriteRequest) {
    const MonitorStep step = session.send(kCorrect, kRequest);
    EXPECT_TRUE(step.outcome);
    EXPECT_EQ(step.answer, kWriteRequestBytes);
    EXPECT_TRUE(step.shownRow);
    // A hidden record is answered with the request too, and not listed.
    const MonitorStep hidden = session.send(kHidden, kRequest);
    EXPECT_EQ(hidden.answer, kWriteRequestBytes);
    EXPECT_FALSE(hidden.shownRow);
    EXPECT_EQ(session.list().size(), 1u);
}

TEST_F(MonitorSessionTest, SendFailuresSendNothing) {
    MonitorStep step = session.send({}, kRequest);
    EXPECT_EQ(step.outcome.id(), msg::ReadingSerialFailure);
    EXPECT_EQ(step.outcome.message(), "Reading the serial failure!");
    EXPECT_TRUE(step.answer.empty());
    step = session.send(kUnknownState, kRequest);
    EXPECT_EQ(step.outcome.message(), "The received data is not formatted correctly!");
    EXPECT_TRUE(step.answer.empty());
    EXPECT_EQ(session.list().size(), 0u);
}

TEST_F(MonitorSessionTest, StoppedDisplayStillAnswersAndSaves) {
    const std::string path = dir.file("log.txt");
    ASSERT_TRUE(session.startSaving(path));
    session.tick(kCorrect);
    session.toggleDisplay();
    EXPECT_EQ(loadString(session.displayButtonText()), "Continue to Display");

    const MonitorStep step = session.tick(kCorrect);
    EXPECT_EQ(step.answer, kContinue);
    EXPECT_FALSE(step.shownRow);
    EXPECT_TRUE(step.saved);
    EXPECT_EQ(session.list().size(), 1u);
    // Send lists its record whatever the display says.
    EXPECT_TRUE(session.send(kCorrect, kRequest).shownRow);
    EXPECT_EQ(session.list().size(), 2u);

    session.toggleDisplay();
    EXPECT_TRUE(session.showing());
    EXPECT_EQ(session.list().size(), 0u);
    EXPECT_EQ(loadString(session.displayButtonText()), "Stop Displaying");

    session.stopSaving();
    EXPECT_EQ(fileText(path), kCorrectBlock + kCorrectBlock + kCorrectBlock);
}

TEST_F(MonitorSessionTest, SaveFileIsReplacedAndClosedOnStop) {
    const std::string path = dir.file("log.txt");
    test::writeBytes(path, {'o', 'l', 'd'});
    ASSERT_TRUE(session.startSaving(path));
    EXPECT_EQ(loadString(session.saveButtonText()), "Stop Saving");
    EXPECT_EQ(session.saveFileName(), path);
    EXPECT_TRUE(session.tick(kCorrect).saved);
    session.stopSaving();
    EXPECT_FALSE(session.saving());
    EXPECT_FALSE(session.tick(kCorrect).saved);
    EXPECT_EQ(fileText(path), kCorrectBlock);
}

TEST_F(MonitorSessionTest, SaveFileThatCannotBeOpenedLeavesTheMonitorNotSaving) {
    const std::string path = dir.file("no-such-folder/log.txt");
    const Outcome started = session.startSaving(path);
    ASSERT_FALSE(started);
    EXPECT_NE(started.message().find(path), std::string::npos) << started.message();
    EXPECT_FALSE(session.saving());
    EXPECT_EQ(loadString(session.saveButtonText()), "Save Content");
    EXPECT_FALSE(session.tick(kCorrect).saved);

    EXPECT_FALSE(session.startSaving(dir.path().string()));
    EXPECT_FALSE(session.saving());
}

#ifndef _WIN32
TEST_F(MonitorSessionTest, SaveFileThatFailsToWriteStopsSaving) {
    // /dev/full opens fine and refuses every write.
    ASSERT_TRUE(session.startSaving("/dev/full"));
    const MonitorStep step = session.tick(kCorrect);
    EXPECT_EQ(step.answer, kContinue);
    EXPECT_FALSE(step.saved);
    ASSERT_FALSE(step.outcome);
    EXPECT_NE(step.outcome.message().find("/dev/full"), std::string::npos);
    EXPECT_FALSE(session.saving());
}
#endif

TEST_F(MonitorSessionTest, SaveContentButton) {
    RecordingPrompter prompter;
    int chooserCalls = 0;
    const std::string path = dir.file("log.txt");
    auto chooseNothing = [&]() -> std::optional<std::string> {
        ++chooserCalls;
        return std::nullopt;
    };
    auto choosePath = [&]() -> std::optional<std::string> {
        ++chooserCalls;
        return path;
    };

    // Cancel the question: no file dialog.
    EXPECT_TRUE(session.pressSaveContent(prompter, choosePath));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Save the data to the disk drives?"});
    EXPECT_EQ(chooserCalls, 0);
    EXPECT_FALSE(session.saving());

    // OK, then cancel the file dialog.
    prompter.answerNext(Answer::Ok);
    EXPECT_TRUE(session.pressSaveContent(prompter, chooseNothing));
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_FALSE(session.saving());

    prompter.answerNext(Answer::Ok);
    EXPECT_TRUE(session.pressSaveContent(prompter, choosePath));
    EXPECT_TRUE(session.saving());

    // While saving the button stops at once, without a question.
    prompter.clear();
    EXPECT_TRUE(session.pressSaveContent(prompter, choosePath));
    EXPECT_FALSE(session.saving());
    EXPECT_TRUE(prompter.texts().empty());
}

TEST_F(MonitorSessionTest, SaveContentReportsAFileThatCannotBeOpened) {
    RecordingPrompter prompter;
    prompter.answerNext(Answer::Ok);
    const std::string path = dir.file("missing/log.txt");
    const Outcome pressed = session.pressSaveContent(prompter, [&] { return std::optional(path); });
    ASSERT_FALSE(pressed);
    EXPECT_EQ(pressed.id(), msg::SaveFileNotOpened);
    EXPECT_FALSE(session.saving());
}

} // namespace
} // namespace brenmoor::monitor
