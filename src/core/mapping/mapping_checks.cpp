#include "core/mapping/mapping_checks.h"

#include "core/mapping/mapping_numbers.h"
#include "core/mapping/memory_areas.h"
#include "core/model/function_code.h"
#include "core/resources/messages_mapping.h"

namespace brenmoor {
namespace {

// A command may sit in either area (a write command can take its data from
// the input area), so its end is measured from the start of the area it is in.
bool endsOutside(int64_t end, int64_t limit) {
    return end <= kOutputAreaStart - 1 ? end > limit : end - kOutputAreaStart > limit;
}

} // namespace

bool checkMappingRanges(const Project& project, MappingState& state, Prompter& prompter) {
    const auto sizes = memoryAreaSizes(project, AreaSizeUse::Download, state);
    if (!sizes) {
        prompter.inform(msg::ProfibusConfigDataError);
        return false;
    }
    const CONFIG& subnet = project.store.subnets[0];
    for (int i = 0; i < usedCommandCount(subnet); ++i) {
        const INSTRUCTION& command = subnet.commands[i];
        const FunctionCodeRecord* record = functionCodeRecord(command);
        if (!record)
            continue;
        const bool read = record->read;
        // Whatever the protocol mode, every command is measured; an address
        // never set reads as the digits it has, none.
        const int64_t end =
            leadingHexDigits(command.mapAddress) + leadingDecimal(command.byteCount);
        if (endsOutside(end, read ? sizes->input : sizes->output)) {
            prompter.inform(
                formatMessage(read ? msg::InputMappingOutOfRange : msg::OutputMappingOutOfRange,
                              command.slaveAddress));
            return false;
        }
    }
    return true;
}

bool askDownloadQuestions(const MappingState& state, Prompter& prompter) {
    if (state.mappingConflict &&
        prompter.ask(msg::MappingConflictQuestion, Buttons::YesNo) != Answer::Yes)
        return false;
    if (state.mappingOverflow &&
        prompter.ask(msg::MappingOverflowQuestion, Buttons::YesNo) != Answer::Yes)
        return false;
    return true;
}

} // namespace brenmoor
