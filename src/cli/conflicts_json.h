#pragma once

#include "core/mapping/conflict_maps.h"
#include "core/model/project.h"

#include <nlohmann/json.hpp>

namespace brenmoor::cli {

// The maps as Conflict Detection paints them on opening, in the form
// `conflicts --json` prints: {"mappingConflict": bool, "input": {"0010":
// "yellow", ...}, "output": {"4000": "blue", ...}}, every byte that is not
// free, in address order.
nlohmann::ordered_json conflictsJson(const ConflictMaps& maps, const MappingState& state);

// Four upper-case hexadecimal digits of a byte's address, output bytes from 4000.
std::string addressKey(MapArea area, int byte);

} // namespace brenmoor::cli
