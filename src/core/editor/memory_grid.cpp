#include "core/editor/memory_grid.h"

namespace brenmoor {

namespace {
// What the control starts with before the window lays it out.
constexpr int kDefaultColWidth = 1500;
constexpr int kDefaultRowHeight = 300;
} // namespace

void MemoryGrid::dropOutside() {
    std::erase_if(texts_, [this](const auto& e) { return !inside(e.first.first, e.first.second); });
    std::erase_if(colors_,
                  [this](const auto& e) { return !inside(e.first.first, e.first.second); });
}

void MemoryGrid::setRows(int rows) {
    rows_ = rows < 0 ? 0 : rows;
    dropOutside();
}

void MemoryGrid::setCols(int cols) {
    cols_ = cols < 0 ? 0 : cols;
    dropOutside();
}

void MemoryGrid::clear() {
    texts_.clear();
    colors_.clear();
}

std::string MemoryGrid::textMatrix(int row, int col) const {
    const auto it = texts_.find({row, col});
    return it == texts_.end() ? std::string() : it->second;
}

void MemoryGrid::setTextMatrix(int row, int col, std::string_view text) {
    if (!inside(row, col))
        return;
    if (text.empty())
        texts_.erase({row, col});
    else
        texts_[{row, col}] = std::string(text);
}

void MemoryGrid::setCellBackColor(GridColor color) {
    if (!inside(row_, col_))
        return;
    if (color == kDefaultColor)
        colors_.erase({row_, col_});
    else
        colors_[{row_, col_}] = color;
}

GridColor MemoryGrid::cellBackColor(int row, int col) const {
    const auto it = colors_.find({row, col});
    return it == colors_.end() ? kDefaultColor : it->second;
}

int MemoryGrid::colAlignment(int col) const {
    const auto it = alignments_.find(col);
    return it == alignments_.end() ? 0 : it->second;
}

int MemoryGrid::colWidth(int col) const {
    const auto it = colWidths_.find(col);
    return it == colWidths_.end() ? kDefaultColWidth : it->second;
}

int MemoryGrid::rowHeight(int row) const {
    const auto it = rowHeights_.find(row);
    return it == rowHeights_.end() ? kDefaultRowHeight : it->second;
}

int MemoryGrid::colPos(int col) const {
    int pos = 0;
    for (int c = 0; c < col; ++c)
        pos += colWidth(c);
    return pos;
}

int MemoryGrid::rowPos(int row) const {
    int pos = 0;
    for (int r = topRow_; r < row; ++r)
        pos += rowHeight(r);
    return pos;
}

} // namespace brenmoor
