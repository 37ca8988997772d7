#pragma once

#include "core/resources/message_id.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace brenmoor {

// One entry of the "Select Command" list: its position is its index.
struct CommandKind {
    std::string_view prefix; // "01 "
    int functionCode;        // 1
    MessageId name;          // "Read Coil Status": list and tree text
};

// The eight Modbus commands in list order.
std::span<const CommandKind> commandKinds();

// The list entries, prefix followed by name ("01 Read Coil Status").
std::string selectCommandEntry(int position);

// The list position of a function code, or nothing for another code.
std::optional<int> listPositionOfCode(int functionCode);

// The tree text of a stored function code text; nothing when the text is
// not one of the eight codes (a non-number counts as 0).
std::optional<std::string> commandTreeText(std::string_view functionCode);

} // namespace brenmoor
