#include "gui/serial/front_port_lister.h"

#include <algorithm>

namespace brenmoor::gui {

FrontPortLister::FrontPortLister(std::unique_ptr<PortLister> system) : system_(std::move(system)) {}

void FrontPortLister::addFront(std::string path, std::string description) {
    PortDescription port{std::move(path)};
    port.description = std::move(description);
    front_.push_back(std::move(port));
}

ComPortNames FrontPortLister::listPorts() {
    return portNames(describePorts());
}

PortDescriptions FrontPortLister::describePorts() {
    PortDescriptions ports;
    auto listed = [&ports](const std::string& path) {
        return std::find_if(ports.begin(), ports.end(), [&path](const PortDescription& port) {
            return port.name == path || port.device == path;
        });
    };
    for (const PortDescription& port : front_)
        if (!port.name.empty() && listed(port.name) == ports.end())
            ports.push_back(port);
    if (!system_)
        return ports;
    for (PortDescription& port : system_->describePorts()) {
        auto same = listed(port.name);
        if (same == ports.end() && !port.device.empty())
            same = listed(port.device);
        if (same == ports.end()) {
            if (!port.name.empty())
                ports.push_back(std::move(port));
            continue;
        }
        // Named in front: that name stays, the system's knowledge joins it.
        same->device = port.device;
        if (same->description.empty())
            same->description = port.description;
        same->manufacturer = port.manufacturer;
        same->serialNumber = port.serialNumber;
    }
    return ports;
}

} // namespace brenmoor::gui
