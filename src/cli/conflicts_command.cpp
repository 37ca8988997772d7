#include "cli/command_registry.h"
#include "cli/conflicts_json.h"
#include "cli/project_io.h"

#include <iostream>

namespace brenmoor::cli {
namespace {

// Both maps as the dialog paints them when it opens: every byte that is not free.
int runConflicts(const std::string& input, bool asJson) {
    const auto project = openProjectOrReport(input);
    if (!project)
        return kExitFailed;
    MappingState state;
    const ConflictMaps maps = ConflictMaps::open(*project, state);
    if (asJson) {
        std::cout << conflictsJson(maps, state).dump(2) << '\n';
        return kExitSuccess;
    }
    for (const MapArea area : {MapArea::Input, MapArea::Output}) {
        const char* areaName = area == MapArea::Input ? "input" : "output";
        for (int byte = 0; byte < kInputBytes; ++byte) {
            const MapColour colour = maps.cellColour(area, byte);
            if (colour != MapColour::Free)
                std::cout << areaName << ' ' << addressKey(area, byte) << ' '
                          << mapColourName(colour) << '\n';
        }
    }
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
