#pragma once

#include "core/editor/grid_control.h"

#include <map>
#include <utility>
#include <vector>

namespace brenmoor {

// A grid held in memory, for the command line and the tests. It remembers
// every cell's background colour so a page can be printed with its colours.
class MemoryGrid : public GridControl {
  public:
    MemoryGrid() = default;

    int rows() const override { return rows_; }
    void setRows(int rows) override;
    int cols() const override { return cols_; }
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

    void setColAlignment(int col, int alignment) override { alignments_[col] = alignment; }
    int colAlignment(int col) const;
    int colWidth(int col) const override;
    void setColWidth(int col, int width) override { colWidths_[col] = width; }
    int rowHeight(int row) const override;
    void setRowHeight(int row, int height) override { rowHeights_[row] = height; }
    int colPos(int col) const override;
    int rowPos(int row) const override;

    int rowSel() const override { return rowSel_; }
    int colSel() const override { return colSel_; }
    // What a mouse click on a cell does to the control.
    void click(int row, int col) {
        rowSel_ = row;
        colSel_ = col;
    }

    int topRow() const override { return topRow_; }
    void setTopRow(int row) override { topRow_ = row < 0 ? 0 : row; }

    GridColor cellBackColor(int row, int col) const;

  private:
    using Cell = std::pair<int, int>;
    bool inside(int row, int col) const {
        return row >= 0 && row < rows_ && col >= 0 && col < cols_;
    }
    void dropOutside();

    int rows_ = 0;
    int cols_ = 0;
    int row_ = 0;
    int col_ = 0;
    int rowSel_ = 0;
    int colSel_ = 0;
    int topRow_ = 0;
    std::map<Cell, std::string> texts_;
    std::map<Cell, GridColor> colors_;
    std::map<int, int> alignments_;
    std::map<int, int> colWidths_;
    std::map<int, int> rowHeights_;
};

} // namespace brenmoor
