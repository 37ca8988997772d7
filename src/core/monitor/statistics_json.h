#pragma once

#include "core/monitor/monitor_statistics.h"

#include <functional>
#include <string>

namespace brenmoor::monitor {

// The statistics as the command line's --stats writes them:
// {"records": N, "hidden": N, "unknownState": N, "commands": [{"slave": 5,
// "start": 16, "command": "Node-5 / Read Holding Registers (3)", "states":
// {"0": n, "1": n, "2": n, "3": n}, "exceptions": {"2": n}, "first": "...",
// "last": "...", "lastValue": "..."}]}, the commands in order of their first
// record. `lastValue` gives an entry's last value as text.
std::string statisticsJson(const MonitorStatistics& statistics, const ProjectCommands& commands,
                           const std::function<std::string(const CommandStatistics&)>& lastValue);

} // namespace brenmoor::monitor
