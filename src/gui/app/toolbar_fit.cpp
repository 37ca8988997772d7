#include "gui/app/toolbar_fit.h"

#include "gui/app/window_placement.h"

#include <QEvent>
#include <QLayout>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace brenmoor::gui {

ToolbarFit::ToolbarFit(QToolBar* toolbar, std::vector<QToolButton*> buttons, QSize size)
    : QObject(toolbar), toolbar_(toolbar), buttons_(std::move(buttons)), size_(size) {
    // A caption needs its own width and a few pixels of the button's frame.
    constexpr int padding = 4;
    for (const QToolButton* button : buttons_)
        least_ =
            std::max({least_, button->fontMetrics().horizontalAdvance(button->text()) + padding,
                      button->iconSize().width() + padding});
    toolbar->installEventFilter(this);
    fit();
}

bool ToolbarFit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == toolbar_ && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

void ToolbarFit::fit() {
    // The bar's own layout says how much of its width is margins and gaps.
    const QLayout* layout = toolbar_->layout();
    const QMargins margins = layout->contentsMargins();
    const int count = static_cast<int>(buttons_.size());
    const int available = toolbar_->width() - margins.left() - margins.right() -
                          layout->spacing() * std::max(count - 1, 0);
    const int width = toolButtonWidth(available, count, size_.width(), least_);
    if (width == width_)
        return;
    width_ = width;
    for (QToolButton* button : buttons_)
        button->setFixedSize(width, size_.height());
}

} // namespace brenmoor::gui
