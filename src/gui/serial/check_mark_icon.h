#pragma once

#include <QPixmap>

namespace brenmoor::gui {

// The black check mark of the transfer dialogs' step lines, 32 x 32.
QPixmap checkMarkPixmap();

} // namespace brenmoor::gui
