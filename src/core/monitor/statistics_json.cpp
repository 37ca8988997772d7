#include "core/monitor/statistics_json.h"

#include "core/monitor/time_text.h"

#include <nlohmann/json.hpp>

namespace brenmoor::monitor {

std::string statisticsJson(const MonitorStatistics& statistics, const ProjectCommands& commands,
                           const std::function<std::string(const CommandStatistics&)>& lastValue) {
    // Keys in the order they are written, as a reader of the file expects.
    using Json = nlohmann::ordered_json;
    Json list = Json::array();
    for (const CommandStatistics& entry : statistics.entries()) {
        Json states = Json::object();
        for (size_t state = 0; state < entry.states.size(); ++state)
            states[std::to_string(state)] = entry.states[state];
        Json exceptions = Json::object();
        for (const auto& [code, count] : entry.exceptions)
            exceptions[std::to_string(code)] = count;
        list.push_back(Json{{"slave", entry.slave},
                            {"start", entry.start},
                            {"command", entry.match.text(commands)},
                            {"states", std::move(states)},
                            {"exceptions", std::move(exceptions)},
                            {"first", wallTimeText(entry.firstWallMs)},
                            {"last", wallTimeText(entry.lastWallMs)},
                            {"lastValue", lastValue(entry)}});
    }
    const Json root{{"records", statistics.records()},
                    {"hidden", statistics.hidden()},
                    {"unknownState", statistics.unknownState()},
                    {"commands", std::move(list)}};
    return root.dump(2) + "\n";
}

} // namespace brenmoor::monitor
