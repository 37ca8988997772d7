#include "core/mapping/memory_areas.h"
#include "core/mapping/profibus_config.h"
#include "mapping/mapping_fixtures.h"

#include <gtest/gtest.h>

namespace brenmoor {
namespace {

struct Lengths {
    ProfibusConfigResult result;
    int input;
    int output;
};

Lengths evaluate(std::string_view text, MappingState state = {}) {
    const auto result = evaluateProfibusConfig(text, state);
    return {result, state.profibusInputLength, state.profibusOutputLength};
}

constexpr auto Valid = ProfibusConfigResult::Valid;
constexpr auto Error = ProfibusConfigResult::Error;

TEST(ProfibusConfig, TextToBytes) {
    EXPECT_EQ(profibusConfigBytes("D1 E1"), (std::vector<uint8_t>{0xD1, 0xE1}));
    EXPECT_EQ(profibusConfigBytes("d1,e1"), (std::vector<uint8_t>{0xD1, 0xE1}));
    EXPECT_EQ(profibusConfigBytes("G1 1"), (std::vector<uint8_t>{0x01}))
        << "a non-digit is 0, a lone digit is dropped";
    EXPECT_EQ(profibusConfigBytes("12"), (std::vector<uint8_t>{0x12}));
    EXPECT_TRUE(profibusConfigBytes("1").empty());
    EXPECT_EQ(profibusConfigBytes("12345"), (std::vector<uint8_t>{0x12, 0x45}))
        << "the separator is not examined";
}

TEST(ProfibusConfig, GeneralIdentifiers) {
    const Lengths l = evaluate("D1 E1");
    EXPECT_EQ(l.result, Valid);
    EXPECT_EQ(l.input, 4);
    EXPECT_EQ(l.output, 4);

    const Lengths both = evaluate("35"); // 6 bytes each way
    EXPECT_EQ(both.input, 6);
    EXPECT_EQ(both.output, 6);
}

TEST(ProfibusConfig, SpecialIdentifiers) {
    EXPECT_EQ(evaluate("00").result, Valid);
    EXPECT_EQ(evaluate("00").input, 0);
    EXPECT_EQ(evaluate("00").output, 0);
    EXPECT_EQ(evaluate("0F").result, Error) << "manufacturer data length 15";
    EXPECT_EQ(evaluate("C0 01").result, Error) << "input length byte missing";

    const Lengths l = evaluate("C0 41 03"); // output 2 words, input 4 bytes
    EXPECT_EQ(l.result, Valid);
    EXPECT_EQ(l.output, 4);
    EXPECT_EQ(l.input, 4);

    EXPECT_EQ(evaluate("42 05 AA BB").input, 6) << "two manufacturer bytes follow the length byte";
    EXPECT_EQ(evaluate("42 05 AA").result, Error) << "manufacturer data past the end";
}

TEST(ProfibusConfig, LimitsAndErrors) {
    const Lengths l = evaluate("7F 7F 7F 7F 7F 7F 7F 7F");
    EXPECT_EQ(l.result, Error) << "256 bytes each way";
    EXPECT_EQ(l.input, 255);
    EXPECT_EQ(l.output, 255);
    EXPECT_EQ(evaluate("00 00 00 00 00 00 00 00 00").result, Error) << "nine bytes";
    EXPECT_EQ(evaluate("00 00 00 00 00 00 00 00").result, Valid);

    const Lengths atLimit = evaluate("5F 5F 5F 1F 2F 2F"); // 112 in, 32 out
    EXPECT_EQ(atLimit.result, Valid);
    EXPECT_EQ(atLimit.input, 112);
    EXPECT_EQ(evaluate("5F 5F 5F 1F 10").result, Error) << "113 input bytes";
}

TEST(ProfibusConfig, EmptyTextKeepsTheLastLengths) {
    MappingState state;
    state.profibusInputLength = 9;
    state.profibusOutputLength = 7;
    EXPECT_EQ(evaluateProfibusConfig("", state), Valid);
    EXPECT_EQ(state.profibusInputLength, 9);
    EXPECT_EQ(state.profibusOutputLength, 7);
}

TEST(MemoryAreas, RulesInOrder) {
    Project project = test::mappingProject();
    project.store.fieldbus.inputSize = "32";
    project.store.fieldbus.outputSize = "16";
    MappingState state;
    const auto sizes = [&](AreaSizeUse use) {
        const auto s = memoryAreaSizes(project, use, state);
        return s ? std::pair{s->input, s->output} : std::pair<int64_t, int64_t>{-1, -1};
    };
    EXPECT_EQ(sizes(AreaSizeUse::Download), (std::pair<int64_t, int64_t>{32, 16}));

    project.device.profibusData = true;
    project.store.fieldbus.profibusConfigData = "D1";
    EXPECT_EQ(sizes(AreaSizeUse::Download), (std::pair<int64_t, int64_t>{32, 16}))
        << "only in the 'enter' mode";
    project.store.fieldbus.profibusConfigMode = "Enter the configuration data";
    EXPECT_EQ(sizes(AreaSizeUse::Download), (std::pair<int64_t, int64_t>{4, 0}));
    project.store.fieldbus.profibusConfigData = "0F";
    EXPECT_EQ(sizes(AreaSizeUse::Download), (std::pair<int64_t, int64_t>{-1, -1}));

    project.device.commonMode = true;
    EXPECT_EQ(sizes(AreaSizeUse::AutoMapping), (std::pair<int64_t, int64_t>{224, 224}));
    EXPECT_EQ(sizes(AreaSizeUse::Download), (std::pair<int64_t, int64_t>{-1, -1}));

    project.device.commandStatus = true;
    EXPECT_EQ(sizes(AreaSizeUse::Download), (std::pair<int64_t, int64_t>{224, 224}));
    project.device.doubleFault = true;
    EXPECT_EQ(sizes(AreaSizeUse::Download), (std::pair<int64_t, int64_t>{168, 168}));
}

} // namespace
} // namespace brenmoor
