#pragma once

#include "core/mapping/mapping_state.h"
#include "core/model/project.h"

#include <cstdint>
#include <optional>

namespace brenmoor {

// Auto Mapping lays out common-mode configurations with the full 224 bytes;
// the range check before a download does not know that rule.
enum class AreaSizeUse { AutoMapping, Download };

struct MemoryAreaSizes {
    int64_t input = 0;
    int64_t output = 0;
};

// The sizes of the gateway's input and output areas for the current flags
// and fieldbus settings. Nothing when they come from the Profibus
// configuration and those bytes are in error (the caller shows 61643); the
// evaluation leaves its lengths in the state either way.
std::optional<MemoryAreaSizes> memoryAreaSizes(const Project& project, AreaSizeUse use,
                                               MappingState& state);

} // namespace brenmoor
