#include "gui/app/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace brenmoor::gui {

namespace {

// Moves `frame` into `area` as far as it goes, its top left corner last so
// that it wins when the frame is larger than the area.
QRect keptInside(QRect frame, const QRect& area) {
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    return frame;
}

QScreen* screenOf(const QWidget* window) {
    return window->screen() ? window->screen() : QGuiApplication::primaryScreen();
}

// The frame the desktop puts around `window`, as far as it has told yet.
QMargins expectedFrame(QWidget* window) {
    // Until the desktop has framed the window its frame is unknown; a guess
    // would push a window without any frame (a bare X server) off its
    // place. The frame watch below corrects the placement once it is known.
    const QWindow* handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

} // namespace

WindowPlacement placeWindow(const QRect& available, const QMargins& frame, QSize preferred,
                            QSize minimum) {
    const QSize room = available.marginsRemoved(frame).size().expandedTo(QSize(1, 1));
    const QSize least = minimum.boundedTo(room);
    const QSize size = preferred.boundedTo(room).expandedTo(least);
    QRect outer(QPoint(), size.grownBy(frame));
    outer.moveCenter(available.center());
    outer = keptInside(outer, available);
    return {outer.marginsRemoved(frame), least};
}

int toolButtonWidth(int available, int buttons, int preferred, int least) {
    if (buttons <= 0)
        return preferred;
    return std::clamp(available / buttons, std::min(least, preferred), preferred);
}

QWidget* visibleAnchor(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        QWidget* window = w->window();
        if (window->isVisible())
            return window;
        w = window;
    }
    return widget;
}

void centreOver(QWidget* window, const QWidget* anchor) {
    if (!window || !anchor)
        return;
    const QWidget* over = anchor->window();
    const QScreen* screen = screenOf(over);
    QRect frame(QPoint(), window->frameGeometry().size().expandedTo(window->size()));
    frame.moveCenter(over->frameGeometry().center());
    if (screen)
        frame = keptInside(frame, screen->availableGeometry());
    window->move(frame.topLeft());
}

namespace {

void place(QWidget* window, const QMargins& frame, QSize preferred, QSize minimum) {
    const QScreen* screen = screenOf(window);
    if (!screen) {
        window->resize(preferred);
        window->setMinimumSize(minimum);
        return;
    }
    const WindowPlacement placement =
        placeWindow(screen->availableGeometry(), frame, preferred, minimum);
    window->setMinimumSize(placement.minimum);
    window->setGeometry(placement.geometry);
}

// Watches the window until its frame is known, then lets go of it.
class FrameWatch : public QObject {
  public:
    FrameWatch(QWidget* window, QSize preferred, QSize minimum)
        : QObject(window), window_(window), preferred_(preferred), minimum_(minimum) {
        window->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || (event->type() != QEvent::Move && event->type() != QEvent::Show))
            return false;
        const QRect outer = window_->frameGeometry();
        const QRect inner = window_->geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        if (frame.isNull())
            return false;
        window_->removeEventFilter(this);
        deleteLater();
        const QScreen* screen = screenOf(window_);
        if (screen && !screen->availableGeometry().contains(outer))
            place(window_, frame, preferred_, minimum_);
        return false;
    }

  private:
    QPointer<QWidget> window_;
    QSize preferred_;
    QSize minimum_;
};

} // namespace

void fitToScreen(QWidget* window, QSize preferred, QSize minimum) {
    place(window, expectedFrame(window), preferred, minimum);
    new FrameWatch(window, preferred, minimum);
}

} // namespace brenmoor::gui
