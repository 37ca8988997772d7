#pragma once

#include "core/model/project.h"

#include <string>
#include <string_view>
#include <vector>

namespace brenmoor {

// One field that differs between two configurations, named as the property
// grid shows it.
struct ConfigDifference {
    // Where the field is: "Fieldbus", "Subnet 1", "Subnet 1, node 5" (nodes
    // by address), "Subnet 1, node 5, command 2" (commands by node and their
    // position under it), or a flag of the device.
    std::string place;
    std::string label; // the grid's label of the row
    std::string left;  // the value in the first configuration ("" when absent)
    std::string right; // the value in the second configuration
    // False for fields a download never sends to the gateway (names, the
    // other subnets, ...): they cannot differ from what a gateway holds.
    bool travels = true;
};

// Every field that differs, in the order the tree and the pages show them.
std::vector<ConfigDifference> compareConfigurations(const Project& left, const Project& right);

// One line for a difference, e.g. "Subnet 1, node 5, command 2: Mapping
// Address (HEX) is 4010 in B.chg, 4000 in A.chg".
std::string describeDifference(const ConfigDifference& difference, std::string_view leftName,
                               std::string_view rightName);

} // namespace brenmoor
