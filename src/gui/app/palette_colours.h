#pragma once

#include <QColor>

namespace brenmoor::gui {

// Text on a background the program fixes (the grid's grey and white cells,
// the maps' colours) is given a colour of its own, black or white, whichever
// reads better on it; everywhere else text follows the palette, so a dark
// desktop theme leaves nothing unreadable.
QColor textColourOn(const QColor& background);

} // namespace brenmoor::gui
