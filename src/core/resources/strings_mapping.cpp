#include "core/resources/messages_mapping.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::AutoMappingQuestion, "Really want to calculate the mapping address automatically?"},
    {msg::MappingAddressExceeds, "Data mapping address exceeds the maximum effective value!"},
    {msg::ProfibusConfigDataError, "Value Profibus configuration data error"},
    {msg::InputMappingOutOfRange, "Node-% s input commands mapped address out of range!"},
    {msg::OutputMappingOutOfRange, "Node-% s output commands mapped address out of range!"},
    {msg::MappingConflictQuestion,
     "Memory mapping conflict! Whether to download the configuration?"},
    {msg::MappingOverflowQuestion, "Before configuring the memory-mapped address exceeds the "
                                   "maximum RMS! Whether to download the "
                                   "configuration?"},
    {msg::ConfigurationNotComplete, "Configuration is not complete, please continue to complete "
                                    "the configuration before downloading!"},
    {msg::BufferSumTooLarge,
     "Corvan-Plus input bytes + output bytes can not be greater than 240 bytes, please select the "
     "appropriate input / output combinations!"},
    {msg::NotCompleteHeader, "Configuration is not complete, please continue to complete the "
                             "configuration before downloading! "
                             "\n  \n"},
    {msg::ResponseTimeoutUnfilled, "Subnet% d response wait time Unfilled"},
    {msg::PollDelayUnfilled, "Subnet% d polling delay Unfilled"},
    {msg::PulseOutputUnfilled, "Subnet% d pulse output time Unfilled"},
    {msg::ScanRateUnfilled, "Subnet% d scan rate Unfilled"},
    {msg::NodeAddressVacant, "Node address can not be vacant."},
    {msg::SubnetNextNode, "Subnet% d next node -"},
    {msg::StartAddressUnfilled, "Unfilled starting address"},
    {msg::DataCountUnfilled, "Unfilled number of data"},
    {msg::MapAddressUnfilled, "Unfilled starting address mapping"},
    {msg::BitOffsetUnfilled, "Mapping bit offset Unfilled"},
    {msg::CommandStatusEntry, "Modbus命令状态"},
    {msg::ConflictDialogTitle, "Conflict Detection"},
    {msg::CommandListLabel, "Command List"},
    {msg::InputAreaLabel, "Input area"},
    {msg::OutputAreaLabel, "Output area"},
    {msg::LegendInput, "Input"},
    {msg::LegendOutput, "Output"},
    {msg::LegendConflict, "Conflict"},
    {msg::LegendLocalDataExchange, "Local data exchange"},
    {msg::AutoMappingCommand, "Auto Mapping"},
    {msg::ConflictDetectionCommand, "Conflict Detection"},
    {msg::ConflictDetectTooltip, "Conflict Detect"},
};
} // namespace

std::span<const StringEntry> mappingStrings() {
    return kEntries;
}

} // namespace brenmoor
