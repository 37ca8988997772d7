#pragma once

namespace brenmoor::gui {

// Milliseconds since the operating system started this process (from the
// process's own start time, so loading the libraries counts too).
double millisecondsSinceProcessStart();

} // namespace brenmoor::gui
