#pragma once

#include "core/model/parameter_store.h"
#include "core/resources/message_id.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace brenmoor {

// The function code of a command, read once for everything that acts on it:
// the tree and the pages, Auto Mapping, the conflict maps and the range
// check, the byte counts, the export and the gateway image. It is the usual
// decimal reading of the text (leading blanks and a sign allowed, no digits
// gives 0), which is what the gateway receives; a stored " 3" is therefore a
// register read everywhere, and the maps paint what the gateway will do.
int functionCodeOf(std::string_view text);

inline int functionCodeOf(const INSTRUCTION& command) {
    return functionCodeOf(command.functionCode);
}

// A PLC-style address that Starting Address offers to convert: a typed v
// with above < v < below becomes v - offset.
struct PlcAddressRange {
    int above;
    int below;
    int offset;
};

// Everything the program knows of one Modbus command: what it moves, in
// which direction, and what follows from that for the pages, the mapping
// tools and the download. Every rule that depends on the function code asks
// its record; no code is spelled out anywhere else.
struct FunctionCodeRecord {
    int code;
    MessageId name; // tree label, check-list row, "Select Command" entry
    bool read;      // read into the input area; else written from the output area
    bool bits;      // coils or discrete inputs; else registers
    bool single;    // one coil or register: the number of data is fixed at 1
    std::optional<PlcAddressRange> plc;

    bool write() const { return !read; }
    // The command page's Number of Data and Bit Offset rows.
    bool dataCountEditable() const { return !single; }
    bool bitOffsetEditable() const { return bits; }
    // Coils have no byte order; a filtered write register always sends the
    // whole word.
    bool swapFixed(bool dataFilter) const { return bits || (dataFilter && write()); }
    // How many items the number of data may ask for (a single command's
    // count is not edited).
    int dataCountLimit(bool doubleFault) const { return bits ? 400 : (doubleFault ? 84 : 36); }
    // The bytes of gateway memory the download counts for n items.
    int64_t downloadByteCount(int64_t n) const;
    // The bytes Auto Mapping lays out for n items from bit offset b.
    int64_t layoutSize(int64_t n, int64_t b) const;
};

// The eight commands in "Select Command" order: 1, 2, 3, 4, 5, 6, 15, 16.
std::span<const FunctionCodeRecord> functionCodeRecords();

// The record of a code, or nothing for a code that is none of the eight.
const FunctionCodeRecord* functionCodeRecord(int code);
inline const FunctionCodeRecord* functionCodeRecord(const INSTRUCTION& command) {
    return functionCodeRecord(functionCodeOf(command));
}

} // namespace brenmoor
