#pragma once

#include "core/mapping/conflict_maps.h"

#include <QAbstractTableModel>
#include <QColor>

namespace brenmoor::gui {

// One map grid of Conflict Detection: 1024 rows of 16 bytes behind an
// address column. Colours are asked of the maps when the view paints, so
// opening costs nothing per cell and a toggle only announces its own cells.
class ConflictMapModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    static constexpr int kRows = 1024;
    static constexpr int kColumns = kMapColumns + 1;

    ConflictMapModel(const ConflictMaps& maps, MapArea area, QObject* parent = nullptr);

    MapArea area() const { return area_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The byte (0 .. 16383 within the area) a data cell stands for; -1 for
    // the address column or an invalid index.
    static int byteAt(const QModelIndex& index);

    // Announces the cells of bytes span.first .. span.first + count - 1 as changed.
    void repaint(const CellSpan& span);

  private:
    const ConflictMaps& maps_;
    MapArea area_;
};

// The colour a map or bit cell is painted in; invalid for a free cell, which
// keeps the view's own background.
QColor mapColour(MapColour colour);

} // namespace brenmoor::gui
