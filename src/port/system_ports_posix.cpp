#include "port/system_ports.h"

#include "port/posix_serial_port.h"
#include "port/system_port_lister.h"

#include <QCoreApplication>

namespace brenmoor::port {

namespace {

// Qt's port list wants an application object; a program without one (the
// command line) gets one for the time of the listing.
class ApplicationPortLister : public PortLister {
  public:
    ComPortNames listPorts() override {
        if (QCoreApplication::instance() != nullptr)
            return lister_.listPorts();
        int argc = 1;
        char name[] = "brenmoor-cli";
        char* argv[] = {name, nullptr};
        QCoreApplication application(argc, argv);
        return lister_.listPorts();
    }

  private:
    SystemPortLister lister_;
};

} // namespace

std::unique_ptr<PortLister> makeSystemPortLister() {
    return std::make_unique<ApplicationPortLister>();
}

std::unique_ptr<PortOpener> makeSystemPortOpener() {
    return std::make_unique<PosixPortOpener>();
}

} // namespace brenmoor::port
