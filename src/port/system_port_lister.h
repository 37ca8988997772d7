#pragma once

#include "core/serial/port_settings.h"

#include <string>

namespace brenmoor::port {

// The serial devices of this computer: what Qt finds, then the usual device
// nodes that exist, then the paths a caller added (a simulator's
// pseudo-terminal, which no system list shows).
class SystemPortLister : public PortLister {
  public:
    void addDevice(std::string path) { extra_.push_back(std::move(path)); }
    ComPortNames listPorts() override;

  private:
    ComPortNames extra_;
};

} // namespace brenmoor::port
