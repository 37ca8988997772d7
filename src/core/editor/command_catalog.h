#pragma once

#include "core/model/function_code.h"

#include <optional>
#include <string>
#include <string_view>

namespace brenmoor {

// The "Select Command" list: the eight function-code records in their
// order, each entry the two-digit code and the name ("01 Read Coil Status").
std::string selectCommandEntry(int position);

// The list position of a function code, or nothing for another code.
std::optional<int> listPositionOfCode(int functionCode);

// The tree text of a stored function code text; nothing when the text is
// not one of the eight codes (a non-number counts as 0).
std::optional<std::string> commandTreeText(std::string_view functionCode);

} // namespace brenmoor
