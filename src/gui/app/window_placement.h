#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace brenmoor::gui {

// Where the main window goes and how small it may get, worked out from the
// screen's available area alone.
struct WindowPlacement {
    QRect geometry; // the window without its frame, as setGeometry takes it
    QSize minimum;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// The window keeps its `preferred` size, centred, where the available area
// has room for it with its `frame`; in a smaller area it takes the area in
// each direction it does not fit. The frame's top left corner is always on
// the screen, and `minimum` holds as far as the area allows.
WindowPlacement placeWindow(const QRect& available, const QMargins& frame, QSize preferred,
                            QSize minimum);

// The width of each of `buttons` toolbar buttons in `available` pixels:
// `preferred` where they all fit, narrower down to `least` (the widest
// caption) where they do not. Below that the toolbar's overflow arrow takes
// the last ones.
int toolButtonWidth(int available, int buttons, int preferred, int least);

// A message box or dialog is centred over the window it belongs to: the
// window of `widget`, or of its nearest ancestor that is on the screen (a
// dialog whose checks speak before it is shown). Null stays null.
QWidget* visibleAnchor(QWidget* widget);

// Moves the top-level `window` so that it is centred over `anchor`'s window
// and stays on that window's screen.
void centreOver(QWidget* window, const QWidget* anchor);

// Places `window` on its screen by placeWindow() now, with the frame it is
// expected to get. A desktop that tells the real frame only once the window
// is up gets one more look then: a window that does not fit after all is
// placed again with that frame.
void fitToScreen(QWidget* window, QSize preferred, QSize minimum);

} // namespace brenmoor::gui
