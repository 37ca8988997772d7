#include "core/compare/config_diff.h"

namespace brenmoor {

std::vector<ConfigDifference> compareConfigurations(const Project&, const Project&) {
    return {};
}

std::string describeDifference(const ConfigDifference& difference, std::string_view,
                               std::string_view) {
    return difference.place + ": " + difference.label;
}

} // namespace brenmoor
