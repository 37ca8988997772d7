#pragma once

#include <QIcon>

namespace brenmoor::gui {

// The toolbar's 32 x 32 images, drawn by the program itself, one per
// toolbar button in button order (0 New ... 12 Debug).
QIcon toolbarIcon(int button);

// The program icon.
QIcon programIcon();

} // namespace brenmoor::gui
