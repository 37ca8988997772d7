#include "gui/mapping/conflict_map_model.h"

#include "gui/app/gui_text.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace brenmoor::gui {

namespace {
// What a toggle changes of a cell: its colour and what the colour is called.
const QList<int> kRepainted = {Qt::BackgroundRole, Qt::AccessibleTextRole};
} // namespace

QColor mapColour(MapColour colour) {
    const std::optional<Rgb> rgb = mapColourRgb(colour);
    return rgb ? QColor(rgb->r, rgb->g, rgb->b) : QColor();
}

ConflictMapModel::ConflictMapModel(const ConflictMaps& maps, MapArea area, QObject* parent)
    : QAbstractTableModel(parent), maps_(maps), area_(area) {}

int ConflictMapModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kRows;
}

int ConflictMapModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

int ConflictMapModel::byteAt(const QModelIndex& index) {
    if (!index.isValid() || index.column() < 1 || index.column() >= kColumns)
        return -1;
    return index.row() * kMapColumns + index.column() - 1;
}

QVariant ConflictMapModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (index.column() == 0) {
        // The address column looks like a fixed column: no colour of its own.
        switch (role) {
        case Qt::DisplayRole:
            return qtext(mapRowLabel(area_, index.row()));
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(Qt::AlignCenter);
        case Qt::BackgroundRole:
            return QBrush(QGuiApplication::palette().color(QPalette::Button));
        case Qt::ForegroundRole:
            return QBrush(QGuiApplication::palette().color(QPalette::ButtonText));
        default:
            return {};
        }
    }
    // The cells have no text: a screen reader announces what the colour
    // stands for, and the byte's address as the cell's description.
    switch (role) {
    case Qt::BackgroundRole: {
        const QColor colour = mapColour(maps_.cellColour(area_, byteAt(index)));
        return colour.isValid() ? QVariant(QBrush(colour)) : QVariant();
    }
    case Qt::AccessibleTextRole:
        return qtext(mapColourLegend(maps_.cellColour(area_, byteAt(index))));
    case Qt::AccessibleDescriptionRole:
        return qtext(mapByteLabel(area_, byteAt(index)));
    default:
        return {};
    }
}

void ConflictMapModel::repaint(const CellSpan& span) {
    if (span.area != area_ || span.count <= 0)
        return;
    const int first = std::max(span.first, 0);
    const int last = std::min(span.first + span.count - 1, kRows * kMapColumns - 1);
    if (last < first)
        return;
    const int firstRow = first / kMapColumns;
    const int lastRow = last / kMapColumns;
    const int firstColumn = first % kMapColumns + 1;
    const int lastColumn = last % kMapColumns + 1;
    if (firstRow == lastRow) {
        emit dataChanged(index(firstRow, firstColumn), index(firstRow, lastColumn), kRepainted);
        return;
    }
    // A ragged first row, whole middle rows and a ragged last row, so no
    // cell outside the span is announced.
    emit dataChanged(index(firstRow, firstColumn), index(firstRow, kMapColumns), kRepainted);
    if (lastRow - firstRow > 1)
        emit dataChanged(index(firstRow + 1, 1), index(lastRow - 1, kMapColumns), kRepainted);
    emit dataChanged(index(lastRow, 1), index(lastRow, lastColumn), kRepainted);
}

} // namespace brenmoor::gui
