#pragma once

#include "core/mapping/mapping_numbers.h"
#include "core/mapping/mapping_state.h"
#include "core/model/project.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brenmoor {

// What Conflict Detection shows: the command list with its check marks and
// the use counts of every bit of the input area and of the write addresses,
// from which the colour of each map cell is computed on demand.

inline constexpr int kInputBytes = 0x4000;  // input area 0000..3FFF
inline constexpr int kWriteBytes = 0x8000;  // write addresses 0000..7FFF
inline constexpr int kStatusEntryCode = 20; // the command status bytes
inline constexpr int kMapColumns = 16;      // bytes per map row

enum class MapArea { Input, Output };

enum class MapColour : uint8_t { Free, Green, Blue, Red, Yellow };

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Nothing for Free: the grid keeps its own background.
std::optional<Rgb> mapColourRgb(MapColour colour);
// "green", "blue", "red", "yellow" or "free".
std::string_view mapColourName(MapColour colour);

// The first address of a map row as the address column shows it ("0010", "4010").
std::string mapRowLabel(MapArea area, int row);
// The address of a byte of a map (0 .. 16383 within the area), written as
// the address column writes its rows' ("0012", "4012").
std::string mapByteLabel(MapArea area, int byte);
// What a colour stands for, as the legend names it; empty for a free cell.
// A screen reader announces a map cell by it.
std::string mapColourLegend(MapColour colour);

// Bits an entry occupies: a run of consecutive bits counted from bit 0 of
// byte 0 (bit = position % 8, byte = position / 8) in one of the two maps.
struct Footprint {
    enum class Map { None, Input, Write } map = Map::None;
    int64_t firstBit = 0;
    int64_t bitCount = 0;
};

// One row of the command list. A positive code means checked.
struct ConflictEntry {
    int code = 0;
    int subnet = -1;  // -1 for the status entry
    int command = -1; // index in the subnet, -1 for the status entry
    Footprint footprint;
    // The bytes a toggle repaints: input addresses for read entries, write
    // addresses (below 0x4000 in the input grid) for write entries.
    int64_t repaintFirst = 0;
    int64_t repaintCount = 0;

    bool checked() const { return code > 0; }
    bool writes() const { return footprint.map == Footprint::Map::Write; }
};

// Row text of an entry: the function name of its code, or "Modbus命令状态".
std::string conflictEntryText(const ConflictEntry& entry);

// Cells of one grid to repaint: bytes first .. first + count - 1 of the area
// (0 .. 16383, cell row = byte / 16, column = byte % 16 + 1).
struct CellSpan {
    MapArea area = MapArea::Input;
    int first = 0;
    int count = 0;
    friend bool operator==(const CellSpan&, const CellSpan&) = default;
};

class ConflictMaps {
  public:
    // Opening the dialog: clears mappingConflict, builds the list (every
    // entry checked) and the maps, and sets mappingConflict when any cell
    // is red, as painting the whole map would.
    static ConflictMaps open(const Project& project, MappingState& state);

    const std::vector<ConflictEntry>& entries() const { return entries_; }

    // How many checked entries occupy a bit (0..7) of a byte; 0 outside the maps.
    int inputUse(int bit, int64_t address) const;
    int writeUse(int bit, int64_t address) const;

    // Cell colours; byte is 0 .. 16383 within the area.
    MapColour cellColour(MapArea area, int byte) const;
    // Bit popup colours of one bit of a byte.
    MapColour bitColour(MapArea area, int byte, int bit) const;

    // The check box of an entry changed: flips the entry, updates the counts
    // and returns the cells to repaint. Sets mappingConflict when one of them
    // is red; never clears it.
    std::vector<CellSpan> toggle(std::size_t entry, MappingState& state);

    bool anyConflict() const;

  private:
    void apply(const Footprint& footprint, int delta);

    std::vector<ConflictEntry> entries_;
    // Counts indexed by address * 8 + bit, so every footprint is one run.
    std::vector<int16_t> inputUse_;
    std::vector<int16_t> writeUse_;
};

// The entries of the command list and their footprints, in list order.
std::vector<ConflictEntry> buildConflictEntries(const Project& project);

} // namespace brenmoor
