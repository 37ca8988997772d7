// What the monitor's diagnostics cost per record, against the full project
// of 48 commands: the line at 115200 baud carries at most about 1300 short
// records a second, so these times say how much of a core the log, the
// statistics and the values take at full line speed.
#include "core/jobs/monitor_diagnostics.h"
#include "core/monitor/monitor_session.h"
#include "fake_clock.h"
#include "model/project_fixtures.h"
#include "temp_dir.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using namespace brenmoor;
using namespace brenmoor::monitor;

// The 48 commands' slaves and addresses in turn, ten registers each.
std::vector<std::vector<uint8_t>> plantRecords() {
    std::vector<std::vector<uint8_t>> records;
    for (int c = 0; c < kMaxCommands; ++c) {
        const int start = 1000 + c;
        std::vector<uint8_t> record{0x00, static_cast<uint8_t>(c + 1),
                                    static_cast<uint8_t>(start >> 8),
                                    static_cast<uint8_t>(start & 0xFF), 20};
        for (int i = 0; i < 20; ++i)
            record.push_back(static_cast<uint8_t>(c * 7 + i));
        records.push_back(record);
    }
    return records;
}

void observeAll(benchmark::State& state, MonitorDiagnostics& diagnostics, FakeClock& clock) {
    const auto records = plantRecords();
    MonitorSession session;
    size_t i = 0;
    for (auto _ : state) {
        const auto& bytes = records[i++ % records.size()];
        const MonitorStep step = session.tick(bytes);
        clock.advance(1);
        diagnostics.observe(bytes, step, clock.now());
    }
    state.SetItemsProcessed(state.iterations());
}

// A record as the window and --log handle it: counted, matched, decoded
// and written to the log file (flushed per row).
void BM_RecordLoggedAndCounted(benchmark::State& state) {
    test::TempDir dir;
    FakeClock clock;
    const ParameterStore store = test::makeFullProject().store;
    MonitorDiagnostics diagnostics(clock, ProjectCommands(store));
    diagnostics.logTo(dir.file("log.csv"));
    observeAll(state, diagnostics, clock);
}
BENCHMARK(BM_RecordLoggedAndCounted)->Unit(benchmark::kMicrosecond);

// The same without a log: what --stats alone costs.
void BM_RecordCounted(benchmark::State& state) {
    FakeClock clock;
    const ParameterStore store = test::makeFullProject().store;
    MonitorDiagnostics diagnostics(clock, ProjectCommands(store));
    observeAll(state, diagnostics, clock);
}
BENCHMARK(BM_RecordCounted)->Unit(benchmark::kMicrosecond);

// The statistics panel's texts for all 48 commands: what one refresh of the
// window's table computes.
void BM_StatisticsPanelTexts(benchmark::State& state) {
    FakeClock clock;
    const ParameterStore store = test::makeFullProject().store;
    MonitorDiagnostics diagnostics(clock, ProjectCommands(store));
    for (const auto& bytes : plantRecords())
        diagnostics.observe(bytes, MonitorStep{}, 0);
    for (auto _ : state)
        for (const auto& entry : diagnostics.statistics().entries())
            benchmark::DoNotOptimize(diagnostics.statisticsCells(entry));
}
BENCHMARK(BM_StatisticsPanelTexts)->Unit(benchmark::kMicrosecond);

// One plot window of ten minutes at five records a second, one command.
void BM_PlotWindowValues(benchmark::State& state) {
    FakeClock clock;
    MonitorDiagnostics diagnostics(clock, ProjectCommands{});
    const std::vector<uint8_t> record{0x00, 0x01, 0x00, 0x00, 0x04, 0x00, 0x01, 0x00, 0x02};
    for (int i = 0; i < 3000; ++i)
        diagnostics.observe(record, MonitorStep{}, i * 200);
    const uint32_t key = ValueHistory::keyOf(1, 0);
    for (auto _ : state) {
        double sum = 0;
        diagnostics.history().forEach(key, 0, 600'000, [&](const ValueHistory::Sample& sample) {
            for (double v : diagnostics.plotValues(sample, 4))
                sum += v;
        });
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_PlotWindowValues)->Unit(benchmark::kMicrosecond);

} // namespace
