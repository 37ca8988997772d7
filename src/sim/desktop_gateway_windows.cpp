#include "sim/desktop_gateway.h"

#include "core/serial/clock.h"
#include "sim/in_process_gateway.h"

namespace brenmoor::sim {

namespace {

// Windows has no pseudo-terminals: the gateway answers inside the program,
// under a name no COM port has.
class InProcessDesktopGateway : public DesktopGateway {
  public:
    InProcessDesktopGateway(GatewayEngine engine, MonitorEngine monitor)
        : gateway_("SIMULATED", std::move(engine), clock_, std::move(monitor)) {}

    const std::string& devicePath() const override { return gateway_.devicePath(); }
    std::unique_ptr<PortOpener> opener(std::unique_ptr<PortOpener> system) override {
        return gateway_.opener(std::move(system));
    }

  private:
    SteadyClock clock_;
    InProcessGateway gateway_;
};

} // namespace

std::unique_ptr<DesktopGateway> startDesktopGateway(GatewayEngine engine, MonitorEngine monitor,
                                                    std::string&) {
    return std::make_unique<InProcessDesktopGateway>(std::move(engine), std::move(monitor));
}

} // namespace brenmoor::sim
