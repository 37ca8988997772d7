#include "core/model/project.h"

namespace brenmoor {

Project makeNewProject() {
    Project project;
    applySelectDeviceOk(project.device);
    applyNewDocument(project.device);
    ResetToDefaults(project.store, project.device);
    project.store.fieldbus.fieldbusType = "DeviceNet";
    return project;
}

} // namespace brenmoor
