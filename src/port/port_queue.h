#pragma once

#include <cstddef>

namespace brenmoor::port {

// The most a port ever reports waiting: the size of the input and output
// queues the gateway's exchanges were sized for (4069, not 4096).
inline constexpr size_t kPortQueueBytes = 4069;

} // namespace brenmoor::port
