#pragma once

#include "core/model/project.h"

#include <string>
#include <string_view>
#include <vector>

namespace brenmoor {

// One field that differs between two configurations, named as the property
// grid shows it.
struct ConfigDifference {
    // Where the field is: "Device" (its flags), "Fieldbus", "Subnet 1",
    // "Subnet 1, node 5" (nodes by address), "Subnet 1, node 5, command 2"
    // (commands by node and their position under it), "Subnet 1, command 4"
    // (a command that belongs to no node, by its place in the list).
    std::string place;
    std::string label; // the grid's label of the row
    // The values as the cells show them ("-1" blank), or the stored texts
    // when the cells would look alike; "(none)" for a node or command that
    // one side does not have.
    std::string left;
    std::string right;
    // False for fields that do not survive a download and an upload (names,
    // the other subnets, the groups of protocol modes not in use, ...): a
    // gateway cannot hold them, so against one they say nothing.
    bool travels = true;
    // A field that travels, but whose two texts a download turns into the
    // same bytes (an empty field and "0", "00A0" and "a0"): a gateway that
    // holds one holds the other, so against a gateway it is listed only with
    // every field.
    bool sameBytes = false;

    // Whether the field tells a gateway's configuration apart from this one.
    bool differsInGateway() const { return travels && !sameBytes; }
};

// Every field that differs, in the order the tree and the pages show them.
std::vector<ConfigDifference> compareConfigurations(const Project& left, const Project& right);

// One line for a difference, the right side's value first, e.g. "Subnet 1,
// node 5, command 2: Mapping Address (HEX) is 4010 in B.chg, 4000 in A.chg"
// for compareConfigurations(A, B); fields that do not travel, and those sent
// as the same bytes, are marked.
std::string describeDifference(const ConfigDifference& difference, std::string_view leftName,
                               std::string_view rightName);

} // namespace brenmoor
