#pragma once

#include "core/model/project.h"
#include "core/model/store_texts.h"

#include <string>

namespace brenmoor::test {

// A project as full as the store allows: 48 nodes and 48 commands in every
// subnet, with texts of realistic length.
inline Project makeFullProject() {
    Project project = makeNewProject();
    for (int s = 0; s < kSubnetCount; ++s) {
        CONFIG& subnet = project.store.subnets[s];
        subnet.nodeCount = kMaxNodes;
        subnet.commandCount = kMaxCommands;
        for (int n = 0; n < kMaxNodes; ++n) {
            subnet.nodes[n].address = std::to_string(n + 1);
            subnet.nodes[n].name = "Node-" + std::to_string(n + 1);
        }
        static const char* codes[] = {"1", "2", "3", "4", "5", "6", "15", "16"};
        for (int c = 0; c < kMaxCommands; ++c) {
            INSTRUCTION& command = subnet.commands[c];
            command.slaveAddress = std::to_string(c + 1);
            command.functionCode = codes[c % 8];
            command.startAddress = std::to_string(1000 + c);
            command.dataCount = std::to_string(c % 36 + 1);
            command.mapAddress = c % 8 < 4 ? "2" : "4000";
            command.bitOffset = "0";
            command.byteCount = std::to_string(2 * (c % 36 + 1));
            command.swapMode = std::string(text::TwoBytesSwap);
            command.checkType = std::string(text::Crc);
            command.scanType = std::string(c % 2 ? text::SlowScan : text::FastScan);
            command.nodeNumber = c + 1;
        }
    }
    return project;
}

} // namespace brenmoor::test
