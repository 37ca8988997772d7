// Monitor I/O Data.
#include "gui/app/main_frame.h"

namespace brenmoor::gui {

void CMainFrame::onMonitorIoData() {}

} // namespace brenmoor::gui
