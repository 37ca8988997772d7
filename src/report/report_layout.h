#pragma once

#include "core/report/report_document.h"
#include "report/report_text.h"

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>

#include <vector>

namespace brenmoor::report {

// Where everything of one page goes, in dots (report_text.h). The header,
// the footer and the page number are the painter's: only it knows how many
// pages there are.
struct PlacedBox {
    QRectF rect;
    QColor fill;   // invalid: not filled
    QColor border; // invalid: no border
};

struct PlacedText {
    QRectF rect;
    QString text;
    FontRole role = FontRole::Body;
    Qt::Alignment alignment = Qt::AlignLeft;
};

struct LaidOutPage {
    std::vector<PlacedBox> boxes;
    std::vector<PlacedText> texts;
};

// The page's margins; the header and the footer sit inside them.
struct PageFrame {
    QSizeF page; // the whole sheet
    QRectF body; // where the content goes
    double headerBaseline = 0;
    double footerTop = 0;
};
PageFrame pageFrame(QSizeF pageDots);

// The document broken into pages of that size: tables repeat their header
// row on every page they continue on, a heading never ends a page, and a
// table row, a paragraph or a map row is never split.
std::vector<LaidOutPage> layOutReport(const ReportDocument& document, QSizeF pageDots);

} // namespace brenmoor::report
