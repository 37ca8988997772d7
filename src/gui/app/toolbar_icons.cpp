#include "gui/app/toolbar_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace brenmoor::gui {

namespace {
const QColor kInk(40, 52, 72);
const QColor kBlue(46, 110, 190);
const QColor kGreen(40, 150, 70);
const QColor kRed(200, 50, 40);
const QColor kYellow(236, 190, 60);

void page(QPainter& p) {
    QPainterPath path;
    path.moveTo(7, 3);
    path.lineTo(20, 3);
    path.lineTo(26, 9);
    path.lineTo(26, 29);
    path.lineTo(7, 29);
    path.closeSubpath();
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::white);
    p.drawPath(path);
    p.drawLine(QPointF(20, 3), QPointF(20, 9));
    p.drawLine(QPointF(20, 9), QPointF(26, 9));
}

void node(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kBlue);
    p.drawRoundedRect(QRectF(3, 8, 18, 14), 2, 2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6, 11, 12, 4));
    p.drawLine(QPointF(12, 22), QPointF(12, 27));
    p.drawLine(QPointF(4, 27), QPointF(20, 27));
}

void list(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3, 4, 18, 23));
    p.setPen(QPen(kBlue, 2));
    for (int y = 9; y <= 23; y += 5)
        p.drawLine(QPointF(6, y), QPointF(18, y));
}

void plus(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QRectF(17, 17, 14, 14));
    p.setPen(QPen(Qt::white, 2.5));
    p.drawLine(QPointF(24, 20), QPointF(24, 28));
    p.drawLine(QPointF(20, 24), QPointF(28, 24));
}

void minus(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kRed);
    p.drawEllipse(QRectF(17, 17, 14, 14));
    p.setPen(QPen(Qt::white, 2.5));
    p.drawLine(QPointF(20, 24), QPointF(28, 24));
}

void arrow(QPainter& p, bool up) {
    // A gateway box with an arrow to or from the PC.
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(120, 130, 145));
    p.drawRoundedRect(QRectF(4, 20, 24, 9), 2, 2);
    p.setBrush(kGreen);
    p.drawEllipse(QRectF(7, 23, 3, 3));
    QPainterPath head;
    if (up) {
        head.moveTo(16, 2);
        head.lineTo(24, 10);
        head.lineTo(19, 10);
        head.lineTo(19, 17);
        head.lineTo(13, 17);
        head.lineTo(13, 10);
        head.lineTo(8, 10);
    } else {
        head.moveTo(16, 18);
        head.lineTo(24, 10);
        head.lineTo(19, 10);
        head.lineTo(19, 2);
        head.lineTo(13, 2);
        head.lineTo(13, 10);
        head.lineTo(8, 10);
    }
    head.closeSubpath();
    p.setBrush(up ? kBlue : kGreen);
    p.drawPath(head);
}

void draw(QPainter& p, int button) {
    switch (button) {
    case 0: // New
        page(p);
        p.setPen(QPen(kYellow, 2));
        p.drawLine(QPointF(22, 16), QPointF(30, 16));
        p.drawLine(QPointF(26, 12), QPointF(26, 20));
        break;
    case 1: // Save
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 4, 14, 9));
        p.setBrush(QColor(220, 225, 232));
        p.drawRect(QRectF(8, 18, 16, 10));
        break;
    case 2: { // Open
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(214, 160, 40));
        p.drawRect(QRectF(3, 8, 24, 19));
        QPainterPath front;
        front.moveTo(3, 27);
        front.lineTo(8, 14);
        front.lineTo(30, 14);
        front.lineTo(27, 27);
        front.closeSubpath();
        p.setBrush(kYellow);
        p.drawPath(front);
        break;
    }
    case 3: // Add Node
        node(p);
        plus(p);
        break;
    case 4: // Del Node
        node(p);
        minus(p);
        break;
    case 5: // Add Cmd
        list(p);
        plus(p);
        break;
    case 6: // Del Cmd
        list(p);
        minus(p);
        break;
    case 7: // Upload
        arrow(p, true);
        break;
    case 8: // Download
        arrow(p, false);
        break;
    case 9: { // AutoMap
        p.setPen(QPen(kInk, 1));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) {
                p.setBrush((r * 4 + c) < 9 ? kBlue : Qt::white);
                p.drawRect(QRectF(4 + c * 6, 4 + r * 6, 6, 6));
            }
        p.setPen(QPen(kGreen, 2.5));
        p.drawLine(QPointF(18, 26), QPointF(22, 30));
        p.drawLine(QPointF(22, 30), QPointF(30, 20));
        break;
    }
    case 10: { // Conflict
        QPainterPath triangle;
        triangle.moveTo(16, 3);
        triangle.lineTo(30, 28);
        triangle.lineTo(2, 28);
        triangle.closeSubpath();
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kYellow);
        p.drawPath(triangle);
        p.setPen(QPen(kInk, 3));
        p.drawLine(QPointF(16, 11), QPointF(16, 20));
        p.drawPoint(QPointF(16, 24));
        break;
    }
    case 11: // Export
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(8, 3, 21, 26));
        p.setPen(QPen(QColor(160, 170, 180), 1));
        for (int y = 9; y < 29; y += 5)
            p.drawLine(QPointF(8, y), QPointF(29, y));
        p.drawLine(QPointF(18, 3), QPointF(18, 29));
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawRect(QRectF(2, 9, 14, 14));
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(5, 12), QPointF(13, 20));
        p.drawLine(QPointF(13, 12), QPointF(5, 20));
        break;
    case 12: { // Debug
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(QColor(30, 40, 50));
        p.drawRoundedRect(QRectF(2, 4, 28, 20), 2, 2);
        p.drawLine(QPointF(16, 24), QPointF(16, 28));
        p.drawLine(QPointF(9, 28), QPointF(23, 28));
        QPainterPath wave;
        wave.moveTo(5, 15);
        wave.lineTo(10, 15);
        wave.lineTo(12, 8);
        wave.lineTo(15, 20);
        wave.lineTo(18, 11);
        wave.lineTo(20, 15);
        wave.lineTo(27, 15);
        p.setPen(QPen(QColor(80, 230, 120), 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
        break;
    }
    default:
        break;
    }
}
} // namespace

QIcon toolbarIcon(int button) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter, button);
    painter.end();
    return QIcon(pixmap);
}

QIcon programIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInk, 1.5));
    painter.setBrush(kBlue);
    painter.drawRoundedRect(QRectF(2, 6, 28, 20), 4, 4);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawLine(QPointF(8, 16), QPointF(24, 16));
    painter.drawLine(QPointF(19, 11), QPointF(24, 16));
    painter.drawLine(QPointF(19, 21), QPointF(24, 16));
    painter.end();
    return QIcon(pixmap);
}

} // namespace brenmoor::gui
