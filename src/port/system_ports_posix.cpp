#include "port/system_ports.h"

#include "port/posix_serial_port.h"
#include "port/system_port_lister.h"

#include <QCoreApplication>

#include <type_traits>

namespace brenmoor::port {

namespace {

// Qt's port list wants an application object; a program without one (the
// command line) gets one for the time of the listing.
class ApplicationPortLister : public PortLister {
  public:
    ComPortNames listPorts() override {
        return withApplication([this] { return lister_.listPorts(); });
    }
    PortDescriptions describePorts() override {
        return withApplication([this] { return lister_.describePorts(); });
    }

  private:
    template <typename List> static std::invoke_result_t<List> withApplication(List list) {
        if (QCoreApplication::instance() != nullptr)
            return list();
        int argc = 1;
        char name[] = "brenmoor-cli";
        char* argv[] = {name, nullptr};
        QCoreApplication application(argc, argv);
        return list();
    }

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
