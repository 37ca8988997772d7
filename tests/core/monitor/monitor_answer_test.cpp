#include "core/monitor/monitor_answer.h"
#include "core/resources/messages_monitor.h"

#include <gtest/gtest.h>

#include <string>

namespace brenmoor::monitor {
namespace {

const WriteRequest kRequestForStream{0x4010, {0xAA, 0xBB}};

MessageId refusal(std::string_view address, std::string_view data) {
    const SendInput input = checkSendInput(address, data);
    EXPECT_FALSE(input.outcome) << address << " / " << data;
    return input.outcome.id();
}

WriteRequest accepted(std::string_view address, std::string_view data) {
    const SendInput input = checkSendInput(address, data);
    EXPECT_TRUE(input.outcome) << address << " / " << data << ": " << input.outcome.message();
    return input.request;
}

TEST(MonitorAnswerTest, InitialTextsGiveTheDocumentedWriteRequest) {
    const WriteRequest request = accepted(kInitialAddressText, kInitialDataText);
    EXPECT_EQ(encodeWriteRequest(request),
              (std::vector<uint8_t>{0x01, 0x40, 0x00, 0x04, 0x00, 0x01, 0x02, 0x03}));
    EXPECT_EQ(continueAnswer(), std::vector<uint8_t>{0x00});
}

TEST(MonitorAnswerTest, ChecksComeInTheirOrder) {
    // Emptiness before characters, characters before format, format before range.
    EXPECT_EQ(refusal("", "zz"), msg::PleaseComplete);
    EXPECT_EQ(refusal("40zz", ""), msg::PleaseComplete);
    EXPECT_EQ(refusal("4000", "00 0g"), msg::IllegalHexData);
    EXPECT_EQ(refusal("4x00", "0001"), msg::IllegalHexData);
    EXPECT_EQ(refusal("4000", "00,01"), msg::IllegalHexData);
    EXPECT_EQ(refusal("40000", "0001"), msg::InputFormatIncorrect);
    EXPECT_EQ(refusal("4070", "00 01"), msg::MappingAddressOutOfRange);
    EXPECT_EQ(refusal("40700", "00 01"), msg::InputFormatIncorrect);
    EXPECT_EQ(refusal("3fff", "00"), msg::MappingAddressOutOfRange);
    EXPECT_EQ(checkSendInput("", "").outcome.message(), "Please complete!");
}

TEST(MonitorAnswerTest, DataNeedsABlankAfterEveryByte) {
    EXPECT_EQ(refusal("4000", "0001"), msg::InputFormatIncorrect);
    EXPECT_EQ(refusal("4000", "00 01-02"), msg::IllegalHexData);
    EXPECT_EQ(refusal("4000", "00 0102"), msg::InputFormatIncorrect);
    EXPECT_EQ(accepted("4000", "00 01 02").data, (std::vector<uint8_t>{0, 1, 2}));
    EXPECT_EQ(accepted("4000", "00 01 02 ").data, (std::vector<uint8_t>{0, 1, 2}));
    // A lone trailing digit makes no byte.
    EXPECT_EQ(accepted("4000", "00 01 0").data, (std::vector<uint8_t>{0, 1}));
    EXPECT_TRUE(accepted("4000", "7").data.empty());
}

TEST(MonitorAnswerTest, AddressIsFourHexDigitsInTheOutputArea) {
    EXPECT_EQ(refusal("400", "00"), msg::InputFormatIncorrect);
    EXPECT_EQ(accepted("406f", "00").address, 0x406F);
    EXPECT_EQ(accepted("406F", "00").address, 0x406F);
    EXPECT_EQ(accepted("4000", "00").address, 0x4000);
    // A blank is a 0 digit.
    EXPECT_EQ(accepted("40 0", "00").address, 0x4000);
    EXPECT_EQ(accepted("40 a", "00").address, 0x400A);
}

TEST(MonitorAnswerTest, DataIsReadCaseInsensitively) {
    EXPECT_EQ(accepted("4010", "0A ff Bc").data, (std::vector<uint8_t>{0x0A, 0xFF, 0xBC}));
    // Blanks inside a byte count as 0, as in the address.
    EXPECT_EQ(accepted("4010", " 1 2 ").data, (std::vector<uint8_t>{0x01, 0x20}));
}

TEST(MonitorAnswerTest, MoreBytesThanTheCountByteCanCarryAreRefused) {
    std::string data;
    for (int i = 0; i < 255; ++i)
        data += "ab ";
    EXPECT_EQ(accepted("4000", data).data.size(), 255u);
    EXPECT_EQ(encodeWriteRequest(accepted("4000", data))[3], 255);
    data += "cd";
    EXPECT_EQ(refusal("4000", data), msg::InputFormatIncorrect);
}

TEST(MonitorAnswerTest, GatewaySideReadsAnswersFromAStream) {
    std::vector<uint8_t> stream{0x00};
    const auto request = encodeWriteRequest(kRequestForStream);
    stream.insert(stream.end(), request.begin(), request.end());

    ParsedAnswer answer = parseAnswer(stream);
    EXPECT_EQ(answer.kind, ParsedAnswer::Kind::Continue);
    EXPECT_EQ(answer.consumed, 1u);
    const std::span<const uint8_t> rest = std::span(stream).subspan(answer.consumed);
    // Every strict prefix of the write request asks for more.
    for (size_t n = 1; n < rest.size(); ++n)
        EXPECT_EQ(parseAnswer(rest.first(n)).kind, ParsedAnswer::Kind::NeedMore) << n;
    answer = parseAnswer(rest);
    EXPECT_EQ(answer.kind, ParsedAnswer::Kind::Write);
    EXPECT_EQ(answer.request, kRequestForStream);
    EXPECT_EQ(answer.consumed, rest.size());
    EXPECT_EQ(parseAnswer(std::vector<uint8_t>{0x02, 0x00}).kind, ParsedAnswer::Kind::Invalid);
}

} // namespace
} // namespace brenmoor::monitor
