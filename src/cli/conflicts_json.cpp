#include "cli/conflicts_json.h"

#include <cstdio>

namespace brenmoor::cli {

std::string addressKey(MapArea area, int byte) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04X",
                  static_cast<unsigned>((area == MapArea::Output ? kOutputAreaStart : 0) + byte) &
                      0xFFFFu);
    return buffer;
}

nlohmann::ordered_json conflictsJson(const ConflictMaps& maps, const MappingState& state) {
    nlohmann::ordered_json json;
    json["mappingConflict"] = state.mappingConflict;
    for (const MapArea area : {MapArea::Input, MapArea::Output}) {
        auto& painted = json[area == MapArea::Input ? "input" : "output"] =
            nlohmann::ordered_json::object();
        // Addresses come in order and once each: appending them directly
        // keeps the object linear, where its keyed insert would search every
        // key already in it (both maps full are 32768 keys).
        auto& cells = painted.get_ref<nlohmann::ordered_json::object_t&>();
        for (int byte = 0; byte < kInputBytes; ++byte) {
            const MapColour colour = maps.cellColour(area, byte);
            if (colour != MapColour::Free)
                cells.emplace_back(addressKey(area, byte), mapColourName(colour));
        }
    }
    return json;
}

} // namespace brenmoor::cli
