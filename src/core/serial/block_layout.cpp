#include "core/serial/block_layout.h"

#include "core/model/number_text.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_compare.h"
#include "core/resources/messages_editor.h"

#include <array>

namespace brenmoor {

namespace {

constexpr std::array<ByteField, 4> kDeviceNet{{
    {0, 1, msg::LabelDeviceNetAddress, ByteForm::Number},
    {1, 1, msg::LabelDeviceNetBaud, ByteForm::Table, kFieldbusBauds},
    {2, 1, msg::LabelInputBuffer, ByteForm::Table, kInputSizes},
    {3, 1, msg::LabelOutputBuffer, ByteForm::Table, kOutputSizes},
}};

constexpr std::array<ByteField, 19> subnetFields(ByteField byte13) {
    return {{
        {0, 1, msg::LabelProtocolsMode, ByteForm::Table, kProtocolModes},
        {1, 1, msg::LabelBaudRate, ByteForm::Table, kSubnetBauds},
        {2, 1, msg::LabelDataBits, ByteForm::Table, kDataBits},
        {3, 1, msg::LabelParityCheck, ByteForm::Table, kParities},
        {4, 1, msg::LabelStopBits, ByteForm::Table, kStopBits},
        {5, 1, msg::LabelSlaveAddress, ByteForm::Number},
        {6, 1, msg::LabelTransmissionMode, ByteForm::Table, kTransmissions},
        {7, 2, msg::LabelResponseTimeout, ByteForm::Word},
        {9, 1, msg::LabelPollDelay, ByteForm::Tens},
        {10, 1, msg::LabelOutputMode, ByteForm::Table, kOutputModes},
        {11, 1, msg::LabelOutputPulse, ByteForm::Tens},
        {12, 1, msg::LabelScanRate, ByteForm::Number},
        byte13,
        {14, 2, msg::LabelCharTimeout, ByteForm::Word},
        {16, 1, msg::LabelCharCount, ByteForm::Number},
        {17, 1, msg::LabelAutoSend, ByteForm::Switch},
        {18, 2, msg::LabelAutoSendCycle, ByteForm::Word},
        {20, 1, msg::LabelUseCrc, ByteForm::Switch},
        {21, 1, msg::LabelCommInterface, ByteForm::Interface},
    }};
}

constexpr auto kMasterSubnet = subnetFields({13, 1, msg::LabelCommandStatus, ByteForm::Number});
constexpr auto kCommonSubnet =
    subnetFields({13, 1, msg::LabelFrameControl, ByteForm::FrameControl});

constexpr std::array<ByteField, 8> commandFields(ByteField swap) {
    return {{
        {0, 1, msg::LabelNodeSlaveAddress, ByteForm::Number},
        {1, 1, msg::LabelFunctionCode, ByteForm::Number},
        {2, 2, msg::LabelStartingAddress, ByteForm::Word},
        {4, 2, msg::LabelNumberOfData, ByteForm::Word},
        {6, 2, msg::LabelMappingAddress, ByteForm::Hex},
        {8, 1, msg::LabelBitOffset, ByteForm::Number},
        {9, 1, msg::LabelTypeOfScan, ByteForm::Table, kScanTypes},
        swap,
    }};
}

constexpr auto kSwapCommand =
    commandFields({10, 1, msg::LabelByteSwap, ByteForm::Table, kSwapModes});
constexpr auto kFilterCommand =
    commandFields({10, 1, msg::LabelDataFilter, ByteForm::Table, kFilterSwapModes});

} // namespace

std::span<const ByteField> deviceNetLayout() {
    return kDeviceNet;
}

std::span<const ByteField> subnetLayout(bool commonMode) {
    return commonMode ? std::span<const ByteField>(kCommonSubnet) : kMasterSubnet;
}

std::span<const ByteField> commandLayout(bool dataFilter) {
    return dataFilter ? std::span<const ByteField>(kFilterCommand) : kSwapCommand;
}

std::string formatField(const ByteField& f, std::span<const uint8_t> block) {
    int value = 0;
    for (size_t i = 0; i < f.size; ++i)
        value = value * 256 + block[f.first + i];
    switch (f.form) {
    case ByteForm::Number:
    case ByteForm::Word:
        return std::to_string(value);
    case ByteForm::Tens:
        return std::to_string(value * 10);
    case ByteForm::Hex:
        return lowerHex(value);
    case ByteForm::Table:
        if (const auto t = textOf(f.table, value))
            return std::string(*t);
        return std::to_string(value);
    case ByteForm::Switch:
        return std::string(value != 0 ? text::Open : text::Close);
    case ByteForm::Interface:
        return std::string(value != 0 ? text::Rs232 : text::Rs485);
    case ByteForm::FrameControl:
        return std::string(value != 0 ? text::NumberOfCharacters : text::CharacterTimeout);
    }
    return std::to_string(value);
}

std::span<const uint8_t> fieldBytes(std::span<const ByteField> layout, MessageId label,
                                    std::span<const uint8_t> block) {
    for (const ByteField& f : layout)
        if (f.label == label)
            return block.subspan(f.first, f.size);
    return {};
}

} // namespace brenmoor
