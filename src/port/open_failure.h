#pragma once

#include "core/serial/port_settings.h"

#include <string>

namespace brenmoor::port {

// A step of opening `device` that failed with the system's error `err`, with
// what the user can be told about it: the cause the error stands for, the
// program holding a busy device, the system's own words for anything else.
PortOpenResult openFailure(PortOpenError step, int err, const std::string& device);

// The cause a system error stands for when a terminal device is opened.
PortOpenCause causeOfError(int err);

} // namespace brenmoor::port
