#pragma once

#include "core/serial/port_settings.h"

#include <memory>
#include <string>

namespace brenmoor::gui {

// The computer's port list with some devices put in front of it: the
// simulated gateway of --simulate and the devices named with --port, which
// no system list shows. The first of them is what the port index 0 selects.
class FrontPortLister : public PortLister {
  public:
    explicit FrontPortLister(std::unique_ptr<PortLister> system);

    void addFront(std::string path, std::string description = {});
    ComPortNames listPorts() override;
    // A device named in front that the system lists too keeps the name it
    // was given and takes what the system knows of it.
    PortDescriptions describePorts() override;

  private:
    std::unique_ptr<PortLister> system_;
    PortDescriptions front_;
};

} // namespace brenmoor::gui
