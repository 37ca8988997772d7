#pragma once

#include "core/model/parameter_store.h"

#include <string_view>

namespace brenmoor {

// The function code of a command, read once for everything that acts on it:
// the tree and the pages, Auto Mapping, the conflict maps and the range
// check, the byte counts, the export and the gateway image. It is the usual
// decimal reading of the text (leading blanks and a sign allowed, no digits
// gives 0), which is what the gateway receives; a stored " 3" is therefore a
// register read everywhere, and the maps paint what the gateway will do.
int functionCodeOf(std::string_view text);

inline int functionCodeOf(const INSTRUCTION& command) {
    return functionCodeOf(command.functionCode);
}

} // namespace brenmoor
