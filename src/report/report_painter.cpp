#include "report/report_painter.h"

#include "core/model/file_io.h"
#include "core/resources/message_text.h"
#include "core/resources/messages_documents.h"
#include "core/resources/string_table.h"
#include "report/report_layout.h"

#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace brenmoor::report {

namespace {

QString qs(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void paintPage(QPainter& painter, const ReportDocument& document, const PageFrame& frame,
               const LaidOutPage& page, int number, int count) {
    for (const PlacedBox& box : page.boxes) {
        painter.setPen(box.border.isValid() ? QPen(box.border, dotsFromMm(0.15)) : Qt::NoPen);
        painter.setBrush(box.fill.isValid() ? QBrush(box.fill) : Qt::NoBrush);
        painter.drawRect(box.rect);
    }
    painter.setPen(Qt::black);
    for (const PlacedText& text : page.texts)
        drawWrapped(painter, text.rect, text.text, text.role, text.alignment);

    const QRectF& body = frame.body;
    const double line = dotsFromMm(5);
    drawWrapped(painter, QRectF(body.left(), frame.headerBaseline - line, body.width(), line),
                qs(document.pageHeader), FontRole::Small, Qt::AlignLeft);
    painter.setPen(QPen(Qt::gray, dotsFromMm(0.2)));
    painter.drawLine(QPointF(body.left(), frame.headerBaseline),
                     QPointF(body.right(), frame.headerBaseline));
    painter.drawLine(QPointF(body.left(), frame.footerTop), QPointF(body.right(), frame.footerTop));
    painter.setPen(Qt::black);
    const QRectF footer(body.left(), frame.footerTop + dotsFromMm(1), body.width(), line);
    drawWrapped(painter, footer, qs(document.pageFooter), FontRole::Small, Qt::AlignLeft);
    const std::string pageText =
        fillIn(document.pageNumberTemplate, {std::to_string(number), std::to_string(count)});
    drawWrapped(painter, footer, qs(pageText), FontRole::Small, Qt::AlignRight);
}

} // namespace

QPageSize qtPageSize(PageSize size) {
    return QPageSize(size == PageSize::Letter ? QPageSize::Letter : QPageSize::A4);
}

std::optional<PageSize> pageSizeNamed(std::string_view name) {
    if (name == "A4")
        return PageSize::A4;
    if (name == "Letter")
        return PageSize::Letter;
    return std::nullopt;
}

int paintReport(const ReportDocument& document, QPainter& painter, QPagedPaintDevice& device) {
    // The device's own resolution maps the layout's dots onto it.
    const double sx = device.logicalDpiX() / kDotsPerInch;
    const double sy = device.logicalDpiY() / kDotsPerInch;
    const QSizeF pageDots(device.width() / sx, device.height() / sy);
    const std::vector<LaidOutPage> pages = layOutReport(document, pageDots);
    const PageFrame frame = pageFrame(pageDots);
    const int count = static_cast<int>(pages.size());
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            device.newPage();
        painter.save();
        painter.scale(sx, sy);
        paintPage(painter, document, frame, pages[static_cast<size_t>(i)], i + 1, count);
        painter.restore();
    }
    return count;
}

Outcome writeReportPdf(const ReportDocument& document, const std::string& path, PageSize size,
                       int* pages) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    int count = 0;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(static_cast<int>(kDotsPerInch));
        writer.setPageSize(qtPageSize(size));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(qs(document.title));
        writer.setCreator(qs(document.pageFooter));
        QPainter painter;
        if (!painter.begin(&writer))
            return Outcome::failure(msg::ReportNotWritten,
                                    formatMessage(msg::ReportNotWritten, path));
        count = paintReport(document, painter, writer);
        painter.end();
    }
    if (pages)
        *pages = count;
    const QByteArray& bytes = buffer.data();
    return writeFileAtomically(path, {reinterpret_cast<const uint8_t*>(bytes.constData()),
                                      static_cast<size_t>(bytes.size())});
}

} // namespace brenmoor::report
