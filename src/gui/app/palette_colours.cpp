#include "gui/app/palette_colours.h"

namespace brenmoor::gui {

QColor textColourOn(const QColor& background) {
    // Relative luminance with the usual weights of the three primaries; the
    // grey of a fixed cell (200) and yellow read best in black, blue and red
    // in white.
    const double luminance =
        0.2126 * background.redF() + 0.7152 * background.greenF() + 0.0722 * background.blueF();
    return luminance > 0.4 ? QColor(Qt::black) : QColor(Qt::white);
}

} // namespace brenmoor::gui
