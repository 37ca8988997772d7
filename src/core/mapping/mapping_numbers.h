#pragma once

#include "core/model/number_text.h"
#include "core/model/parameter_store.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace brenmoor {

// The output area of the gateway's buffer starts here; below it lies the input area.
inline constexpr int kOutputAreaStart = 0x4000;

// A mapping address as written by the editor or Auto Mapping; nothing when
// the field was never set ("-1").
std::optional<int64_t> parseMapAddress(std::string_view text);

// How many command status bytes the subnet's commandStatus selects ("Close"
// gives 0, "2Bytes" gives 2).
int64_t commandStatusBytes(const CONFIG& subnet);

// The commands in use of a subnet, whatever a damaged file put in the count.
int usedCommandCount(const CONFIG& subnet);

} // namespace brenmoor
