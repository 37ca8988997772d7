#include "sim/monitor_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace brenmoor::sim {
namespace {

using Bytes = std::vector<uint8_t>;

const Bytes kExample{0x00, 0x05, 0x00, 0x10, 0x03, 0x0A, 0x0B, 0x0C};
const Bytes kContinue{0x00};
const Bytes kWrite4000{0x01, 0x40, 0x00, 0x04, 0x00, 0x01, 0x02, 0x03};

MonitorScript script(const std::string& text) {
    MonitorScript parsed = parseMonitorScript(text);
    EXPECT_TRUE(parsed.ok()) << parsed.error;
    return parsed;
}

// Options with round numbers, so the expected times read easily.
constexpr MonitorOptions kOptions{100, 500, 2};

class MonitorEngineTest : public ::testing::Test {
  protected:
    std::vector<std::string> log;

    MonitorEngine engine(const std::string& text) {
        MonitorEngine made(kOptions, script(text),
                           [this](const std::string& line) { log.push_back(line); });
        made.restart(0);
        return made;
    }
};

TEST_F(MonitorEngineTest, ReportsOneRecordAndWaitsForItsAnswer) {
    auto gateway = engine("ok 5 16 0a 0b 0c\nabnormal 5 16 02\n");
    EXPECT_TRUE(gateway.due(99).empty()) << "nothing before the gap has passed";
    EXPECT_EQ(gateway.due(100), kExample);
    EXPECT_TRUE(gateway.awaitingAnswer());
    EXPECT_TRUE(gateway.due(101).empty());
    EXPECT_TRUE(gateway.due(599).empty()) << "no second record while one waits";

    gateway.receive(kContinue, 200);
    EXPECT_FALSE(gateway.awaitingAnswer());
    EXPECT_EQ(gateway.nextDueMs(), 300);
    EXPECT_TRUE(gateway.due(299).empty());
    EXPECT_EQ(gateway.due(300), (Bytes{0x01, 0x05, 0x00, 0x10, 0x01, 0x02}));
    gateway.receive(kContinue, 310);
    EXPECT_EQ(gateway.due(410), kExample) << "the script repeats";
    EXPECT_EQ(gateway.answersReceived(), 2u);
    EXPECT_EQ(log[0], "record 00 05 00 10 03 0a 0b 0c");
    EXPECT_EQ(log[1], "answer 00");
}

TEST_F(MonitorEngineTest, ResendsAnUnansweredRecordThenMovesOn) {
    auto gateway = engine("7 5 16\nok 1 2\n");
    const Bytes dropped{0x07, 0x05, 0x00, 0x10, 0x00};
    EXPECT_EQ(gateway.due(100), dropped);
    EXPECT_TRUE(gateway.due(599).empty());
    EXPECT_EQ(gateway.due(600), dropped);
    EXPECT_EQ(gateway.due(1100), dropped);
    // Two resends are all it gets: the next record follows at once.
    EXPECT_EQ(gateway.due(1600), (Bytes{0x00, 0x01, 0x00, 0x02, 0x00}));
    EXPECT_EQ(gateway.recordsSent(), 4u);
    EXPECT_EQ(log, (std::vector<std::string>{
                       "record 07 05 00 10 00", "resend 07 05 00 10 00", "resend 07 05 00 10 00",
                       "no answer to 07 05 00 10 00, next record", "record 00 01 00 02 00"}));

    // An answer to a resent record counts like any other.
    gateway.receive(kContinue, 1700);
    EXPECT_EQ(gateway.due(1800), dropped);
    EXPECT_EQ(gateway.due(2300), dropped);
    gateway.receive(kContinue, 2350);
    EXPECT_EQ(gateway.due(2450), (Bytes{0x00, 0x01, 0x00, 0x02, 0x00}));
}

TEST_F(MonitorEngineTest, WriteRequestsShowInLaterRecords) {
    auto gateway = engine("ok 3 0 out:4000:4\nok 3 1 aa out:406e:2 bb\n");
    EXPECT_EQ(gateway.due(100), (Bytes{0x00, 0x03, 0x00, 0x00, 0x04, 0, 0, 0, 0}));
    gateway.receive(kWrite4000, 150);
    EXPECT_EQ(log[1], "answer 01 40 00 04 00 01 02 03");
    EXPECT_EQ(log[2], "write 4000: 00 01 02 03");
    EXPECT_EQ(gateway.outputArea()[0], 0x00);
    EXPECT_EQ(gateway.outputArea()[3], 0x03);

    EXPECT_EQ(gateway.due(250), (Bytes{0x00, 0x03, 0x00, 0x01, 0x04, 0xAA, 0, 0, 0xBB}));
    gateway.receive(Bytes{0x01, 0x40, 0x6E, 0x02, 0x11, 0x22}, 300);
    EXPECT_EQ(gateway.due(400), (Bytes{0x00, 0x03, 0x00, 0x00, 0x04, 0x00, 0x01, 0x02, 0x03}));
    gateway.receive(kContinue, 410);
    EXPECT_EQ(gateway.due(510), (Bytes{0x00, 0x03, 0x00, 0x01, 0x04, 0xAA, 0x11, 0x22, 0xBB}));
}

TEST_F(MonitorEngineTest, WritesPastTheOutputAreaStopAtItsEnd) {
    auto gateway = engine("ok 1 1 out:406c:4\n");
    gateway.due(100);
    // The program checks only the first address; four bytes from 406E run
    // two bytes past the area.
    gateway.receive(Bytes{0x01, 0x40, 0x6E, 0x04, 0xA1, 0xA2, 0xA3, 0xA4}, 110);
    EXPECT_EQ(log.back(), "write 406e: a1 a2 a3 a4 (2 of 4 bytes inside the output area)");
    EXPECT_EQ(gateway.due(210), (Bytes{0x00, 0x01, 0x00, 0x01, 0x04, 0, 0, 0xA1, 0xA2}));
    // A count byte of 255 and an address far outside write nothing at all.
    Bytes big{0x01, 0xFF, 0xFF, 0xFF};
    big.resize(4 + 255, 0xEE);
    gateway.receive(big, 220);
    EXPECT_EQ(log.back(), "write ffff: " + hexText(std::span(big).subspan(4)) +
                              " (0 of 255 bytes inside the output area)");
    for (const uint8_t b : gateway.outputArea())
        EXPECT_NE(b, 0xEE);
}

TEST_F(MonitorEngineTest, AnswersMayArriveInPiecesOrTogether) {
    auto gateway = engine("ok 3 0 out:4000:4\n");
    gateway.due(100);
    gateway.receive(Bytes{0x01, 0x40}, 110);
    EXPECT_TRUE(gateway.awaitingAnswer());
    gateway.receive(Bytes{0x00, 0x04, 0x00, 0x01}, 120);
    EXPECT_TRUE(gateway.awaitingAnswer());
    gateway.receive(Bytes{0x02, 0x03, 0x00}, 130);
    EXPECT_EQ(gateway.answersReceived(), 2u);
    EXPECT_EQ(log.back(), "answer 00 (no record was waiting)");
    EXPECT_EQ(gateway.nextDueMs(), 230) << "a stray answer does not skip a record";
    EXPECT_EQ(gateway.due(230), (Bytes{0x00, 0x03, 0x00, 0x00, 0x04, 0x00, 0x01, 0x02, 0x03}));
}

TEST_F(MonitorEngineTest, BadBytesAndStalePiecesAreDropped) {
    auto gateway = engine("ok 1 1 out:4000:1\n");
    gateway.due(100);
    gateway.receive(Bytes{0x55}, 110);
    EXPECT_EQ(log.back(), "unexpected byte 55");
    EXPECT_TRUE(gateway.awaitingAnswer());

    // A write request cut short and finished much later is not glued to the
    // bytes that come next.
    gateway.receive(Bytes{0x01, 0x40, 0x00, 0x01}, 120);
    for (const int64_t idle : {180, 240, 300, 360})
        gateway.receive(Bytes{}, idle); // wake-ups without bytes keep nothing alive
    gateway.receive(Bytes{0x00}, 400);
    EXPECT_EQ(log[log.size() - 2], "incomplete answer dropped: 01 40 00 01");
    EXPECT_EQ(log.back(), "answer 00");
    EXPECT_EQ(gateway.outputArea()[0], 0x00);
}

TEST_F(MonitorEngineTest, RestartForgetsTheRecordInFlight) {
    auto gateway = engine("ok 1 1\nok 2 2\n");
    gateway.due(100);
    gateway.receive(Bytes{0x01, 0x40}, 110);
    gateway.restart(1000);
    EXPECT_FALSE(gateway.awaitingAnswer());
    EXPECT_TRUE(gateway.due(1099).empty());
    EXPECT_EQ(gateway.due(1100), (Bytes{0x00, 0x01, 0x00, 0x01, 0x00}))
        << "the unanswered record comes again";
    gateway.receive(kContinue, 1110);
    EXPECT_EQ(log.back(), "answer 00") << "no half answer from before the restart";
}

TEST(MonitorEngineDefaults, AnEmptyScriptFallsBackToTheDefaultCycle) {
    MonitorEngine gateway(MonitorOptions{}, MonitorScript{});
    gateway.restart(0);
    EXPECT_EQ(gateway.due(MonitorOptions{}.recordGapMs), kExample);
}

} // namespace
} // namespace brenmoor::sim

namespace brenmoor::sim {
namespace {

TEST_F(MonitorEngineTest, PatternsAndChangingValuesMoveOnWithEachSendNotWithResends) {
    auto gateway = engine("ok/abnormal:03/timeout 5 16 inc:fffe:1 sine:100:4\n");
    int64_t now = 100;
    auto next = [&] {
        const Bytes sent = gateway.due(now);
        gateway.receive(kContinue, now + 1);
        now += 1 + 100;
        return sent;
    };
    EXPECT_EQ(next(), (Bytes{0x00, 0x05, 0x00, 0x10, 0x04, 0xff, 0xfe, 0x00, 0x00}));
    EXPECT_EQ(next(), (Bytes{0x01, 0x05, 0x00, 0x10, 0x01, 0x03})) << "the code instead of data";
    EXPECT_EQ(next(), (Bytes{0x03, 0x05, 0x00, 0x10, 0x00})) << "a timeout carries nothing";
    // The fourth send: the counter wrapped, the sine at its low point.
    const Bytes fourth{0x00, 0x05, 0x00, 0x10, 0x04, 0x00, 0x01, 0xff, 0x9c};
    EXPECT_EQ(gateway.due(now), fourth);
    EXPECT_EQ(gateway.due(now + kOptions.answerTimeoutMs), fourth) << "a resend is the same record";
}

TEST_F(MonitorEngineTest, RandomBytesDifferEachSendAndRepeatEachRun) {
    auto first = engine("ok 1 0 rand:4\nok 2 0 rand:4\n");
    auto second = engine("ok 1 0 rand:4\nok 2 0 rand:4\n");
    std::vector<Bytes> a, b;
    for (int64_t now = 100; a.size() < 4; now += 200) {
        a.push_back(first.due(now));
        b.push_back(second.due(now));
        first.receive(kContinue, now + 1);
        second.receive(kContinue, now + 1);
    }
    EXPECT_EQ(a, b);
    EXPECT_NE(a[0], a[2]) << "the same record, sent again later";
    EXPECT_NE(Bytes(a[0].begin() + 5, a[0].end()), Bytes(a[1].begin() + 5, a[1].end()));
}

} // namespace
} // namespace brenmoor::sim
