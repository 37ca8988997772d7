#pragma once

#include "core/editor/grid_control.h"

#include <QTableWidget>

namespace brenmoor::gui {

// The property grid: a table widget that offers the operations the editor
// core paints pages with. Sizes cross the interface in twips, converted with
// the screen's logical resolution, so the core's cell-rectangle arithmetic
// lands on the widget's own cells.
class PropertyGrid : public QTableWidget, public GridControl {
    Q_OBJECT

  public:
    explicit PropertyGrid(QWidget* parent = nullptr);

    int rows() const override { return rowCount(); }
    void setRows(int rows) override;
    int cols() const override { return columnCount(); }
    void setCols(int cols) override;
    void clear() override;

    std::string textMatrix(int row, int col) const override;
    void setTextMatrix(int row, int col, std::string_view text) override;

    int row() const override { return row_; }
    void setRow(int row) override { row_ = row; }
    int col() const override { return col_; }
    void setCol(int col) override { col_ = col; }
    void setText(std::string_view text) override { setTextMatrix(row_, col_, text); }
    void setCellBackColor(GridColor color) override;

    void setColAlignment(int col, int alignment) override;
    int colWidth(int col) const override;
    void setColWidth(int col, int width) override;
    int rowHeight(int row) const override;
    void setRowHeight(int row, int height) override;
    int colPos(int col) const override;
    int rowPos(int row) const override;

    int rowSel() const override { return rowSel_; }
    int colSel() const override { return colSel_; }

    int topRow() const override;
    void setTopRow(int row) override;

    double twipsPerPixelX() const { return 1440.0 / logicalDpiX(); }
    double twipsPerPixelY() const { return 1440.0 / logicalDpiY(); }

    // The background a cell was last given (kDefaultColor when none).
    GridColor cellBackColor(int row, int col) const;

  signals:
    // The user clicked a cell, or pressed Enter or F2 on the current one;
    // rowSel/colSel already tell which.
    void gridClicked();
    // The visible part moved (scroll bar, wheel or keyboard).
    void gridScrolled();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    QTableWidgetItem* itemAt(int row, int col);

    int row_ = 0;
    int col_ = 0;
    int rowSel_ = 0;
    int colSel_ = 0;
    Qt::Alignment alignments_[2] = {Qt::AlignLeft | Qt::AlignVCenter,
                                    Qt::AlignLeft | Qt::AlignVCenter};
};

} // namespace brenmoor::gui
