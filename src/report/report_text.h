#pragma once

#include <QFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace brenmoor::report {

// Lengths on a report page are in dots of 1/1200 inch whatever the device:
// the layout is the same on a PDF, a printer and the print preview, so all
// three break the pages alike. Fonts have pixel sizes in dots for the same
// reason; the painter scales dots to the device.
inline constexpr double kDotsPerInch = 1200.0;
inline constexpr double dotsFromMm(double mm) {
    return mm / 25.4 * kDotsPerInch;
}

enum class FontRole { Title, Section, Heading, Body, Table, TableBold, Small };

QFont reportFont(FontRole role);

// Text wrapped at word boundaries (or anywhere, for a word longer than the
// width) into `width`: its height, and the same text drawn in `rect`.
double wrappedHeight(const QString& text, FontRole role, double width);
void drawWrapped(QPainter& painter, const QRectF& rect, const QString& text, FontRole role,
                 Qt::Alignment alignment);

} // namespace brenmoor::report
