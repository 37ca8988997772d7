#include "gui/app/keyboard_indicators.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

namespace brenmoor::gui {

KeyboardIndicators::KeyboardIndicators(const std::array<QLabel*, 3>& panes, QObject* parent,
                                       Reader reader)
    : QObject(parent), panes_(panes), reader_(std::move(reader)) {
    qApp->installEventFilter(this);
    refresh();
}

KeyboardIndicators::~KeyboardIndicators() {
    qApp->removeEventFilter(this);
}

void KeyboardIndicators::refresh() {
    const LockKeys keys = reader_();
    const std::array<std::optional<bool>, 3> states = {keys.caps, keys.num, keys.scroll};
    for (size_t i = 0; i < panes_.size(); ++i)
        if (panes_[i])
            panes_[i]->setEnabled(states[i].value_or(false));
}

bool KeyboardIndicators::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyRelease: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_CapsLock || key == Qt::Key_NumLock || key == Qt::Key_ScrollLock)
            refresh();
        break;
    }
    case QEvent::ApplicationActivate:
        refresh();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace brenmoor::gui
