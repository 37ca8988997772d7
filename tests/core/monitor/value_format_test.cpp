#include "core/monitor/value_format.h"

#include <gtest/gtest.h>

#include <vector>

namespace brenmoor::monitor {
namespace {

using Bytes = std::vector<uint8_t>;

constexpr ValueFormat kUnsigned16{ValueType::Unsigned16};
constexpr ValueFormat kBits{ValueType::Bits};

ValueFormat wide(ValueType type, WordOrder order) {
    return {type, order};
}

TEST(ValueFormatTest, WordsAreReadHighByteFirstAndLeftoversShownInHex) {
    EXPECT_EQ(decodeValues(Bytes{0x0a, 0x0b, 0x0c}, kUnsigned16), "2571 [0c]");
    EXPECT_EQ(decodeValues(Bytes{0xff, 0xfe, 0x00, 0x07}, {ValueType::Signed16}), "-2 7");
    EXPECT_EQ(decodeValues(Bytes{0x0a, 0x0b, 0xff, 0x00}, {ValueType::Hex16}), "0a0b ff00");
    EXPECT_EQ(decodeValues(Bytes{}, kUnsigned16), "");
}

TEST(ValueFormatTest, EveryWordOrderFindsTheSameFloat) {
    // 1.5f is 3f c0 00 00, most significant byte first.
    EXPECT_EQ(
        decodeValues(Bytes{0x3f, 0xc0, 0x00, 0x00}, wide(ValueType::Float32, WordOrder::ABCD)),
        "1.5");
    EXPECT_EQ(
        decodeValues(Bytes{0x00, 0x00, 0x3f, 0xc0}, wide(ValueType::Float32, WordOrder::CDAB)),
        "1.5");
    EXPECT_EQ(
        decodeValues(Bytes{0xc0, 0x3f, 0x00, 0x00}, wide(ValueType::Float32, WordOrder::BADC)),
        "1.5");
    EXPECT_EQ(
        decodeValues(Bytes{0x00, 0x00, 0xc0, 0x3f}, wide(ValueType::Float32, WordOrder::DCBA)),
        "1.5");
}

TEST(ValueFormatTest, WideIntegersFollowTheOrderAndTheirSign) {
    const Bytes bytes{0x00, 0x01, 0x00, 0x02, 0xff};
    EXPECT_EQ(decodeValues(bytes, wide(ValueType::Unsigned32, WordOrder::ABCD)), "65538 [ff]");
    EXPECT_EQ(decodeValues(bytes, wide(ValueType::Unsigned32, WordOrder::CDAB)), "131073 [ff]");
    EXPECT_EQ(
        decodeValues(Bytes{0xff, 0xff, 0xff, 0xfe}, wide(ValueType::Signed32, WordOrder::ABCD)),
        "-2");
    EXPECT_EQ(
        decodeValues(Bytes{0xfe, 0xff, 0xff, 0xff}, wide(ValueType::Signed32, WordOrder::DCBA)),
        "-2");
    EXPECT_EQ(decodeValues(Bytes{0x01, 0x02}, wide(ValueType::Unsigned32, WordOrder::ABCD)),
              "[01 02]");
}

TEST(ValueFormatTest, BitsRunFirstCoilFirstAndStopAtTheCount) {
    // 0x0d is coils 1, 3 and 4.
    EXPECT_EQ(decodeValues(Bytes{0x0d, 0x01}, kBits), "10110000 10000000");
    EXPECT_EQ(decodeValues(Bytes{0x0d, 0x01}, kBits, 10), "10110000 10");
    // A byte more than the count needs is shown, not dropped.
    EXPECT_EQ(decodeValues(Bytes{0x01, 0x80}, kBits, 8), "10000000 [80]");
    EXPECT_EQ(numericValues(Bytes{0x05}, kBits, 3), (std::vector<double>{1, 0, 1}));
    EXPECT_EQ(numericValues(Bytes{0x00, 0x07, 0x00, 0x08}, kUnsigned16, 8),
              (std::vector<double>{7, 8}));
    EXPECT_TRUE(numericValues(Bytes{0x00, 0x07}, kUnsigned16, 0).empty());
}

TEST(ValueFormatTest, DefaultsComeFromFunctionCodeAndByteSwap) {
    INSTRUCTION command;
    command.functionCode = "1";
    EXPECT_EQ(defaultFormat(command), kBits);
    command.functionCode = "15";
    EXPECT_EQ(defaultFormat(command), kBits);
    command.functionCode = "3";
    command.swapMode = "No Swap";
    EXPECT_EQ(defaultFormat(command), kUnsigned16);
    command.swapMode = "Two Bytes Swap";
    EXPECT_EQ(defaultFormat(command), kUnsigned16);
    command.swapMode = "Four Bytes Swap";
    EXPECT_EQ(defaultFormat(command), wide(ValueType::Signed32, WordOrder::ABCD));
}

TEST(ValueFormatTest, EveryFormatHasANameThatReadsBack) {
    for (const ValueFormat& format : valueFormats())
        EXPECT_EQ(formatNamed(formatName(format)), format) << formatName(format);
    EXPECT_EQ(formatName(wide(ValueType::Float32, WordOrder::CDAB)), "float32 CDAB");
    EXPECT_EQ(formatName(kUnsigned16), "uint16");
    EXPECT_FALSE(formatNamed("int32 ACBD"));
    EXPECT_FALSE(formatNamed("uint16 ABCD"));
}

} // namespace
} // namespace brenmoor::monitor
