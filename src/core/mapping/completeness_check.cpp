#include "core/mapping/completeness_check.h"

#include "core/mapping/mapping_checks.h"
#include "core/mapping/mapping_numbers.h"
#include "core/model/derived_fields.h"
#include "core/model/function_code.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_mapping.h"

#include <string>

namespace brenmoor {
namespace {

// The subnet number the texts name: the gateway's only subnet, counted from 1.
constexpr int kSubnetNumber = 1;

// A missing value gets the common header, a blank line and its own text in
// one message box.
std::string unfilledText(MessageId id) {
    return std::string(loadString(msg::NotCompleteHeader)) + formatMessage(id, kSubnetNumber);
}

// The node is inserted after formatting: a slave address is the user's text
// and must never be read as a format.
std::string unfilledCommandText(const INSTRUCTION& command, MessageId what) {
    return unfilledText(msg::SubnetNextNode) + command.slaveAddress + std::string(loadString(what));
}

bool isUnset(const std::string& field) {
    return field == text::NotSet;
}

// Returns false after showing its message, if it has one.
bool checkFields(const Project& project, Prompter& prompter) {
    const FIELDBUS& fieldbus = project.store.fieldbus;
    if (isUnset(fieldbus.stationAddress))
        return false;
    if (fieldbus.inputSize == "160" &&
        (fieldbus.outputSize == "112" || fieldbus.outputSize == "96")) {
        prompter.inform(msg::BufferSumTooLarge);
        return false;
    }

    const CONFIG& subnet = project.store.subnets[0];
    if (subnet.protocolMode == text::ModbusSlave)
        return !subnet.slave.slaveAddress.empty();
    if (subnet.protocolMode != text::ModbusMaster)
        return true;

    const MASTERPARAM& master = subnet.master;
    const auto fail = [&prompter](const std::string& text) {
        prompter.inform(text);
        return false;
    };
    if (isUnset(master.responseTimeout))
        return fail(unfilledText(msg::ResponseTimeoutUnfilled));
    if (isUnset(master.pollDelay))
        return fail(unfilledText(msg::PollDelayUnfilled));
    if (master.outputMode == text::PulseOutput && isUnset(master.outputPulse))
        return fail(unfilledText(msg::PulseOutputUnfilled));
    if (isUnset(master.scanRate))
        return fail(unfilledText(msg::ScanRateUnfilled));

    for (int i = 0; i < usedCommandCount(subnet); ++i) {
        const INSTRUCTION& command = subnet.commands[i];
        if (isUnset(command.slaveAddress))
            return fail(unfilledText(msg::NodeAddressVacant));
        if (isUnset(command.startAddress))
            return fail(unfilledCommandText(command, msg::StartAddressUnfilled));
        if (isUnset(command.dataCount))
            return fail(unfilledCommandText(command, msg::DataCountUnfilled));
        if (isUnset(command.mapAddress))
            return fail(unfilledCommandText(command, msg::MapAddressUnfilled));
        if (isUnset(command.bitOffset))
            return fail(unfilledCommandText(command, msg::BitOffsetUnfilled));
    }
    return true;
}

void recomputeByteCounts(CONFIG& subnet) {
    for (int i = 0; i < usedCommandCount(subnet); ++i)
        refreshByteCount(subnet.commands[i]);
}

} // namespace

std::optional<int64_t> downloadByteCount(const INSTRUCTION& command) {
    const FunctionCodeRecord* record = functionCodeRecord(command);
    if (!record)
        return std::nullopt;
    return record->downloadByteCount(leadingDecimal(command.dataCount));
}

bool runCompletenessCheck(Project& project, MappingState& state, Prompter& prompter) {
    bool complete = checkFields(project, prompter);
    if (complete) {
        recomputeByteCounts(project.store.subnets[0]);
        complete = checkMappingRanges(project, state, prompter);
    }
    if (!complete)
        prompter.inform(msg::ConfigurationNotComplete);
    return complete;
}

} // namespace brenmoor
