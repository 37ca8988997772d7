#pragma once

#include "core/mapping/mapping_state.h"
#include "core/model/project.h"
#include "core/resources/prompter.h"

#include <cstdint>
#include <optional>

namespace brenmoor {

// What the Download dialog checks when it opens, shared with the command
// line: the fieldbus, the first subnet's parameters and commands, the buffer
// pair, then the mapping ranges. Stops at the first failure. Every command's
// byteCount is recomputed on the way (that is why the project is not const).
//
// On failure the check has shown its own message (if the failure has one)
// and then 61611, so the caller only closes the dialog; on success nothing
// was shown and the download may start.
bool runCompletenessCheck(Project& project, MappingState& state, Prompter& prompter);

// The byteCount a download sends for a command; nothing for a code it leaves alone.
std::optional<int64_t> downloadByteCount(const INSTRUCTION& command);

} // namespace brenmoor
