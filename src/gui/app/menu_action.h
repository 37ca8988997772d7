#pragma once

#include "gui/editor/modbus_config_view.h"

#include <QAction>
#include <QKeySequence>
#include <QString>

namespace brenmoor::gui {

// A menu entry from its text, which carries its accelerator after a tab.
// A value still in the grid's edit box is committed before the entry runs,
// so that what it saves, prints or checks holds it.
inline QAction* menuAction(const QString& caption, QObject* parent, CModbusConfigView& view) {
    const qsizetype tab = caption.indexOf(QLatin1Char('\t'));
    auto* action = new QAction(tab < 0 ? caption : caption.left(tab), parent);
    if (tab >= 0)
        action->setShortcut(QKeySequence(caption.mid(tab + 1)));
    QObject::connect(action, &QAction::triggered, &view, &CModbusConfigView::commitPendingEdit);
    return action;
}

} // namespace brenmoor::gui
