#pragma once

#include "core/mapping/mapping_state.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace brenmoor {

// The configuration identifier bytes typed as text: two hexadecimal digits
// per byte with one separator after each ("D1 E1"). A character that is not
// a hexadecimal digit counts as 0 and a lone character at the end is ignored.
std::vector<uint8_t> profibusConfigBytes(std::string_view configData);

enum class ProfibusConfigResult { Valid, Error };

// Walks the identifier bytes and leaves the input and output lengths they
// describe in the state (255 and 255 on error). Text without bytes is valid
// and leaves the lengths as they were.
ProfibusConfigResult evaluateProfibusConfig(std::string_view configData, MappingState& state);

} // namespace brenmoor
