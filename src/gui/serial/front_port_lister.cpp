#include "gui/serial/front_port_lister.h"

#include <algorithm>

namespace brenmoor::gui {

FrontPortLister::FrontPortLister(std::unique_ptr<PortLister> system) : system_(std::move(system)) {}

ComPortNames FrontPortLister::listPorts() {
    ComPortNames names;
    auto add = [&names](const std::string& path) {
        if (!path.empty() && std::find(names.begin(), names.end(), path) == names.end())
            names.push_back(path);
    };
    for (const std::string& path : front_)
        add(path);
    if (system_)
        for (const std::string& path : system_->listPorts())
            add(path);
    return names;
}

} // namespace brenmoor::gui
