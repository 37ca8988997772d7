#include "core/resources/messages_compare.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::CompareEqual, "The configurations are the same."},
    {msg::CompareDifferenceLine, "%1: %2 is %3 in %4, %5 in %6"},
    {msg::CompareNotSent, " (not sent to the gateway)"},
    {msg::CompareSameBytes, " (sent as the same bytes)"},
    {msg::CompareEmptyValue, "empty"},
    {msg::CompareAbsent, "(none)"},
    {msg::PlaceDevice, "Device"},
    {msg::PlaceSubnet, "Subnet %1"},
    {msg::PlaceNode, "Subnet %1, node %2"},
    {msg::PlaceCommand, "Subnet %1, node %2, command %3"},
    {msg::PlaceListCommand, "Subnet %1, command %2"},

    {msg::LabelDeviceFamily, "Device Family"},
    {msg::LabelModelCode, "Model Code"},
    {msg::LabelModel12Flag, "Model 12"},
    {msg::LabelModel11Flag, "Model 11"},
    {msg::LabelDataFilterFlag, "Data Filter Function"},
    {msg::LabelCommonModeFlag, "Common Mode Function"},
    {msg::LabelDoubleFaultFlag, "Double Fault Function"},
    {msg::LabelProfibusDataFlag, "Profibus Data Function"},
    {msg::LabelCommandStatusFlag, "Command Status Function"},
    {msg::LabelDelimiterFlag, "Delimiter Function"},

    {msg::LabelProfibusConfigMode, "Profibus Configuration Mode"},
    {msg::LabelProfibusConfigData, "Profibus Configuration Data"},
    {msg::LabelIpMode, "IP Mode"},
    {msg::LabelIpAddress, "IP Address"},
    {msg::LabelSubnetMask, "Subnet Mask"},
    {msg::LabelGatewayAddress, "Gateway Address"},
    {msg::LabelDns1, "DNS 1"},
    {msg::LabelDns2, "DNS 2"},
    {msg::LabelCommandStatus, "Command Status"},
    {msg::LabelTimeoutAction, "Timeout Action"},
    {msg::LabelTimeoutCount, "Timeout Count"},
    {msg::LabelDoubleFaultClear, "Double Fault Clear"},
    {msg::LabelFrameControl, "Frame Control"},
    {msg::LabelCharTimeout, "Character Timeout"},
    {msg::LabelCharCount, "Number of Characters"},
    {msg::LabelAutoSend, "Automatic Sending"},
    {msg::LabelAutoSendCycle, "Automatic Sending Cycle"},
    {msg::LabelUseCrc, "CRC"},
    {msg::LabelValidLength, "Valid Length"},
    {msg::LabelStartChar, "Start Character"},
    {msg::LabelTerminator, "Terminator"},
    {msg::LabelStoredDebugInterface, "Debug Interface (stored)"},
    {msg::LabelNodeName, "Node Name"},
    {msg::LabelCommandCount, "Number of Commands"},
    {msg::LabelOfGroup, "%1 (%2)"},

    {msg::VerifyStep, "Verifying the configuration in the gateway"},
    {msg::VerifyPassed, "Verified: the gateway holds what was sent."},
    {msg::VerifyDifferent, "The gateway holds a different configuration!"},
    {msg::VerifyDifferenceLine, "%1: %2 is %3 in the gateway, %4 here"},
    {msg::GatewayName, "the gateway"},
};
} // namespace

std::span<const StringEntry> compareStrings() {
    return kEntries;
}

} // namespace brenmoor
