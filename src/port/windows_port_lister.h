#pragma once

#include "core/serial/port_settings.h"

namespace brenmoor::port {

// The COM ports Windows lists in the registry's serial device map, in the
// registry's order (never sorted): the data of each value, such as COM3.
class WindowsPortLister : public PortLister {
  public:
    ComPortNames listPorts() override;
};

} // namespace brenmoor::port
