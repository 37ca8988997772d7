#pragma once

#include "core/serial/port_settings.h"

#include <optional>
#include <string>

namespace brenmoor::monitor {

// Opens the monitor's port at its fixed 115200 8N1. No port to open, or a
// device that does not open, gets the monitor's own text ("Open the serial
// port failed!"); the settings failures keep the serial link's texts.
OpenedPort openMonitorPort(PortOpener& opener, const std::optional<std::string>& name);

} // namespace brenmoor::monitor
