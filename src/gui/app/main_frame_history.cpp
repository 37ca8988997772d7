// Undo and Redo.
#include "gui/app/main_frame.h"

namespace brenmoor::gui {

void CMainFrame::checkpointHistory() {}

} // namespace brenmoor::gui
