// Feeds arbitrary text to the simulated gateway's record-script reader, which
// reads files the user names: a script is either refused with a reason or
// gives records that fit one read of the monitor and read only inside the
// output area. The records then go through the gateway with the same input
// as the program's answers, so writes and read-backs meet arbitrary bytes.
#include "sim/monitor_engine.h"
#include "sim/monitor_script.h"

#include "core/monitor/monitor_record.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

using namespace brenmoor;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    sim::MonitorScript script = sim::parseMonitorScript(text);
    check(script.ok() != script.records.empty());
    if (!script.ok())
        return 0;
    for (const auto& record : script.records) {
        check(record.dataSize() <= sim::kMaxScriptDataBytes);
        for (const auto& item : record.data)
            if (item.fromOutput)
                check(item.count > 0 && item.address >= sim::kOutputAreaFirst &&
                      item.address + item.count - 1 <= sim::kOutputAreaLast);
    }

    const size_t count = script.records.size();
    sim::MonitorEngine engine(sim::MonitorOptions{10, 50, 1}, std::move(script));
    engine.restart(0);
    int64_t now = 0;
    for (size_t i = 0; i < 2 * count && i < 64; ++i) {
        now = engine.nextDueMs();
        const auto bytes = engine.due(now);
        check(!bytes.empty() && bytes.size() <= monitor::kMaxRecordBytes);
        const auto decoded = monitor::decodeRecord(bytes);
        check(decoded && decoded->data.size() == decoded->dataCount);
        // The input doubles as the program's answers.
        engine.receive(std::span(data, size), now + 1);
    }
    return 0;
}
