#pragma once

#include <optional>

namespace brenmoor::gui {

// The keyboard's lock states as the desktop knows them; nothing where the
// platform does not tell (an offscreen or Wayland session).
struct LockKeys {
    std::optional<bool> caps;
    std::optional<bool> num;
    std::optional<bool> scroll;
};

// Asks the windowing system now. The only platform code of the status bar.
LockKeys readLockKeys();

} // namespace brenmoor::gui
