#include "gui/serial/serial_link.h"

#include "gui/serial/cdconfig.h"

namespace brenmoor::gui {

SerialLink::SerialLink(std::unique_ptr<PortLister> lister, std::unique_ptr<PortOpener> opener)
    : lister_(std::move(lister)), opener_(std::move(opener)),
      ownClock_(std::make_unique<SteadyClock>()), clock_(ownClock_.get()),
      worker_(std::make_unique<SerialWorker>()) {}

SerialLink::SerialLink(std::unique_ptr<PortLister> lister, std::unique_ptr<PortOpener> opener,
                       Clock& clock)
    : lister_(std::move(lister)), opener_(std::move(opener)), clock_(&clock),
      worker_(std::make_unique<SerialWorker>()) {}

SerialLink::~SerialLink() = default;

void SerialLink::enumeratePorts() {
    enumerateComPorts(*lister_, names_, ports_, settings_);
}

bool SerialLink::runSettingsDialog(QWidget* parent) {
    CDConfig dialog(settings_, ports_, lister_.get(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ports_ = dialog.ports();
    names_ = brenmoor::portNames(ports_);
    return true;
}

bool SerialLink::askSettingsIfUnconfirmed(QWidget* parent) {
    if (settings_.confirmed)
        return true;
    if (runSettingsDialog(parent))
        return true;
    settings_.confirmed = false;
    return false;
}

bool SerialLink::showSettings(QWidget* parent) {
    return runSettingsDialog(parent);
}

} // namespace brenmoor::gui
