#include "core/serial/transact.h"
#include "scripted_port.h"

#include <gtest/gtest.h>

#include <array>

namespace brenmoor {
namespace {

using Bytes = std::vector<uint8_t>;

struct TransactTest : ::testing::Test {
    FakeClock clock;
    ScriptedPort port{clock};
    Transactor transactor{port, clock};
    std::array<uint8_t, kGeneralBufferSize> buffer{};
    const Bytes request{0x03, 0x00, 0x03};
};

TEST_F(TransactTest, StandardWaitPollsEvery50msAndSettlesShortReplies) {
    port.expectReply({0x03, 0x00, 0x03}, 5);
    EXPECT_EQ(transactor.transactWait(request, buffer), 3u);
    EXPECT_EQ(buffer[0], 0x03);
    // Query (nothing yet), sleep, query (3 bytes), sleep, fewer than 17: one more sleep.
    EXPECT_EQ(clock.totalSlept(), 150);
}

TEST_F(TransactTest, StandardWaitGivesUpAfter300ms) {
    port.expectSilence();
    EXPECT_EQ(transactor.transactWait(request, buffer), 0u);
    EXPECT_GT(clock.now(), 300);
    EXPECT_LE(clock.now(), 350);
    port.expectReply({0x03, 0x00, 0x03}, 301);
    EXPECT_EQ(transactor.transactWait(request, buffer), 0u);
}

TEST_F(TransactTest, ReplyLateButWithinTheWindowIsTaken) {
    port.expectReply({0x03, 0x00, 0x03}, 290);
    EXPECT_EQ(transactor.transactWait(request, buffer), 3u);
}

TEST_F(TransactTest, StaleInputIsDiscardedAfterTheWrite) {
    port.injectNow({0xAA, 0xBB});
    port.expectReply({0x03, 0x00, 0x03}, 0); // as fast as no gateway can answer
    EXPECT_EQ(transactor.transactWait(request, buffer), 0u);
    port.injectNow({0xAA, 0xBB});
    port.expectReply({0x03, 0x00, 0x03}, 5);
    EXPECT_EQ(transactor.transactWait(request, buffer), 3u);
    EXPECT_EQ(buffer[0], 0x03);
}

TEST_F(TransactTest, LongRepliesAreNotSettledAndPartsAreJoinedWhenShort) {
    Bytes longReply(20, 0x11);
    port.expectReply(longReply, 5);
    EXPECT_EQ(transactor.transactWait(request, buffer), 20u);
    EXPECT_EQ(clock.totalSlept(), 100);
    // A reply that is still arriving: the settle wait picks up the rest.
    port.expectReply(ScriptedPort::Reply{{{5, {0x03}}, {70, {0x00, 0x03}}}});
    EXPECT_EQ(transactor.transactWait(request, buffer), 3u);
}

TEST_F(TransactTest, FirstDeviceInfoRequestWaitsFirstAndDoesNotSettle) {
    port.expectSilence();
    EXPECT_EQ(transactor.transactWait(request, buffer, WaitPlan::firstDeviceInfo()), 0u);
    EXPECT_GT(clock.now(), 300);

    const int64_t slept = clock.totalSlept();
    port.expectReply(ScriptedPort::Reply{{{5, {0x01, 0x08}}, {120, Bytes(9, 0)}}});
    EXPECT_EQ(transactor.transactWait(request, buffer, WaitPlan::firstDeviceInfo()), 2u);
    EXPECT_EQ(clock.totalSlept() - slept, 100);
}

TEST_F(TransactTest, ClearingOptionWriteSettlesOnlyBelowTwoBytes) {
    std::array<uint8_t, kOptionBufferSize> option{};
    port.expectReply(ScriptedPort::Reply{{{5, {0x32}}, {60, {0x00, 0x32}}}});
    EXPECT_EQ(transactor.transactWait(request, option, WaitPlan::clearingOptionWrite()), 3u);
    port.expectReply(ScriptedPort::Reply{{{5, {0x32, 0x00}}, {60, {0x32}}}});
    EXPECT_EQ(transactor.transactWait(request, option, WaitPlan::clearingOptionWrite()), 2u);
}

TEST_F(TransactTest, ClearingOptionWriteKeepsInputWaitingBeforeTheWrite) {
    std::array<uint8_t, kOptionBufferSize> option{};
    port.injectNow({0x32});
    port.expectReply({0x00, 0x32}, 0);
    EXPECT_EQ(transactor.transactWait(request, option, WaitPlan::clearingOptionWrite()), 3u);
    EXPECT_EQ(option[0], 0x32);
}

TEST_F(TransactTest, ProfibusWriteSleepsBeforeEachQueryAndReadsNothingOnSilence) {
    port.expectReply({0x34, 0x00, 0x34}, 5);
    EXPECT_EQ(transactor.transactWait(request, buffer, WaitPlan::profibusWrite()), 3u);
    EXPECT_EQ(clock.totalSlept(), 50);
    port.expectSilence();
    buffer.fill(0x77);
    EXPECT_EQ(transactor.transactWait(request, buffer, WaitPlan::profibusWrite()), 0u);
    EXPECT_EQ(buffer[0], 0); // cleared, so no earlier reply can pass
}

TEST_F(TransactTest, ReadsNeverExceedTheBuffer) {
    port.expectReply(Bytes(400, 0x55), 5);
    EXPECT_EQ(transactor.transactWait(request, buffer), kGeneralBufferSize);
    EXPECT_EQ(port.largestRead(), kGeneralBufferSize);
    port.expectReply(Bytes(400, 0x55), 5);
    std::array<uint8_t, kPacketBufferSize> packets{};
    EXPECT_EQ(transactor.transactOnce(request, packets), kPacketBufferSize);
}

TEST_F(TransactTest, TransactOnceWaitsExactly50ms) {
    port.expectReply({0x22, 0x04}, 49);
    EXPECT_EQ(transactor.transactOnce(request, buffer), 2u);
    EXPECT_EQ(clock.totalSlept(), 50);
    port.expectReply({0x22, 0x04}, 51);
    EXPECT_EQ(transactor.transactOnce(request, buffer), 0u);
}

TEST_F(TransactTest, ClosedPortEndsEveryExchangeWithoutReply) {
    port.closePort();
    EXPECT_EQ(transactor.transactWait(request, buffer), 0u);
    EXPECT_EQ(transactor.transactOnce(request, buffer), 0u);
    EXPECT_LT(clock.now(), 500);
}

} // namespace
} // namespace brenmoor
