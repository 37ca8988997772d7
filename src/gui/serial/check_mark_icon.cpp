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
    p.setPen(QPen(Qt::black, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
    return pixmap;
}

} // namespace brenmoor::gui
