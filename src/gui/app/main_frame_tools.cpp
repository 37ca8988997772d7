// The mapping tools of the Tools menu.
#include "gui/app/main_frame.h"

#include "core/jobs/tool_availability.h"
#include "core/mapping/auto_mapping.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/editor/modbus_config_view.h"
#include "gui/mapping/cdtest.h"

namespace brenmoor::gui {

void CMainFrame::onConflictDetection() {
    const Project& project = doc_->project();
    if (!toolAvailable(MappingTool::ConflictDetection, project.device))
        return;
    CDTest dialog(project, mappingState_, this);
    dialog.exec();
}

void CMainFrame::onAutoMapping() {
    Project& project = doc_->project();
    if (!toolAvailable(MappingTool::AutoMapping, project.device))
        return;
    if (runAutoMapping(project, mappingState_, *prompter_) == AutoMappingOutcome::Completed)
        view_->storeReplaced();
    checkpointHistory();
}

} // namespace brenmoor::gui
