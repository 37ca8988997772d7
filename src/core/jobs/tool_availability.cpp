#include "core/jobs/tool_availability.h"

namespace brenmoor {

bool toolAvailable(MappingTool tool, const DeviceSettings& device) {
    switch (tool) {
    case MappingTool::AutoMapping:
        return !device.commonMode;
    case MappingTool::ConflictDetection:
        return !device.commonMode && !device.delimiter;
    }
    return false;
}

} // namespace brenmoor
