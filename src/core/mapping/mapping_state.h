#pragma once

#include <cstdint>

namespace brenmoor {

// What the mapping tools remember for the rest of the run. Nothing here is
// saved: each front end owns one instance and hands it to Auto Mapping,
// Conflict Detection and the download.
struct MappingState {
    // Set by an Auto Mapping run that showed 61627 or 61643; cleared when the
    // user confirms the next run.
    bool mappingOverflow = false;
    // Set when Conflict Detection paints a byte red; cleared when it opens.
    bool mappingConflict = false;
    // The last evaluation of the Profibus configuration bytes; 255 and 255
    // after one that failed.
    uint8_t profibusInputLength = 0;
    uint8_t profibusOutputLength = 0;
};

} // namespace brenmoor
