#include "core/monitor/monitor_record.h"

#include <gtest/gtest.h>

#include <vector>

namespace brenmoor::monitor {
namespace {

MonitorRecord decoded(std::vector<uint8_t> bytes) {
    const auto record = decodeRecord(bytes);
    EXPECT_TRUE(record.has_value());
    return record.value_or(MonitorRecord{});
}

MonitorRow rowOf(std::vector<uint8_t> bytes) {
    const auto row = rowFor(decoded(std::move(bytes)));
    EXPECT_TRUE(row.has_value());
    return row.value_or(MonitorRow{});
}

TEST(MonitorRecordTest, CorrectResponseShowsTheDataBytesInLowerCaseHex) {
    EXPECT_EQ(rowOf({0x00, 0x05, 0x00, 0x10, 0x03, 0x0A, 0x0B, 0x0C}),
              (MonitorRow{"Correct response", "5", "16", "0a 0b 0c "}));
}

TEST(MonitorRecordTest, AbnormalResponseShowsTheExceptionCode) {
    EXPECT_EQ(rowOf({0x01, 0x05, 0x00, 0x10, 0x01, 0x02}),
              (MonitorRow{"Abnormal response", "5", "16", "02 (Illegal Data Address)"}));
    EXPECT_EQ(rowOf({0x01, 0x05, 0x00, 0x10, 0x01, 0x01}).data, "01 (no legitimate function code)");
    EXPECT_EQ(rowOf({0x01, 0x05, 0x00, 0x10, 0x01, 0x09}).data, "01 (no legitimate function code)");
    // No exception code arrived: the catch-all text, not a byte never sent.
    EXPECT_EQ(rowOf({0x01, 0x05, 0x00, 0x10, 0x01}).data, "01 (no legitimate function code)");
    EXPECT_EQ(rowOf({0x01, 0x05, 0x00, 0x10, 0x00, 0x03}).data, "01 (no legitimate function code)");
}

TEST(MonitorRecordTest, EveryExceptionCodeHasItsText) {
    const char* expected[] = {
        "01 (no legitimate function code)", "01 (no legitimate function code)",
        "02 (Illegal Data Address)",        "03 (not valid data)",
        "04 (from equipment failure)",      "05 (Ok)",
        "06 (slave device busy)",           "07 (negative)",
        "08 (memory check bit error)",      "01 (no legitimate function code)"};
    for (uint8_t code = 0; code <= 9; ++code)
        EXPECT_EQ(exceptionText(code), expected[code]) << int(code);
    EXPECT_EQ(exceptionText(255), "01 (no legitimate function code)");
}

TEST(MonitorRecordTest, ErrorAndTimeoutStates) {
    EXPECT_EQ(rowOf({0x02, 0xF7, 0xFF, 0xFF, 0x02, 0x1B, 0xA0}),
              (MonitorRow{"Response error", "247", "65535", "1b a0 "}));
    EXPECT_EQ(rowOf({0x03, 0x01, 0x12, 0x34, 0x00}),
              (MonitorRow{"Response Timeout", "1", "4660", "No response to the node"}));
}

TEST(MonitorRecordTest, OnlyStatesZeroToThreeAreShownAnd255IsHidden) {
    EXPECT_EQ(recordKind(0), RecordKind::Shown);
    EXPECT_EQ(recordKind(3), RecordKind::Shown);
    EXPECT_EQ(recordKind(4), RecordKind::Invalid);
    EXPECT_EQ(recordKind(254), RecordKind::Invalid);
    EXPECT_EQ(recordKind(255), RecordKind::Hidden);
    EXPECT_FALSE(rowFor(decoded({0xFF, 0x05, 0x00, 0x10, 0x00})));
    EXPECT_FALSE(rowFor(decoded({0x04, 0x05, 0x00, 0x10, 0x00})));
    EXPECT_EQ(saveBlock(decoded({0xFF, 0x05, 0x00, 0x10, 0x00})), "");
}

TEST(MonitorRecordTest, DataComesOnlyFromWhatWasReceived) {
    // Announces five bytes, delivers two.
    auto record = decoded({0x00, 0x01, 0x00, 0x00, 0x05, 0xAA, 0xBB});
    EXPECT_EQ(record.dataCount, 5);
    EXPECT_EQ(record.data, (std::vector<uint8_t>{0xAA, 0xBB}));
    // Announces one byte, more follow: the rest is not part of the record.
    record = decoded({0x00, 0x01, 0x00, 0x00, 0x01, 0xAA, 0xBB, 0xCC});
    EXPECT_EQ(record.data, (std::vector<uint8_t>{0xAA}));
    // A header cut short reads as zeros.
    record = decoded({0x00, 0x07});
    EXPECT_EQ(record.slaveAddress, 7);
    EXPECT_EQ(record.startingAddress, 0);
    EXPECT_TRUE(record.data.empty());
    EXPECT_FALSE(decodeRecord({}));
}

TEST(MonitorRecordTest, AtMost200BytesAreRead) {
    std::vector<uint8_t> bytes{0x00, 0x01, 0x00, 0x00, 0xFF};
    bytes.resize(300, 0x11);
    EXPECT_EQ(decoded(bytes).data.size(), kMaxRecordBytes - kRecordHeaderBytes);
}

TEST(MonitorRecordTest, EncodedRecordsDecodeToThemselves) {
    const MonitorRecord record{kStateCorrect, 9, 0x4001, 3, {0x01, 0x02, 0x03}};
    EXPECT_EQ(encodeRecord(record),
              (std::vector<uint8_t>{0x00, 0x09, 0x40, 0x01, 0x03, 0x01, 0x02, 0x03}));
    EXPECT_EQ(decodeRecord(encodeRecord(record)), record);
}

TEST(MonitorRecordTest, SaveBlockLinesEndWithCrLf) {
    EXPECT_EQ(saveBlock(decoded({0x00, 0x05, 0x00, 0x10, 0x03, 0x0A, 0x0B, 0x0C})),
              "State\t\tCorrect response\r\n"
              "Slave Address\t5\r\n"
              "Starting Address\t16\r\n"
              "Data/Exception Code\t0a 0b 0c \r\n"
              "\r\n");
    EXPECT_EQ(saveBlock(decoded({0x01, 0x05, 0x00, 0x10, 0x01, 0x04})),
              "State\t\tAbnormal response\r\n"
              "Slave Address\t5\r\n"
              "Starting Address\t16\r\n"
              "Data/Exception Code\t04 (from equipment failure)\r\n"
              "\r\n");
    // A timeout's data line ends right after the tab.
    EXPECT_EQ(saveBlock(decoded({0x03, 0x02, 0x00, 0x01, 0x00})), "State\t\tResponse Timeout\r\n"
                                                                  "Slave Address\t2\r\n"
                                                                  "Starting Address\t1\r\n"
                                                                  "Data/Exception Code\t\r\n"
                                                                  "\r\n");
}

} // namespace
} // namespace brenmoor::monitor
