#include "core/monitor/command_match.h"

#include "core/model/function_code.h"
#include "core/model/number_text.h"
#include "core/model/text_encoding.h"
#include "core/resources/messages_monitor_diagnostics.h"
#include "core/resources/string_table.h"

#include <algorithm>

namespace brenmoor::monitor {
namespace {

std::optional<int64_t> numberIn(std::string_view text, int64_t max) {
    if (!isCanonicalDecimal(text))
        return std::nullopt;
    const int64_t value = leadingInt(text);
    if (value < 0 || value > max)
        return std::nullopt;
    return value;
}

const NODE* nodeOf(const CONFIG& subnet, const INSTRUCTION& command) {
    const int count = std::clamp(subnet.nodeCount, 0, kMaxNodes);
    if (command.nodeNumber < 1 || command.nodeNumber > count)
        return nullptr;
    return &subnet.nodes[static_cast<size_t>(command.nodeNumber - 1)];
}

} // namespace

std::string commandDisplayName(const CONFIG& subnet, const INSTRUCTION& command) {
    const NODE* node = nodeOf(subnet, command);
    std::string name = node ? utf8Text(node->name) : utf8Text(command.slaveAddress);
    name += " / ";
    if (const FunctionCodeRecord* function = functionCodeRecord(command))
        name += loadString(function->name);
    name += " (" + std::to_string(functionCodeOf(command)) + ")";
    return name;
}

ProjectCommands::ProjectCommands(const ParameterStore& store) {
    const CONFIG& subnet = store.subnets[0];
    const int count = std::clamp(subnet.commandCount, 0, kMaxCommands);
    for (int k = 0; k < count; ++k) {
        const INSTRUCTION& command = subnet.commands[static_cast<size_t>(k)];
        const FunctionCodeRecord* function = functionCodeRecord(command);
        // The node's address is the one the gateway polls; the command's
        // copy of it may lag behind an edit.
        const NODE* node = nodeOf(subnet, command);
        const auto slave = numberIn(node ? node->address : command.slaveAddress, 255);
        const auto start = numberIn(command.startAddress, 0xFFFF);
        if (!function || !slave || !start)
            continue;
        ProjectCommand entry;
        entry.slave = static_cast<uint8_t>(*slave);
        entry.start = static_cast<uint16_t>(*start);
        const int64_t dataCount = leadingDecimal(command.dataCount);
        entry.responseBytes = function->downloadByteCount(dataCount);
        entry.name = commandDisplayName(subnet, command);
        entry.format = defaultFormat(command);
        if (function->bits)
            entry.bitCount =
                function->single ? 1 : static_cast<int>(std::min<int64_t>(dataCount, 2000));
        commands_.push_back(std::move(entry));
    }
}

std::vector<size_t> ProjectCommands::candidates(uint8_t slave, uint16_t start) const {
    std::vector<size_t> found;
    for (size_t i = 0; i < commands_.size(); ++i)
        if (commands_[i].slave == slave && commands_[i].start == start)
            found.push_back(i);
    return found;
}

std::optional<size_t> ProjectCommands::settle(const std::vector<size_t>& candidates,
                                              size_t dataBytes) const {
    std::optional<size_t> settled;
    for (const size_t i : candidates) {
        if (commands_[i].responseBytes != static_cast<int64_t>(dataBytes))
            continue;
        if (settled)
            return std::nullopt;
        settled = i;
    }
    return settled;
}

std::string CommandMatch::text(const ProjectCommands& commands) const {
    switch (kind_) {
    case Kind::Command:
        return commands.commands()[index_].name;
    case Kind::Ambiguous:
        return std::string(loadString(msg::CommandAmbiguous));
    default:
        return std::string(loadString(msg::CommandNotInProject));
    }
}

} // namespace brenmoor::monitor
