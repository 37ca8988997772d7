#pragma once

#include <array>
#include <cstdint>

namespace brenmoor {

// The ranges the edit rules of their own check a typed value against (the
// rows with plain limits carry them in the page catalogue). The command
// list import names them when it refuses a value.
inline constexpr int kMaxSlaveAddress = 247;
inline constexpr int kMaxStartAddress = 65535;

struct MapAddressRange {
    int32_t first;
    int32_t last;

    bool holds(int32_t address) const { return address >= first && address <= last; }
};

// Read commands fill the input area after the two status bytes; write
// commands take their data from the output area, or from the input area as
// a local data exchange.
inline constexpr MapAddressRange kReadMapAddresses{0x0002, 0x009F};
inline constexpr std::array<MapAddressRange, 2> kWriteMapAddresses{
    {{0x0000, 0x009F}, {0x4000, 0x406F}}};

} // namespace brenmoor
