#pragma once

#include "core/model/device_settings.h"

namespace brenmoor {

// The mapping tools that the device flags can take away.
enum class MappingTool { AutoMapping, ConflictDetection };

// Whether the flags leave the tool to the user: Auto Mapping is not there
// under the common-mode flag, Conflict Detection neither under the
// common-mode nor under the delimiter flag. The window greys the command
// out; the command line refuses it.
bool toolAvailable(MappingTool tool, const DeviceSettings& device);

} // namespace brenmoor
