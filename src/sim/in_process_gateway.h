#pragma once

#include "core/serial/clock.h"
#include "core/serial/port_settings.h"
#include "core/serial/serial_port.h"
#include "sim/gateway_engine.h"
#include "sim/monitor_engine.h"

#include <memory>
#include <string>

namespace brenmoor::sim {

// The simulated gateway inside the program, for systems without
// pseudo-terminals: a port opened on its device name talks to the engines
// directly. Replies arrive on `clock` as late as they would on a line. In
// auto mode the port's speed decides what the gateway plays, as on a
// pseudo-terminal: the monitor at 115200 baud, the configuration protocol
// otherwise. Like a real device it is open to one port at a time.
class InProcessGateway {
  public:
    InProcessGateway(std::string deviceName, GatewayEngine engine, Clock& clock,
                     MonitorEngine monitor = MonitorEngine{});
    ~InProcessGateway();
    InProcessGateway(const InProcessGateway&) = delete;
    InProcessGateway& operator=(const InProcessGateway&) = delete;

    const std::string& devicePath() const { return name_; }

    // A port on the gateway, or null while another one is open.
    std::unique_ptr<SerialPort> open(const LineSettings& line);

    // Opens the gateway's device onto the gateway and every other name
    // through `system`. The opener must not outlive the gateway.
    std::unique_ptr<PortOpener> opener(std::unique_ptr<PortOpener> system);

    struct State;

  private:
    std::string name_;
    std::shared_ptr<State> state_;
};

} // namespace brenmoor::sim
