#pragma once

#include "core/serial/port_settings.h"
#include "sim/gateway_engine.h"
#include "sim/monitor_engine.h"

#include <memory>
#include <string>

namespace brenmoor::sim {

// The simulated gateway the desktop starts for one run (--simulate). It runs
// beside the window until it is destroyed.
class DesktopGateway {
  public:
    virtual ~DesktopGateway() = default;

    // The device the port list offers for it.
    virtual const std::string& devicePath() const = 0;
    // The opener the window uses: `system`, with the gateway's device
    // reachable through it.
    virtual std::unique_ptr<PortOpener> opener(std::unique_ptr<PortOpener> system) = 0;
};

// Starts the gateway: on a pseudo-terminal where the system has them, inside
// the program elsewhere. Null, with `error` set, when it cannot start.
std::unique_ptr<DesktopGateway> startDesktopGateway(GatewayEngine engine, MonitorEngine monitor,
                                                    std::string& error);

} // namespace brenmoor::sim
