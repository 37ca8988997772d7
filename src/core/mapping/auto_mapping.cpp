#include "core/mapping/auto_mapping.h"

#include "core/mapping/mapping_numbers.h"
#include "core/mapping/memory_areas.h"
#include "core/model/function_code.h"
#include "core/resources/messages_mapping.h"

#include <array>
#include <string>
#include <vector>

namespace brenmoor {
namespace {

// Input bytes 0 and 1 carry the command and node status bytes.
constexpr int64_t kFirstReadAddress = 2;

struct Placement {
    int command = 0; // index in the subnet
    int64_t address = 0;
    int64_t size = 0;
};

// The list of one area: every command of each code in turn (in the order of
// the records), in command order, chained from the area's first address.
std::vector<Placement> chain(const CONFIG& subnet, bool reads, int64_t firstAddress) {
    std::vector<Placement> list;
    int64_t next = firstAddress;
    for (const FunctionCodeRecord& record : functionCodeRecords()) {
        if (record.read != reads)
            continue;
        for (int i = 0; i < usedCommandCount(subnet); ++i) {
            const INSTRUCTION& command = subnet.commands[i];
            if (functionCodeOf(command) != record.code)
                continue;
            const int64_t size = record.layoutSize(leadingDecimal(command.dataCount),
                                                   leadingDecimal(command.bitOffset));
            list.push_back({i, next, size});
            next += size;
        }
    }
    return list;
}

int64_t listEnd(const std::vector<Placement>& list, int64_t whenEmpty) {
    return list.empty() ? whenEmpty : list.back().address + list.back().size;
}

// Whether some command, checked in command order, ends outside its area.
bool anyOutside(const std::vector<Placement>& reads, const std::vector<Placement>& writes,
                const MemoryAreaSizes& limits) {
    std::array<const Placement*, kMaxCommands> byCommand{};
    std::array<bool, kMaxCommands> isRead{};
    for (const Placement& p : reads) {
        byCommand[p.command] = &p;
        isRead[p.command] = true;
    }
    for (const Placement& p : writes)
        byCommand[p.command] = &p;
    for (int i = 0; i < kMaxCommands; ++i) {
        const Placement* p = byCommand[i];
        if (!p)
            continue;
        const int64_t end = p->address + p->size;
        if (isRead[i] ? end > limits.input : end > kOutputAreaStart + limits.output)
            return true;
    }
    return false;
}

bool store(std::string& field, std::string value) {
    if (field == value)
        return false;
    field = std::move(value);
    return true;
}

} // namespace

bool exceedsGatewayTotal(int64_t inputEnd, int64_t outputEnd) {
    return inputEnd + outputEnd - kOutputAreaStart > kModel12TotalBytes;
}

std::optional<int64_t> commandSize(int64_t functionCode, int64_t dataCount, int64_t bitOffset) {
    const FunctionCodeRecord* record = functionCode >= INT32_MIN && functionCode <= INT32_MAX
                                           ? functionCodeRecord(static_cast<int>(functionCode))
                                           : nullptr;
    if (!record)
        return std::nullopt;
    return record->layoutSize(dataCount, bitOffset);
}

AutoMappingOutcome runAutoMapping(Project& project, MappingState& state, Prompter& prompter) {
    if (prompter.ask(msg::AutoMappingQuestion, Buttons::OkCancel) != Answer::Ok)
        return AutoMappingOutcome::Cancelled;
    state.mappingOverflow = false;

    const auto limits = memoryAreaSizes(project, AreaSizeUse::AutoMapping, state);
    if (!limits) {
        prompter.inform(msg::ProfibusConfigDataError);
        state.mappingOverflow = true;
        return AutoMappingOutcome::ProfibusConfigError;
    }

    CONFIG& subnet = project.store.subnets[0];
    const std::vector<Placement> reads = chain(subnet, true, kFirstReadAddress);
    const std::vector<Placement> writes = chain(subnet, false, kOutputAreaStart);

    // The message is shown once per run, whichever check finds the overflow.
    if (anyOutside(reads, writes, *limits)) {
        prompter.inform(msg::MappingAddressExceeds);
        state.mappingOverflow = true;
    }
    if (project.device.model12 && !state.mappingOverflow) {
        const int64_t inputEnd = listEnd(reads, commandStatusBytes(subnet));
        const int64_t outputEnd = listEnd(writes, kOutputAreaStart);
        if (exceedsGatewayTotal(inputEnd, outputEnd)) {
            prompter.inform(msg::MappingAddressExceeds);
            state.mappingOverflow = true;
        }
    }

    // The first write command gets its byteCount like every other: the range
    // check and the download then see the size the layout reserved for it.
    bool changed = false;
    for (const auto* list : {&reads, &writes}) {
        for (const Placement& p : *list) {
            INSTRUCTION& command = subnet.commands[p.command];
            changed |= store(command.mapAddress, upperHex(p.address));
            changed |= store(command.byteCount, std::to_string(p.size));
        }
    }
    if (changed)
        project.marks.modified = true;
    return AutoMappingOutcome::Completed;
}

} // namespace brenmoor
