#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace brenmoor {

// A colour as red | green << 8 | blue << 16. 0 asks for the grid's default
// background.
using GridColor = uint32_t;

constexpr GridColor rgb(uint8_t r, uint8_t g, uint8_t b) {
    return GridColor{r} | GridColor{g} << 8 | GridColor{b} << 16;
}

inline constexpr GridColor kDefaultColor = 0;
inline constexpr GridColor kGreyColor = rgb(200, 200, 200);  // a value that cannot be edited
inline constexpr GridColor kWhiteColor = rgb(255, 255, 255); // a value that can

// The table every page paints into, with the operations of the grid control
// the program has always used. Rows and columns count from 0; positions and
// sizes are in twips.
class GridControl {
  public:
    virtual ~GridControl() = default;

    virtual int rows() const = 0;
    virtual void setRows(int rows) = 0;
    virtual int cols() const = 0;
    virtual void setCols(int cols) = 0;
    // Empties the text and the background colour of every cell; keeps the
    // number of rows and columns.
    virtual void clear() = 0;

    virtual std::string textMatrix(int row, int col) const = 0;
    virtual void setTextMatrix(int row, int col, std::string_view text) = 0;

    // The current cell, which setText and setCellBackColor act on.
    virtual int row() const = 0;
    virtual void setRow(int row) = 0;
    virtual int col() const = 0;
    virtual void setCol(int col) = 0;
    virtual void setText(std::string_view text) = 0;
    virtual void setCellBackColor(GridColor color) = 0;

    virtual void setColAlignment(int col, int alignment) = 0;
    virtual int colWidth(int col) const = 0;
    virtual void setColWidth(int col, int width) = 0;
    virtual int rowHeight(int row) const = 0;
    virtual void setRowHeight(int row, int height) = 0;
    virtual int colPos(int col) const = 0;
    virtual int rowPos(int row) const = 0;

    // The cell the user clicked.
    virtual int rowSel() const = 0;
    virtual int colSel() const = 0;

    virtual int topRow() const = 0;
    virtual void setTopRow(int row) = 0;

    // Convenience over setRow/setCol/setCellBackColor.
    void paintCell(int row, int col, GridColor color) {
        setRow(row);
        setCol(col);
        setCellBackColor(color);
    }
};

} // namespace brenmoor
