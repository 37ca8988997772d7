// Feeds arbitrary reads to the monitor's diagnostics, as a garbled line
// would bring them: every read is split into records that never reach past
// it, each record is counted once, and the log's rows and the statistics'
// JSON stay well-formed whatever the bytes (a project with a node name in
// another code page and two commands at one address makes the names and the
// matching meet them too). Reads are cut from the input at its 0xfe bytes.
#include "core/jobs/monitor_diagnostics.h"
#include "core/model/project.h"
#include "core/monitor/record_framing.h"
#include "core/monitor/session_log.h"

#include "fake_clock.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <cstdlib>
#include <span>

using namespace brenmoor;
using namespace brenmoor::monitor;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

ParameterStore project() {
    ParameterStore store = makeNewProject().store;
    CONFIG& subnet = store.subnets[0];
    subnet.nodeCount = 1;
    subnet.nodes[0].address = "5";
    subnet.nodes[0].name = "Pumpe S\xFC"
                           "d, \"A\"";
    subnet.commandCount = 2;
    for (int k = 0; k < 2; ++k) {
        INSTRUCTION& command = subnet.commands[static_cast<size_t>(k)];
        command.nodeNumber = 1;
        command.functionCode = k == 0 ? "3" : "1";
        command.startAddress = "16";
        command.dataCount = "8";
    }
    return store;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const ParameterStore store = project();
    FakeClock clock;
    MonitorDiagnostics diagnostics(clock, ProjectCommands(store));
    const std::span<const uint8_t> input(data, size);
    uint64_t pieces = 0;
    size_t at = 0;
    while (at < input.size()) {
        size_t end = at;
        while (end < input.size() && input[end] != 0xfe)
            ++end;
        const auto read = input.subspan(at, end - at);
        size_t covered = 0;
        for (const auto piece : splitRecords(read)) {
            check(!piece.empty() && piece.data() == read.data() + covered);
            covered += piece.size();
            const auto record = decodeRecord(piece);
            LogEntry entry;
            entry.bytes = piece;
            entry.record = &*record;
            entry.command = "\"quoted\", name";
            const std::string row = csvRow(entry);
            check(row.size() >= 2 && row.substr(row.size() - 2) == "\r\n");
        }
        check(covered == std::min(read.size(), kMaxRecordBytes));
        pieces += splitRecords(read).size();
        clock.advance(200);
        diagnostics.observe(read, MonitorStep{}, clock.now());
        at = end + 1;
    }
    check(diagnostics.statistics().records() == pieces);
    const auto json = nlohmann::json::parse(diagnostics.statisticsJson());
    check(json["records"].get<uint64_t>() == pieces);
    for (const auto& entry : diagnostics.statistics().entries())
        for (const auto& cell : diagnostics.statisticsCells(entry))
            (void)cell;
    return 0;
}
