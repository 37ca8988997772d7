#include "gui/serial/serial_link.h"

namespace brenmoor::gui {

SerialLink::SerialLink(std::unique_ptr<PortLister> lister, std::unique_ptr<PortOpener> opener)
    : lister_(std::move(lister)), opener_(std::move(opener)) {}

SerialLink::~SerialLink() = default;

void SerialLink::enumeratePorts() {
    enumerateComPorts(*lister_, names_, settings_);
}

bool SerialLink::askSettingsIfUnconfirmed(QWidget*) {
    // Serial Port Configuration is not there yet: nothing can be confirmed.
    return settings_.confirmed;
}

} // namespace brenmoor::gui
