#include "port/system_ports.h"

#include "port/windows_port_lister.h"
#include "port/windows_serial_port.h"

namespace brenmoor::port {

std::unique_ptr<PortLister> makeSystemPortLister() {
    return std::make_unique<WindowsPortLister>();
}

std::unique_ptr<PortOpener> makeSystemPortOpener() {
    return std::make_unique<WindowsPortOpener>();
}

} // namespace brenmoor::port
