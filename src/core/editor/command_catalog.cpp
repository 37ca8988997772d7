#include "core/editor/command_catalog.h"

#include "core/model/function_code.h"
#include "core/model/number_text.h"
#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"

namespace brenmoor {

namespace {
constexpr CommandKind kKinds[] = {
    {"01 ", 1, msg::ReadCoilStatus},       {"02 ", 2, msg::ReadInputStatus},
    {"03 ", 3, msg::ReadHoldingRegisters}, {"04 ", 4, msg::ReadInputRegister},
    {"05 ", 5, msg::ForceSingleCoil},      {"06 ", 6, msg::PresetSingleRegister},
    {"15 ", 15, msg::ForceMultipleCoils},  {"16 ", 16, msg::PresetMultipleRegisters},
};
} // namespace

std::span<const CommandKind> commandKinds() {
    return kKinds;
}

std::string selectCommandEntry(int position) {
    if (position < 0 || position >= static_cast<int>(std::size(kKinds)))
        return {};
    const CommandKind& kind = kKinds[position];
    return std::string(kind.prefix) + std::string(loadString(kind.name));
}

std::optional<int> listPositionOfCode(int functionCode) {
    for (int p = 0; p < static_cast<int>(std::size(kKinds)); ++p)
        if (kKinds[p].functionCode == functionCode)
            return p;
    return std::nullopt;
}

std::optional<std::string> commandTreeText(std::string_view functionCode) {
    const auto position = listPositionOfCode(functionCodeOf(functionCode));
    if (!position)
        return std::nullopt;
    return std::string(loadString(kKinds[*position].name));
}

} // namespace brenmoor
