#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace brenmoor::monitor {

// The records in one read, each as long as its data count says. A gateway
// waits for each answer, so a read normally holds one record; when it holds
// more (a record sent again before the first was read) the monitor answers
// and lists the first alone, but the log must still see the others. The
// last piece may be cut short, as the first one the monitor decodes may be.
std::vector<std::span<const uint8_t>> splitRecords(std::span<const uint8_t> read);

} // namespace brenmoor::monitor
