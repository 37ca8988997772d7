// The Tools commands. Their menus and buttons exist from the start; each
// handler here is where its tool gets wired in.
#include "gui/app/main_frame.h"

namespace brenmoor::gui {

void CMainFrame::onSerialConnection() {}
void CMainFrame::onUpload() {}
void CMainFrame::onDownload() {}
void CMainFrame::onConflictDetection() {}
void CMainFrame::onAutoMapping() {}
void CMainFrame::onExportExcel() {}
void CMainFrame::onMonitorIoData() {}

} // namespace brenmoor::gui
