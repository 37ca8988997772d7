// Monitor I/O Data.
#include "gui/app/main_frame.h"

#include "core/monitor/log_folder.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/monitor/cstakeout.h"
#include "gui/monitor/diagnostics_panel.h"
#include "gui/serial/serial_link.h"

namespace brenmoor::gui {

void CMainFrame::onMonitorIoData() {
    SerialLink& link = serialLink();
    if (!link.askSettingsIfUnconfirmed(this))
        return;
    // Send waits on the link's clock and worker, as the transfers do.
    CStakeout monitor(link.opener(), chosenPortName(link.portNames(), link.settings()),
                      link.clock(), *dialogs_, this, &link.worker());
    // The panel reads the project as it is when the monitor opens.
    new DiagnosticsPanel(monitor, document().project().store, link.clock(), *dialogs_,
                         monitor::monitorLogFolder());
    monitor.exec();
    // Once the monitor has run, the choice counts as made for this run.
    link.settings().confirmed = true;
}

} // namespace brenmoor::gui
