#pragma once

#include "core/mapping/conflict_maps.h"
#include "core/model/project.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brenmoor {

// Where the data of each command of the gateway's subnet lies in the
// DeviceNet master's I/O data: the map a PLC programmer works from.
struct IoMapRow {
    // The area the data lies in, which is the direction the master sees:
    // input data it reads, output data it writes. A write command that takes
    // its data from the input area (a local data exchange) lies in the input.
    MapArea direction = MapArea::Input;
    std::optional<int64_t> offset; // from the area's first byte; nothing when not mapped
    int64_t length = 0;            // bytes
    std::string bitOffset;         // bit commands only
    std::string byteSwap;          // as the command's page shows it
    std::string node;              // the node's name
    std::string command;           // its number and function, "3 Read Holding Registers"
};

// One row per command, and first the command status bytes when the
// command-status flag puts them into the input data; the input rows by
// offset, then the output rows, then the commands without an address.
std::vector<IoMapRow> buildIoMap(const Project& project);

// Where the input data and the output data end, as byte addresses of the
// gateway's buffer (the output from 0x4000), for the total the gateway moves.
struct IoDataEnds {
    int64_t input = 0;
    int64_t output = 0;
};
IoDataEnds ioDataEnds(const std::vector<IoMapRow>& rows);

} // namespace brenmoor
