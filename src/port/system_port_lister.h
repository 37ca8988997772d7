#pragma once

#include "core/serial/port_settings.h"

#include <string>

namespace brenmoor::port {

// The serial devices of this computer: what Qt finds, then the usual device
// nodes that exist, then the paths a caller added (a simulator's
// pseudo-terminal, which no system list shows). A device with a stable name
// in `stableNamesDir` (an adapter's name built from its maker, model and
// serial number) is listed under that name, which survives re-plugging and
// a changed order of plugging in.
class SystemPortLister : public PortLister {
  public:
    explicit SystemPortLister(std::string stableNamesDir = "/dev/serial/by-id")
        : stableNamesDir_(std::move(stableNamesDir)) {}

    void addDevice(std::string path) { extra_.push_back(std::move(path)); }
    ComPortNames listPorts() override;
    PortDescriptions describePorts() override;

  private:
    std::string stableNamesDir_;
    ComPortNames extra_;
};

} // namespace brenmoor::port
