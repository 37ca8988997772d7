#pragma once

#include "core/serial/port_settings.h"

#include <memory>

namespace brenmoor::port {

// This computer's serial ports and the way to open them: on Windows the
// registry's list and the Windows communications functions, elsewhere Qt's
// port list and termios. The build picks the one for its platform.
std::unique_ptr<PortLister> makeSystemPortLister();
std::unique_ptr<PortOpener> makeSystemPortOpener();

} // namespace brenmoor::port
