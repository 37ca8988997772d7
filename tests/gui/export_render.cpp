// Draws each sheet of a workbook roughly as a spreadsheet program shows it,
// for the user guide: column letters, row numbers, grid lines, the texts in
// their column widths, bold where the workbook says so, and the sheet tabs.
// The cells are read with openpyxl, so the picture shows what the file
// holds, not what the program meant to write.
//
//   export_render BOOK.xlsx OUT-PREFIX   writes OUT-PREFIX<sheet>.png per sheet
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QProcess>

#include <algorithm>
#include <cstdio>

namespace {

const char* kDumpScript = R"PY(
import json, sys, openpyxl
from openpyxl.utils import get_column_letter
book = openpyxl.load_workbook(sys.argv[1])
sheets = []
for sheet in book.worksheets:
    cells = []
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is None:
                continue
            cells.append({"row": cell.row, "column": cell.column, "text": str(cell.value),
                          "bold": bool(cell.font and cell.font.b)})
    widths = {}
    for column in range(1, sheet.max_column + 1):
        dimension = sheet.column_dimensions.get(get_column_letter(column))
        if dimension is not None and dimension.width:
            widths[column] = dimension.width
    sheets.append({"name": sheet.title, "cells": cells, "widths": widths,
                   "rows": sheet.max_row, "columns": sheet.max_column})
print(json.dumps(sheets))
)PY";

constexpr int kRowHeight = 20;
constexpr int kRowHeaderWidth = 36;
constexpr int kExtraRows = 3;
constexpr int kExtraColumns = 1;
constexpr int kTabBarHeight = 26;
constexpr double kDefaultColumnChars = 8.43;

QString columnLetters(int column) {
    QString letters;
    for (; column > 0; column = (column - 1) / 26)
        letters.prepend(QChar('A' + (column - 1) % 26));
    return letters;
}

// Character widths as spreadsheet programs count them: digits of the
// default font plus a little padding.
int columnPixels(double chars, const QFontMetrics& metrics) {
    return static_cast<int>(chars * metrics.horizontalAdvance(QLatin1Char('0')) + 5);
}

QString fileSlug(const QString& name) {
    QString slug = name.toLower();
    slug.replace(QLatin1Char(' '), QLatin1Char('-'));
    return slug;
}

QImage drawSheet(const QJsonArray& sheets, int active) {
    const QJsonObject sheet = sheets[active].toObject();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics metrics(font);

    const int rows = sheet[QStringLiteral("rows")].toInt() + kExtraRows;
    const int columns = sheet[QStringLiteral("columns")].toInt() + kExtraColumns;
    const QJsonObject widths = sheet[QStringLiteral("widths")].toObject();
    std::vector<int> left{kRowHeaderWidth};
    for (int column = 1; column <= columns; ++column) {
        const QJsonValue width = widths[QString::number(column)];
        left.push_back(
            left.back() +
            columnPixels(width.isDouble() ? width.toDouble() : kDefaultColumnChars, metrics));
    }
    const int gridHeight = (rows + 1) * kRowHeight;
    QImage image(left.back() + 1, gridHeight + kTabBarHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);

    const QColor headerFill(240, 240, 240), gridLine(218, 220, 224), headerLine(190, 190, 190);
    painter.fillRect(0, 0, image.width(), kRowHeight, headerFill);
    painter.fillRect(0, 0, kRowHeaderWidth, gridHeight, headerFill);
    painter.setPen(gridLine);
    for (int row = 1; row <= rows + 1; ++row)
        painter.drawLine(0, row * kRowHeight, left.back(), row * kRowHeight);
    for (const int x : left)
        painter.drawLine(x, 0, x, gridHeight);
    painter.setPen(headerLine);
    painter.drawLine(0, kRowHeight, left.back(), kRowHeight);
    painter.drawLine(kRowHeaderWidth, 0, kRowHeaderWidth, gridHeight);

    painter.setPen(QColor(60, 60, 60));
    for (int column = 1; column <= columns; ++column)
        painter.drawText(QRect(left[column - 1], 0, left[column] - left[column - 1], kRowHeight),
                         Qt::AlignCenter, columnLetters(column));
    for (int row = 1; row <= rows; ++row)
        painter.drawText(QRect(0, row * kRowHeight, kRowHeaderWidth, kRowHeight), Qt::AlignCenter,
                         QString::number(row));

    painter.setPen(Qt::black);
    for (const QJsonValue value : sheet[QStringLiteral("cells")].toArray()) {
        const QJsonObject cell = value.toObject();
        const int row = cell[QStringLiteral("row")].toInt();
        const int column = cell[QStringLiteral("column")].toInt();
        if (column < 1 || column > columns)
            continue;
        painter.setFont(cell[QStringLiteral("bold")].toBool() ? bold : font);
        const QRect box(left[column - 1] + 3, row * kRowHeight, left[column] - left[column - 1] - 6,
                        kRowHeight);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(cell[QStringLiteral("text")].toString(),
                                                          Qt::ElideRight, box.width()));
    }

    // The sheet tabs, the shown one white and bold.
    painter.fillRect(0, gridHeight, image.width(), kTabBarHeight, headerFill);
    painter.setPen(headerLine);
    painter.drawLine(0, gridHeight, image.width(), gridHeight);
    int x = kRowHeaderWidth;
    for (int index = 0; index < sheets.size(); ++index) {
        const QString name = sheets[index].toObject()[QStringLiteral("name")].toString();
        painter.setFont(index == active ? bold : font);
        const int width = painter.fontMetrics().horizontalAdvance(name) + 24;
        const QRect tab(x, gridHeight, width, kTabBarHeight - 4);
        if (index == active)
            painter.fillRect(tab, Qt::white);
        painter.setPen(headerLine);
        painter.drawRect(tab);
        painter.setPen(index == active ? QColor(16, 124, 65) : QColor(60, 60, 60));
        painter.drawText(tab, Qt::AlignCenter, name);
        x += width;
    }
    return image;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: export_render BOOK.xlsx OUT-PREFIX\n");
        return 2;
    }
    QProcess python;
    python.start(
        QStringLiteral("/usr/bin/python3"),
        {QStringLiteral("-c"), QString::fromLatin1(kDumpScript), QString::fromLocal8Bit(argv[1])});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        std::fprintf(stderr, "could not read %s:\n%s", argv[1],
                     python.readAllStandardError().constData());
        return 1;
    }
    const QJsonArray sheets = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
    if (sheets.isEmpty())
        return 1;
    for (int index = 0; index < sheets.size(); ++index) {
        const QString name = sheets[index].toObject()[QStringLiteral("name")].toString();
        const QString out =
            QString::fromLocal8Bit(argv[2]) + fileSlug(name) + QStringLiteral(".png");
        if (!drawSheet(sheets, index).save(out)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(out));
            return 1;
        }
        std::printf("wrote %s\n", qPrintable(out));
    }
    return 0;
}
