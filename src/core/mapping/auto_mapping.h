#pragma once

#include "core/mapping/mapping_state.h"
#include "core/model/project.h"
#include "core/resources/prompter.h"

#include <cstdint>
#include <optional>

namespace brenmoor {

// Bytes a command occupies in its area by function code; nothing for a code
// that takes no part in the layout.
std::optional<int64_t> commandSize(int64_t functionCode, int64_t dataCount, int64_t bitOffset);

// The Corvan-Plus moves at most this many input and output bytes together.
inline constexpr int64_t kModel12TotalBytes = 224;

// Whether input data ending at `inputEnd` and output data ending at
// `outputEnd` (a buffer address from 0x4000) need more than that.
bool exceedsGatewayTotal(int64_t inputEnd, int64_t outputEnd);

enum class AutoMappingOutcome {
    Cancelled,           // the user declined 61644; nothing changed
    ProfibusConfigError, // 61643 shown; no command changed
    Completed,           // addresses stored (61627 may have been shown)
};

// Tools "Auto Mapping": asks 61644, lays the read commands of subnet 0 back
// to back from input byte 2 and the write commands from 0x4000, grouped by
// function code, and stores upper-case hexadecimal addresses and byte
// counts. An overflow shows 61627 once and keeps the addresses all the same.
// Sets the modified mark when a text of the store changed. After Completed
// the caller rebuilds the tree and selects its first root.
AutoMappingOutcome runAutoMapping(Project& project, MappingState& state, Prompter& prompter);

} // namespace brenmoor
