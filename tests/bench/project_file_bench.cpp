// Open and save of the largest configuration the store holds.
#include "core/model/project_file.h"
#include "model/project_fixtures.h"
#include "temp_dir.h"

#include <benchmark/benchmark.h>

namespace {

using namespace brenmoor;

void BM_SerializeFullProject(benchmark::State& state) {
    const Project project = test::makeFullProject();
    for (auto _ : state)
        benchmark::DoNotOptimize(serializeProject(project));
}
BENCHMARK(BM_SerializeFullProject)->Unit(benchmark::kMicrosecond);

void BM_ParseFullProject(benchmark::State& state) {
    const Project project = test::makeFullProject();
    const std::vector<uint8_t> bytes = serializeProject(project);
    for (auto _ : state) {
        auto loaded = parseProject(bytes, project.device);
        benchmark::DoNotOptimize(loaded);
    }
    state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_ParseFullProject)->Unit(benchmark::kMicrosecond);

// The whole Open as the window does it: read the file, parse, apply.
void BM_OpenFullProjectFile(benchmark::State& state) {
    test::TempDir dir;
    const std::string path = dir.file("full.chg");
    saveProjectFile(test::makeFullProject(), path);
    for (auto _ : state) {
        Project project = makeNewProject();
        benchmark::DoNotOptimize(openProjectFile(project, path));
    }
}
BENCHMARK(BM_OpenFullProjectFile)->Unit(benchmark::kMicrosecond);

// The whole Save: serialize, write a temporary file, flush it to disk, rename.
void BM_SaveFullProjectFile(benchmark::State& state) {
    test::TempDir dir;
    const std::string path = dir.file("full.chg");
    const Project project = test::makeFullProject();
    for (auto _ : state)
        benchmark::DoNotOptimize(saveProjectFile(project, path));
}
BENCHMARK(BM_SaveFullProjectFile)->Unit(benchmark::kMicrosecond);

} // namespace
