#include "sim/desktop_gateway.h"

#include "sim/pty_gateway.h"

namespace brenmoor::sim {

namespace {

// On its own thread, behind a pseudo-terminal that the computer's own
// opener opens like any serial device.
class PtyDesktopGateway : public DesktopGateway {
  public:
    PtyDesktopGateway(GatewayEngine engine, MonitorEngine monitor)
        : gateway_(std::move(engine), std::move(monitor)) {}

    bool start(std::string& error) {
        if (!gateway_.open()) {
            error = gateway_.errorText();
            return false;
        }
        gateway_.start();
        return true;
    }

    const std::string& devicePath() const override { return gateway_.devicePath(); }
    std::unique_ptr<PortOpener> opener(std::unique_ptr<PortOpener> system) override {
        return system;
    }

  private:
    PtyGateway gateway_;
};

} // namespace

std::unique_ptr<DesktopGateway> startDesktopGateway(GatewayEngine engine, MonitorEngine monitor,
                                                    std::string& error) {
    auto gateway = std::make_unique<PtyDesktopGateway>(std::move(engine), std::move(monitor));
    if (!gateway->start(error))
        return nullptr;
    return gateway;
}

} // namespace brenmoor::sim
