#include "gui/mapping/cdbitshow.h"

#include "gui/app/gui_text.h"
#include "gui/mapping/conflict_map_model.h"

#include <QPainter>

#include <cmath>

namespace brenmoor::gui {

CDBitShow::CDBitShow(QWidget* parent) : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(kWidth, kHeight);
}

void CDBitShow::showByte(const ConflictMaps& maps, MapArea area, int byte, QPoint globalPos) {
    area_ = area;
    byte_ = byte;
    // Drawn, without text: named by the byte it shows.
    setAccessibleName(qtext(mapByteLabel(area, byte)));
    for (int bit = 0; bit < 8; ++bit)
        bits_[static_cast<std::size_t>(bit)] = maps.bitColour(area, byte, bit);
    move(globalPos);
    show();
    update();
}

QRect CDBitShow::cellRect(int bit) const {
    // 300 twips per cell, as wide as a byte cell of the maps.
    const int cell = static_cast<int>(std::lround(300.0 * logicalDpiX() / 1440.0));
    return QRect(1 + bit * cell, 1, cell, height() - 2);
}

void CDBitShow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QColor lines = palette().color(QPalette::Mid);
    for (int bit = 0; bit < 8; ++bit) {
        const QRect cell = cellRect(bit);
        const QColor colour = mapColour(bits_[static_cast<std::size_t>(bit)]);
        if (colour.isValid())
            painter.fillRect(cell, colour);
        painter.setPen(lines);
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace brenmoor::gui
