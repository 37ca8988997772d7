#include "core/serial/frame.h"
#include "core/serial/reply_parser.h"

#include <gtest/gtest.h>

#include <vector>

namespace brenmoor {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes frame(uint8_t command, Bytes data) {
    return buildFrame(command, data);
}

Bytes deviceInfoReply(uint8_t type, uint8_t major, uint8_t minor) {
    return frame(code::DeviceInfo, {type, major, minor, 9, 8, 7, 6, 5});
}

TEST(Frame, BuildsLengthAndChecksum) {
    EXPECT_EQ(frame(0x01, {}), (Bytes{0x01, 0x00, 0x01}));
    EXPECT_EQ(frame(0x16, {0x01, 0x03}), (Bytes{0x16, 0x02, 0x01, 0x03, 0x1C}));
    EXPECT_EQ(frame(0x04, {0x02}), (Bytes{0x04, 0x01, 0x02, 0x07}));
    // The checksum keeps only the low 8 bits.
    EXPECT_EQ(frame(0xFF, {0xFF, 0x03}).back(), static_cast<uint8_t>(0xFF + 2 + 0xFF + 3));
}

TEST(ParseDownload, DeviceInformationNeedsLengthEightAndChecksum) {
    ReceivedData received;
    const Bytes good = deviceInfoReply(1, 3, 1);
    EXPECT_EQ(parseReplyDownload(good, received), 0x01);
    EXPECT_EQ(received.deviceInfo[0], 1);
    EXPECT_EQ(received.deviceInfo[4], 8);

    Bytes badSum = good;
    badSum.back() ^= 1;
    Bytes badLength = good;
    badLength[1] = 7;
    badLength.back() = frameChecksum(std::span(badLength).first(10));
    ReceivedData untouched;
    EXPECT_EQ(parseReplyDownload(badSum, untouched), 0);
    EXPECT_EQ(parseReplyDownload(badLength, untouched), 0);
    EXPECT_EQ(untouched.deviceInfo[0], 0);
}

TEST(ParseDownload, AcknowledgementsAndNegativeReplies) {
    ReceivedData r;
    for (uint8_t c : {0x03, 0x10, 0x14, 0x21, 0x30})
        EXPECT_EQ(parseReplyDownload(ackFrame(c), r), c) << int(c);
    EXPECT_EQ(parseReplyDownload(Bytes{0x10, 0x00, 0x11}, r), 0);
    EXPECT_EQ(parseReplyDownload(Bytes{0x10, 0x01, 0x10}, r), 0);
    // The upload's codes mean nothing to the download.
    EXPECT_EQ(parseReplyDownload(ackFrame(0x04), r), 0);
    EXPECT_EQ(parseReplyDownload(ackFrame(0x32), r), 0);

    for (uint8_t c : {0x81, 0x83, 0x90, 0xA1})
        EXPECT_EQ(parseReplyDownload(frame(c, {0x03, 0x00}), r), c) << int(c);
    EXPECT_EQ(parseReplyDownload(frame(0x94, {0x03, 0x00}), r), 0);
    EXPECT_EQ(parseReplyDownload(frame(0x90, {0x03}), r), 0);
    Bytes badNegative = frame(0x90, {0x03, 0x00});
    badNegative.back()++;
    EXPECT_EQ(parseReplyDownload(badNegative, r), 0);
}

TEST(ParseDownload, RepliesCutShortAreInvalid) {
    ReceivedData r;
    const Bytes info = deviceInfoReply(1, 3, 1);
    for (size_t n = 0; n < info.size(); ++n)
        EXPECT_EQ(parseReplyDownload(std::span(info).first(n), r), 0) << n;
    EXPECT_EQ(parseReplyDownload(Bytes{0x10, 0x00}, r), 0);
    EXPECT_EQ(parseReplyDownload(Bytes{0x90, 0x02, 0x03, 0x00}, r), 0);
}

TEST(ParseUpload, DeviceTypeFiveNeedsTheDoubleFaultFlag) {
    ReceivedData r;
    EXPECT_EQ(parseReplyUpload(deviceInfoReply(5, 4, 0), r, false), 0);
    EXPECT_EQ(parseReplyUpload(deviceInfoReply(5, 4, 0), r, true), 0x01);
    EXPECT_EQ(parseReplyUpload(deviceInfoReply(2, 4, 0), r, false), 0x01);
}

TEST(ParseUpload, SubnetBlockChecksOnlyTheChecksum) {
    Bytes data{0x00};
    for (uint8_t i = 0; i < 22; ++i)
        data.push_back(static_cast<uint8_t>(i + 1));
    Bytes reply = frame(code::ReadSubnet, data);
    ASSERT_EQ(reply.size(), 26u);
    reply[1] = 0x42; // the length byte is not looked at
    reply.back() = frameChecksum(std::span(reply).first(25));
    ReceivedData r;
    EXPECT_EQ(parseReplyUpload(reply, r, false), 0x04);
    ASSERT_TRUE(r.subnetBlocks[0]);
    EXPECT_EQ((*r.subnetBlocks[0])[0], 1);
    EXPECT_EQ((*r.subnetBlocks[0])[21], 22);

    reply.back()++;
    ReceivedData r2;
    EXPECT_EQ(parseReplyUpload(reply, r2, false), 0);
    EXPECT_FALSE(r2.subnetBlocks[0]);
    EXPECT_EQ(parseReplyUpload(std::span(reply).first(25), r2, false), 0);
}

TEST(ParseUpload, CommandCountAndDeviceNetBlock) {
    ReceivedData r;
    EXPECT_EQ(parseReplyUpload(frame(0x15, {0x00, 0x01, 0x02}), r, false), 0x15);
    EXPECT_EQ(r.commandCounts[0], 258);
    EXPECT_EQ(parseReplyUpload(frame(0x15, {0x00, 0x01}), r, false), 0);
    EXPECT_EQ(parseReplyUpload(frame(0x22, {5, 1, 2, 3}), r, false), 0x22);
    ASSERT_TRUE(r.deviceNetBlock);
    EXPECT_EQ((*r.deviceNetBlock)[0], 5);
    EXPECT_EQ(parseReplyUpload(frame(0x22, {5, 1, 2}), r, false), 0);
    EXPECT_EQ(parseReplyUpload(frame(0x81, {1, 0}), r, false), 0x81);
    EXPECT_EQ(parseReplyUpload(frame(0x95, {1, 0}), r, false), 0x95);
    EXPECT_EQ(parseReplyUpload(frame(0x90, {1, 0}), r, false), 0);
    EXPECT_EQ(parseReplyUpload(ackFrame(0x10), r, false), 0);
}

Bytes packet(uint8_t subnet, std::vector<uint8_t> indices) {
    Bytes data{subnet};
    for (uint8_t index : indices) {
        data.push_back(index);
        for (uint8_t b = 0; b < 11; ++b)
            data.push_back(static_cast<uint8_t>(index * 16 + b));
    }
    return frame(code::ReadCommandPacket, data);
}

TEST(ParseUpload, CommandPacketsOfOneAndSixEntries) {
    const Bytes one = packet(0, {4});
    EXPECT_EQ(one.size(), 16u);
    EXPECT_EQ(one[1], 13);
    const Bytes six = packet(0, {0, 1, 2, 3, 4, 5});
    EXPECT_EQ(six.size(), 76u);
    EXPECT_EQ(six[1], 73);

    ReceivedData r;
    EXPECT_EQ(parseReplyUpload(six, r, false), 0x16);
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(r.commands[0][static_cast<size_t>(i)]);
        EXPECT_EQ((*r.commands[0][static_cast<size_t>(i)])[0], i * 16);
    }
    EXPECT_FALSE(r.commands[0][6]);
    // A packet cut short, or with an index beyond the command slots.
    ReceivedData r2;
    EXPECT_EQ(parseReplyUpload(std::span(six).first(75), r2, false), 0);
    EXPECT_EQ(parseReplyUpload(packet(0, {60}), r2, false), 0x16);
    EXPECT_FALSE(r2.commands[0][47]);
}

} // namespace
} // namespace brenmoor
