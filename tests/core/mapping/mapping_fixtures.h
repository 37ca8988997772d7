#pragma once

#include "core/model/project.h"

#include <string>

namespace brenmoor::test {

// A new project (defaults: input and output 64 bytes, subnet 0 Modbus Master).
inline Project mappingProject() {
    return makeNewProject();
}

// Appends a filled-in command to subnet 0 and returns it for further tweaks.
inline INSTRUCTION& addCommand(Project& project, int code, int dataCount, int bitOffset = 0,
                               std::string mapAddress = "0", std::string slaveAddress = "1") {
    CONFIG& subnet = project.store.subnets[0];
    INSTRUCTION& command = subnet.commands[subnet.commandCount++];
    command.slaveAddress = std::move(slaveAddress);
    command.functionCode = std::to_string(code);
    command.startAddress = "0";
    command.dataCount = std::to_string(dataCount);
    command.bitOffset = std::to_string(bitOffset);
    command.mapAddress = std::move(mapAddress);
    command.byteCount = "0";
    return command;
}

inline const INSTRUCTION& commandAt(const Project& project, int index) {
    return project.store.subnets[0].commands[index];
}

} // namespace brenmoor::test
