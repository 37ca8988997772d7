// Monitor I/O Data.
#include "gui/app/main_frame.h"

#include "core/serial/clock.h"
#include "gui/monitor/cstakeout.h"
#include "gui/serial/serial_link.h"

#include <algorithm>

namespace brenmoor::gui {

void CMainFrame::onMonitorIoData() {
    SerialLink& link = serialLink();
    if (!link.askSettingsIfUnconfirmed(this))
        return;
    const ComPortNames& names = link.portNames();
    const auto index = static_cast<size_t>(std::max(0, link.settings().portIndex));
    std::optional<std::string> portName;
    if (index < names.size())
        portName = names[index];

    // Send waits on the real clock: the gateway answers in real time.
    SteadyClock clock;
    CStakeout monitor(link.opener(), std::move(portName), clock, *dialogs_, this);
    monitor.exec();
    // Once the monitor has run, the choice counts as made for this run.
    link.settings().confirmed = true;
}

} // namespace brenmoor::gui
