#pragma once

#include <QObject>
#include <QSize>

#include <vector>

class QToolBar;
class QToolButton;

namespace brenmoor::gui {

// Keeps every toolbar button on the bar: they are `size` (80 x 55) wherever
// the window is wide enough, and give up width, never height, icon or
// caption, when it is not, down to the width of the widest caption.
class ToolbarFit : public QObject {
    Q_OBJECT

  public:
    ToolbarFit(QToolBar* toolbar, std::vector<QToolButton*> buttons, QSize size);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fit();

    QToolBar* toolbar_;
    std::vector<QToolButton*> buttons_;
    QSize size_;
    int least_ = 0;
    int width_ = 0;
};

} // namespace brenmoor::gui
