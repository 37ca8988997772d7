// Serial Connection, Upload and Download.
#include "gui/app/main_frame.h"

#include "gui/serial/serial_link.h"

namespace brenmoor::gui {

void CMainFrame::replaceSerialLink(std::unique_ptr<SerialLink> link) {
    serial_ = std::move(link);
}

void CMainFrame::onSerialConnection() {}
void CMainFrame::onUpload() {}
void CMainFrame::onDownload() {}

} // namespace brenmoor::gui
