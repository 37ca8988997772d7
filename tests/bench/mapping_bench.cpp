// How long Conflict Detection needs to open with a full command list, and
// what one check box toggle costs.
#include "cli/conflicts_json.h"
#include "core/mapping/conflict_maps.h"
#include "core/model/project.h"

#include <benchmark/benchmark.h>

#include <string>

namespace brenmoor {
namespace {

// 48 commands of the largest size the editor accepts, half read and half
// write, all piled onto the same addresses so that every count is touched.
Project editorLimitProject() {
    Project project = makeNewProject();
    CONFIG& subnet = project.store.subnets[0];
    subnet.commandCount = kMaxCommands;
    for (int i = 0; i < kMaxCommands; ++i) {
        INSTRUCTION& command = subnet.commands[i];
        const bool coils = i % 2 == 0;
        const bool read = i < kMaxCommands / 2;
        command.functionCode = read ? (coils ? "1" : "3") : (coils ? "15" : "16");
        command.dataCount = coils ? "400" : "36";
        command.bitOffset = "7";
        command.mapAddress = read ? "2" : "4000";
    }
    return project;
}

// 48 commands from a file whose counts cover each map completely: the worst
// the maps can be asked to do.
Project wholeMapProject() {
    Project project = makeNewProject();
    CONFIG& subnet = project.store.subnets[0];
    subnet.commandCount = kMaxCommands;
    for (int i = 0; i < kMaxCommands; ++i) {
        INSTRUCTION& command = subnet.commands[i];
        command.functionCode = i % 2 == 0 ? "3" : "16";
        command.dataCount = "65535";
        command.bitOffset = "0";
        command.mapAddress = "0";
    }
    return project;
}

void openMaps(benchmark::State& bench, const Project& project) {
    MappingState state;
    for (auto _ : bench) {
        ConflictMaps maps = ConflictMaps::open(project, state);
        benchmark::DoNotOptimize(maps);
    }
}

void BM_OpenEditorLimits(benchmark::State& bench) {
    openMaps(bench, editorLimitProject());
}
void BM_OpenWholeMaps(benchmark::State& bench) {
    openMaps(bench, wholeMapProject());
}

// Opening plus every colour the two grids ask for once.
void BM_OpenAndPaintAllCells(benchmark::State& bench) {
    const Project project = editorLimitProject();
    MappingState state;
    for (auto _ : bench) {
        const ConflictMaps maps = ConflictMaps::open(project, state);
        int painted = 0;
        for (int byte = 0; byte < kInputBytes; ++byte) {
            painted += maps.cellColour(MapArea::Input, byte) != MapColour::Free;
            painted += maps.cellColour(MapArea::Output, byte) != MapColour::Free;
        }
        benchmark::DoNotOptimize(painted);
    }
}

void BM_ToggleWholeMapEntry(benchmark::State& bench) {
    const Project project = wholeMapProject();
    MappingState state;
    ConflictMaps maps = ConflictMaps::open(project, state);
    for (auto _ : bench) {
        auto spans = maps.toggle(1, state);
        benchmark::DoNotOptimize(spans);
    }
}

// `conflicts --json` with both maps full: 32768 painted bytes, one key each.
void BM_ConflictsJsonWholeMaps(benchmark::State& bench) {
    const Project project = wholeMapProject();
    MappingState state;
    const ConflictMaps maps = ConflictMaps::open(project, state);
    for (auto _ : bench) {
        const std::string text = cli::conflictsJson(maps, state).dump(2);
        benchmark::DoNotOptimize(text.data());
    }
}

BENCHMARK(BM_OpenEditorLimits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConflictsJsonWholeMaps)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenWholeMaps)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenAndPaintAllCells)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ToggleWholeMapEntry)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace brenmoor
