#include "core/monitor/monitor_port.h"

#include "core/resources/messages_monitor.h"
#include "core/resources/messages_serial.h"
#include "core/resources/string_table.h"

namespace brenmoor::monitor {

OpenedPort openMonitorPort(PortOpener& opener, const std::optional<std::string>& name) {
    auto failed = [](std::string details) {
        return OpenedPort{nullptr,
                          Outcome::failure(msg::OpenSerialPortFailed,
                                           std::string(loadString(msg::OpenSerialPortFailed)),
                                           std::move(details))};
    };
    if (!name)
        return failed({});
    OpenedPort opened = openConfigPort(opener, *name, kMonitorLineSettings);
    if (!opened.port && opened.outcome.id() == msg::PortFailedToOpen)
        return failed(opened.outcome.details());
    return opened;
}

} // namespace brenmoor::monitor
