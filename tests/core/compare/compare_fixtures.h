#pragma once

#include "core/compare/config_diff.h"
#include "core/model/project.h"

#include <ostream>
#include <string>
#include <vector>

namespace brenmoor {

inline void PrintTo(const ConfigDifference& d, std::ostream* os) {
    *os << "{" << d.place << " | " << d.label << " | " << d.left << " | " << d.right << " | "
        << (d.travels ? "travels" : "stays") << "}";
}

} // namespace brenmoor

namespace brenmoor::testing {

// A node with its commands, the way the editor builds them.
inline void addNode(Project& p, int address) {
    CONFIG& c = p.store.subnets[0];
    NODE& n = c.nodes[static_cast<size_t>(c.nodeCount++)];
    n.address = std::to_string(address);
    n.name = "Node-" + std::to_string(address);
}

inline INSTRUCTION& addCommand(Project& p, int nodeNumber, const std::string& code,
                               const std::string& mapAddress) {
    CONFIG& c = p.store.subnets[0];
    INSTRUCTION& k = c.commands[static_cast<size_t>(c.commandCount++)];
    k = defaultInstruction(p.device);
    k.nodeNumber = nodeNumber;
    k.slaveAddress = c.nodes[static_cast<size_t>(nodeNumber - 1)].address;
    k.functionCode = code;
    k.startAddress = "0";
    k.dataCount = "2";
    k.mapAddress = mapAddress;
    k.bitOffset = "0";
    k.byteCount = "4";
    k.checkType = "CRC";
    return k;
}

// Two nodes (3 and 7) with two commands and one command, a complete master.
inline Project sampleProject() {
    Project p = makeNewProject();
    p.store.fieldbus.stationAddress = "5";
    CONFIG& c = p.store.subnets[0];
    c.master.responseTimeout = "1000";
    c.master.pollDelay = "20";
    c.master.scanRate = "10";
    addNode(p, 3);
    addNode(p, 7);
    addCommand(p, 1, "3", "2");
    addCommand(p, 2, "16", "4000");
    addCommand(p, 1, "4", "6");
    return p;
}

inline std::vector<std::string> lines(const std::vector<ConfigDifference>& diffs) {
    std::vector<std::string> out;
    for (const auto& d : diffs)
        out.push_back(describeDifference(d, "A.chg", "B.chg"));
    return out;
}

} // namespace brenmoor::testing
