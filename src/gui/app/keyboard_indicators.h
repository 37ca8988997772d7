#pragma once

#include "gui/app/lock_keys.h"

#include <QObject>

#include <array>
#include <functional>

class QLabel;

namespace brenmoor::gui {

// The status bar's "Uppercase", "Digital" and "Scroll" panes follow Caps
// Lock, Num Lock and Scroll Lock: read again whenever a lock key is released
// in the program and whenever the program becomes active (the user may have
// pressed one elsewhere). A pane whose state the desktop does not tell
// stays greyed.
class KeyboardIndicators : public QObject {
    Q_OBJECT

  public:
    using Reader = std::function<LockKeys()>;

    // `panes`: caps, num and scroll, in that order.
    KeyboardIndicators(const std::array<QLabel*, 3>& panes, QObject* parent,
                       Reader reader = readLockKeys);
    ~KeyboardIndicators() override;

    void refresh();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::array<QLabel*, 3> panes_;
    Reader reader_;
};

} // namespace brenmoor::gui
