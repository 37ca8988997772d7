#include "report/report_text.h"

#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

namespace brenmoor::report {

namespace {

double pointsToDots(double points) {
    return points / 72.0 * kDotsPerInch;
}

// Line breaks of the program's texts (CR LF or LF) as the layout takes them.
QString laidOutText(const QString& text) {
    QString out = text;
    out.remove(QLatin1Char('\r'));
    out.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return out;
}

// Lays `layout` out in lines of `width`; returns the height used.
double layOut(QTextLayout& layout, double width, Qt::Alignment alignment) {
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setAlignment(alignment);
    layout.setTextOption(option);
    double y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return y;
}

} // namespace

QFont reportFont(FontRole role) {
    QFont font(QStringLiteral("DejaVu Sans"));
    // Without ligatures: a reader that searches the PDF for "file" finds it.
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    double points = 9;
    switch (role) {
    case FontRole::Title:
        points = 18;
        font.setBold(true);
        break;
    case FontRole::Section:
        points = 13;
        font.setBold(true);
        break;
    case FontRole::Heading:
        points = 10;
        font.setBold(true);
        break;
    case FontRole::Body:
        break;
    case FontRole::Table:
        points = 7;
        break;
    case FontRole::TableBold:
        points = 7;
        font.setBold(true);
        break;
    case FontRole::Small:
        points = 7;
        break;
    }
    font.setPixelSize(static_cast<int>(pointsToDots(points)));
    return font;
}

double wrappedHeight(const QString& text, FontRole role, double width) {
    QTextLayout layout(laidOutText(text), reportFont(role));
    return layOut(layout, width, Qt::AlignLeft);
}

void drawWrapped(QPainter& painter, const QRectF& rect, const QString& text, FontRole role,
                 Qt::Alignment alignment) {
    QTextLayout layout(laidOutText(text), reportFont(role));
    layOut(layout, rect.width(), alignment);
    layout.draw(&painter, rect.topLeft());
}

} // namespace brenmoor::report
