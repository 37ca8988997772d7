// Monitor I/O Data.
#include "gui/app/main_frame.h"

#include "core/serial/clock.h"
#include "gui/monitor/cstakeout.h"
#include "gui/serial/serial_link.h"

namespace brenmoor::gui {

void CMainFrame::onMonitorIoData() {
    SerialLink& link = serialLink();
    if (!link.askSettingsIfUnconfirmed(this))
        return;
    // Send waits on the real clock: the gateway answers in real time.
    SteadyClock clock;
    CStakeout monitor(link.opener(), chosenPortName(link.portNames(), link.settings()), clock,
                      *dialogs_, this);
    monitor.exec();
    // Once the monitor has run, the choice counts as made for this run.
    link.settings().confirmed = true;
}

} // namespace brenmoor::gui
