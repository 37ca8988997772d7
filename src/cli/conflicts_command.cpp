#include "cli/command_registry.h"
#include "cli/project_io.h"
#include "core/mapping/conflict_maps.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <iostream>

namespace brenmoor::cli {
namespace {

std::string addressKey(MapArea area, int byte) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%04X",
                  static_cast<unsigned>((area == MapArea::Output ? kOutputAreaStart : 0) + byte));
    return buffer;
}

// Both maps as the dialog paints them when it opens: every byte that is not free.
int runConflicts(const std::string& input, bool asJson) {
    const auto project = openProjectOrReport(input);
    if (!project)
        return kExitFailed;
    MappingState state;
    const ConflictMaps maps = ConflictMaps::open(*project, state);

    nlohmann::ordered_json json;
    json["mappingConflict"] = state.mappingConflict;
    for (const MapArea area : {MapArea::Input, MapArea::Output}) {
        const char* areaName = area == MapArea::Input ? "input" : "output";
        auto& painted = json[areaName] = nlohmann::ordered_json::object();
        for (int byte = 0; byte < kInputBytes; ++byte) {
            const MapColour colour = maps.cellColour(area, byte);
            if (colour == MapColour::Free)
                continue;
            if (asJson)
                painted[addressKey(area, byte)] = mapColourName(colour);
            else
                std::cout << areaName << ' ' << addressKey(area, byte) << ' '
                          << mapColourName(colour) << '\n';
        }
    }
    if (asJson)
        std::cout << json.dump(2) << '\n';
    else
        std::cout << "mappingConflict " << (state.mappingConflict ? "true" : "false") << '\n';
    return kExitSuccess;
}

const RegisterCommand registration{
    "conflicts", [](CLI::App& app, int& exitCode) {
        auto* cmd = app.add_subcommand("conflicts",
                                       "Print the memory maps as Conflict Detection paints them");
        auto input = std::make_shared<std::string>();
        auto asJson = std::make_shared<bool>(false);
        cmd->add_option("file", *input, "Project file (.chg)")->required();
        cmd->add_flag("--json", *asJson, "Print JSON");
        cmd->callback([input, asJson, &exitCode] { exitCode = runConflicts(*input, *asJson); });
    }};

} // namespace
} // namespace brenmoor::cli
