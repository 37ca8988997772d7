#include "core/model/derived_fields.h"

#include "core/model/function_code.h"
#include "core/model/number_text.h"
#include "core/model/store_texts.h"

#include <algorithm>

namespace brenmoor {

void refreshSlaveAddress(const CONFIG& subnet, INSTRUCTION& command) {
    if (command.nodeNumber >= 1 && command.nodeNumber <= kMaxNodes)
        command.slaveAddress = subnet.nodes[static_cast<size_t>(command.nodeNumber - 1)].address;
}

void refreshCheckType(const CONFIG& subnet, INSTRUCTION& command) {
    if (subnet.master.masterTransmission == text::Rtu)
        command.checkType = text::Crc;
    else if (subnet.master.masterTransmission == text::Ascii)
        command.checkType = text::Lrc;
}

void refreshByteCount(INSTRUCTION& command) {
    if (const FunctionCodeRecord* record = functionCodeRecord(command))
        command.byteCount =
            std::to_string(record->downloadByteCount(leadingDecimal(command.dataCount)));
}

void refreshCheckTypes(ParameterStore& store) {
    for (CONFIG& subnet : store.subnets)
        for (int k = 0; k < std::clamp(subnet.commandCount, 0, kMaxCommands); ++k)
            refreshCheckType(subnet, subnet.commands[static_cast<size_t>(k)]);
}

bool differsBeyondCopies(const ParameterStore& before, const ParameterStore& after) {
    ParameterStore compared = after;
    for (size_t s = 0; s < compared.subnets.size(); ++s) {
        auto& commands = compared.subnets[s].commands;
        const auto& old = before.subnets[s].commands;
        for (size_t k = 0; k < commands.size(); ++k) {
            commands[k].slaveAddress = old[k].slaveAddress;
            commands[k].checkType = old[k].checkType;
        }
    }
    return compared != before;
}

} // namespace brenmoor
