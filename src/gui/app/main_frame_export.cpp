// Export Excel.
#include "gui/app/main_frame.h"

namespace brenmoor::gui {

void CMainFrame::onExportExcel() {}

} // namespace brenmoor::gui
