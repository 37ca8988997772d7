#pragma once

#include "core/serial/port_settings.h"

#include <string>

namespace brenmoor::port {

// Where the system shows its devices; a test points these at folders of
// its own.
struct DeviceFolders {
    std::string devices = "/dev";
    // An adapter's names built from its maker, model and serial number.
    std::string stableNames = "/dev/serial/by-id";
    // The kernel's view of each terminal device, with its UART type.
    std::string ttyClass = "/sys/class/tty";
};

// The serial devices of this computer: what Qt finds, then the usual device
// nodes that exist, then the paths a caller added (a simulator's
// pseudo-terminal, which no system list shows). A device with a stable name
// is listed under that name, which survives re-plugging and a changed order
// of plugging in.
class SystemPortLister : public PortLister {
  public:
    explicit SystemPortLister(DeviceFolders folders = {}) : folders_(std::move(folders)) {}

    void addDevice(std::string path) { extra_.push_back(std::move(path)); }
    ComPortNames listPorts() override;
    PortDescriptions describePorts() override;

  private:
    DeviceFolders folders_;
    ComPortNames extra_;
};

} // namespace brenmoor::port
