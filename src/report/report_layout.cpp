#include "report/report_layout.h"

#include <QFontMetricsF>

#include <algorithm>
#include <map>
#include <numeric>

namespace brenmoor::report {

namespace {

const double kPad = dotsFromMm(1.0);
const double kGap = dotsFromMm(3.0);
const QColor kRule(150, 150, 150);
const QColor kHeaderFill(225, 225, 225);
const QColor kLabelFill(242, 242, 242);
const double kMapLabelWidth = dotsFromMm(14);
const double kMapCellMax = dotsFromMm(7);
const double kMapRowHeight = dotsFromMm(4.5);
const double kLegendSquare = dotsFromMm(4);
// The most a value's column is widened for it before it wraps.
const double kLongestValue = dotsFromMm(45);

QString qs(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QColor colourOf(MapColour colour) {
    if (const auto rgb = mapColourRgb(colour))
        return QColor(rgb->r, rgb->g, rgb->b);
    return Qt::white;
}

// The content flows down the body of one page after another.
class Flow {
  public:
    explicit Flow(QSizeF pageDots) : frame_(pageFrame(pageDots)) { newPage(); }

    std::vector<LaidOutPage> take() { return std::move(pages_); }
    double width() const { return frame_.body.width(); }
    double left() const { return frame_.body.left(); }
    double y() const { return y_; }
    double room() const { return frame_.body.bottom() - y_; }
    bool atTop() const { return y_ <= frame_.body.top(); }

    void newPage() {
        pages_.emplace_back();
        y_ = frame_.body.top();
    }
    // Starts a new page unless `height` still fits; a page that is still
    // empty takes whatever comes (it would not fit on the next one either).
    void ensure(double height) {
        if (height > room() && !atTop())
            newPage();
    }
    void advance(double height) { y_ += height; }

    void text(const QRectF& rect, const QString& text, FontRole role,
              Qt::Alignment alignment = Qt::AlignLeft) {
        pages_.back().texts.push_back({rect, text, role, alignment});
    }
    void box(const QRectF& rect, QColor fill, QColor border = kRule) {
        pages_.back().boxes.push_back({rect, fill, border});
    }

    // A block of wrapped text across the body, kept together.
    void paragraph(const QString& content, FontRole role, double keepWithNext = 0) {
        const double h = wrappedHeight(content, role, width());
        ensure(h + keepWithNext);
        text(QRectF(left(), y_, width(), h), content, role);
        advance(h);
    }

  private:
    PageFrame frame_;
    std::vector<LaidOutPage> pages_;
    double y_ = 0;
};

// Column widths in dots: the given proportions, or else room for the
// longest word of each header and each value (so that nothing breaks inside
// a word), and what is left given to the columns whose values want more.
std::vector<double> columnWidths(const ReportTable& table, double width) {
    const size_t columns =
        std::max(table.headers.size(), table.rows.empty() ? size_t{0} : table.rows.front().size());
    if (table.widths.size() == columns) {
        const double total = std::accumulate(table.widths.begin(), table.widths.end(), 0.0);
        std::vector<double> widths;
        for (const int w : table.widths)
            widths.push_back(width * w / total);
        return widths;
    }
    const QFontMetricsF bold(reportFont(FontRole::TableBold));
    const QFontMetricsF plain(reportFont(FontRole::Table));
    const auto longestWord = [](const QFontMetricsF& metrics, const QString& text) {
        double longest = 0;
        for (const QString& word : text.split(QLatin1Char(' ')))
            longest = std::max(longest, metrics.horizontalAdvance(word));
        return longest;
    };
    std::vector<double> least(columns, 0);
    std::vector<double> wanted(columns, 0);
    for (size_t c = 0; c < table.headers.size(); ++c)
        least[c] = longestWord(bold, qs(table.headers[c]));
    for (const auto& row : table.rows) {
        for (size_t c = 0; c < row.size() && c < columns; ++c) {
            const QString value = qs(row[c]);
            least[c] = std::max(least[c], longestWord(plain, value));
            wanted[c] =
                std::max(wanted[c], std::min(plain.horizontalAdvance(value), kLongestValue));
        }
    }
    double sumLeast = 0;
    double sumWanted = 0;
    for (size_t c = 0; c < columns; ++c) {
        least[c] += 2 * kPad + kPad / 2;
        wanted[c] = std::max(wanted[c] + 2 * kPad + kPad / 2, least[c]);
        sumLeast += least[c];
        sumWanted += wanted[c];
    }
    std::vector<double> widths(columns);
    for (size_t c = 0; c < columns; ++c) {
        if (sumWanted <= width)
            widths[c] = wanted[c] * width / sumWanted;
        else if (sumLeast < width)
            widths[c] =
                least[c] + (wanted[c] - least[c]) * (width - sumLeast) / (sumWanted - sumLeast);
        else
            widths[c] = least[c] * width / sumLeast;
    }
    return widths;
}

double rowHeight(const std::vector<std::string>& cells, const std::vector<double>& widths,
                 FontRole role) {
    double h = 0;
    for (size_t c = 0; c < cells.size() && c < widths.size(); ++c)
        h = std::max(h, wrappedHeight(qs(cells[c]), role, widths[c] - 2 * kPad));
    return h + 2 * kPad;
}

void placeRow(Flow& flow, const std::vector<std::string>& cells, const std::vector<double>& widths,
              double height, FontRole role, QColor fill, QColor firstFill) {
    double x = flow.left();
    for (size_t c = 0; c < widths.size(); ++c) {
        const QRectF cell(x, flow.y(), widths[c], height);
        flow.box(cell, c == 0 && firstFill.isValid() ? firstFill : fill);
        if (c < cells.size())
            flow.text(cell.adjusted(kPad, kPad, -kPad, -kPad), qs(cells[c]), role);
        x += widths[c];
    }
    flow.advance(height);
}

// Tables with the same header row (the commands of each node) share their
// column widths, worked out from all their rows together.
using SharedWidths = std::map<std::vector<std::string>, std::vector<double>>;

SharedWidths sharedWidths(const ReportDocument& document, double width) {
    std::map<std::vector<std::string>, ReportTable> merged;
    for (const ReportSection& section : document.sections) {
        for (const ReportBlock& block : section.blocks) {
            const auto* table = std::get_if<ReportTable>(&block);
            if (!table || table->headers.empty() || !table->widths.empty())
                continue;
            ReportTable& all = merged[table->headers];
            all.headers = table->headers;
            all.rows.insert(all.rows.end(), table->rows.begin(), table->rows.end());
        }
    }
    SharedWidths widths;
    for (const auto& [headers, table] : merged)
        widths[headers] = columnWidths(table, width);
    return widths;
}

void placeTable(Flow& flow, const ReportTable& table, const SharedWidths& shared = {}) {
    const auto known = shared.find(table.headers);
    const std::vector<double> widths =
        known != shared.end() ? known->second : columnWidths(table, flow.width());
    const bool header = !table.headers.empty();
    const double headerHeight = header ? rowHeight(table.headers, widths, FontRole::TableBold) : 0;
    // A label column is shaded like the grid's fixed column.
    const QColor labelFill = header ? QColor() : kLabelFill;
    bool headerOnPage = false;
    for (const auto& row : table.rows) {
        const double h = rowHeight(row, widths, FontRole::Table);
        if (h + (headerOnPage ? 0 : headerHeight) > flow.room() && !flow.atTop()) {
            flow.newPage();
            headerOnPage = false;
        }
        if (header && !headerOnPage) {
            placeRow(flow, table.headers, widths, headerHeight, FontRole::TableBold, kHeaderFill,
                     {});
            headerOnPage = true;
        }
        placeRow(flow, row, widths, h, FontRole::Table, Qt::white, labelFill);
    }
    flow.advance(kGap);
}

void placeMapHeader(Flow& flow, double cell) {
    for (int c = 0; c < kMapColumns; ++c) {
        const QRectF rect(flow.left() + kMapLabelWidth + c * cell, flow.y(), cell, kMapRowHeight);
        flow.text(rect, QString::number(c, 16).toUpper(), FontRole::TableBold, Qt::AlignHCenter);
    }
    flow.advance(kMapRowHeight);
}

void placeMap(Flow& flow, const ReportMap& map) {
    const double cell = std::min(kMapCellMax, (flow.width() - kMapLabelWidth) / kMapColumns);
    bool headerOnPage = false;
    for (const ReportMapRow& row : map.rows) {
        if (kMapRowHeight * (headerOnPage ? 1 : 2) > flow.room() && !flow.atTop()) {
            flow.newPage();
            headerOnPage = false;
        }
        if (!headerOnPage) {
            placeMapHeader(flow, cell);
            headerOnPage = true;
        }
        flow.text(QRectF(flow.left(), flow.y() + kPad / 2, kMapLabelWidth, kMapRowHeight),
                  qs(row.label), FontRole::Table);
        for (int c = 0; c < kMapColumns; ++c)
            flow.box(QRectF(flow.left() + kMapLabelWidth + c * cell, flow.y(), cell, kMapRowHeight),
                     colourOf(row.cells[static_cast<size_t>(c)]));
        flow.advance(kMapRowHeight);
    }
    flow.advance(kGap);
}

void placeLegend(Flow& flow, const ReportLegend& legend) {
    const double h =
        std::max(kLegendSquare, wrappedHeight(QStringLiteral("X"), FontRole::Body, flow.width()));
    flow.ensure(h);
    double x = flow.left();
    for (const auto& [colour, label] : legend.entries) {
        flow.box(QRectF(x, flow.y(), kLegendSquare, kLegendSquare), colourOf(colour));
        x += kLegendSquare + kPad * 2;
        const QString text = qs(label);
        const double w =
            QFontMetricsF(reportFont(FontRole::Body)).horizontalAdvance(text) + dotsFromMm(6);
        flow.text(QRectF(x, flow.y(), w, h), text, FontRole::Body);
        x += w;
    }
    flow.advance(h + kGap);
}

} // namespace

PageFrame pageFrame(QSizeF pageDots) {
    PageFrame frame;
    frame.page = pageDots;
    const double side = dotsFromMm(15);
    const double top = dotsFromMm(20);
    const double bottom = dotsFromMm(18);
    frame.body = QRectF(side, top, pageDots.width() - 2 * side, pageDots.height() - top - bottom);
    frame.headerBaseline = top - dotsFromMm(6);
    frame.footerTop = pageDots.height() - bottom + dotsFromMm(5);
    return frame;
}

std::vector<LaidOutPage> layOutReport(const ReportDocument& document, QSizeF pageDots) {
    Flow flow(pageDots);
    const SharedWidths shared = sharedWidths(document, flow.width());
    flow.paragraph(qs(document.title), FontRole::Title);
    flow.advance(kGap);
    placeTable(flow, document.titleBlock);
    for (const ReportSection& section : document.sections) {
        flow.advance(kGap);
        // A section title keeps a few lines of its section with it.
        const double keep = dotsFromMm(20);
        flow.paragraph(qs(section.title), FontRole::Section, keep);
        flow.advance(kPad * 2);
        for (const ReportBlock& block : section.blocks) {
            if (const auto* heading = std::get_if<ReportHeading>(&block)) {
                flow.advance(kPad * 2);
                flow.paragraph(qs(heading->text), FontRole::Heading, keep);
                flow.advance(kPad);
            } else if (const auto* paragraph = std::get_if<ReportParagraph>(&block)) {
                flow.paragraph(qs(paragraph->text), FontRole::Body);
                flow.advance(kPad * 2);
            } else if (const auto* table = std::get_if<ReportTable>(&block)) {
                placeTable(flow, *table, shared);
            } else if (const auto* map = std::get_if<ReportMap>(&block)) {
                placeMap(flow, *map);
            } else if (const auto* legend = std::get_if<ReportLegend>(&block)) {
                placeLegend(flow, *legend);
            }
        }
    }
    return flow.take();
}

} // namespace brenmoor::report
