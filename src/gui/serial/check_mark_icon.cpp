#include "gui/serial/check_mark_icon.h"

#include <QPainter>
#include <QPainterPath>

namespace brenmoor::gui {

QPixmap checkMarkPixmap() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tick;
    tick.moveTo(5, 17);
    tick.lineTo(13, 25);
    tick.lineTo(27, 7);
    p.setBrush(Qt::NoBrush);
    // The black mark keeps a light edge of its own, so it still shows on a
    // dark theme's dialog.
    p.setPen(QPen(Qt::white, 7.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    p.setPen(QPen(Qt::black, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(tick);
    return pixmap;
}

} // namespace brenmoor::gui
