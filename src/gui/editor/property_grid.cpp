#include "gui/editor/property_grid.h"

#include "gui/app/gui_text.h"
#include "gui/app/palette_colours.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QWheelEvent>

#include <cmath>

namespace brenmoor::gui {

namespace {
QColor toQColor(GridColor color) {
    return QColor(color & 0xff, (color >> 8) & 0xff, (color >> 16) & 0xff);
}

GridColor toGridColor(const QColor& color) {
    return rgb(static_cast<uint8_t>(color.red()), static_cast<uint8_t>(color.green()),
               static_cast<uint8_t>(color.blue()));
}

// The label column looks like the grid's fixed cells, in the palette's
// colours, unless a page paints a cell itself. The cell the keyboard is on
// gets a frame: the grid selects nothing, so nothing else would show it.
class GridCellDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (!(option.state & QStyle::State_HasFocus))
            return;
        painter->save();
        painter->setPen(QPen(option.palette.color(QPalette::Highlight), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        painter->restore();
    }

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        // The frame above marks the cell; the style's own dotted one would
        // only cross the text.
        option->state &= ~QStyle::State_HasFocus;
        if (index.column() == 0 && option->backgroundBrush.style() == Qt::NoBrush) {
            option->backgroundBrush = option->palette.color(QPalette::Button);
            option->palette.setColor(QPalette::Text, option->palette.color(QPalette::ButtonText));
        }
    }
};

// Column alignments as the grid control numbers them.
Qt::Alignment alignmentOf(int alignment) {
    switch (alignment) {
    case 1:
    case 0:
    case 2:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case 3:
    case 4:
    case 5:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case 6:
    case 7:
    case 8:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}
} // namespace

PropertyGrid::PropertyGrid(QWidget* parent) : QTableWidget(parent) {
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    // Tab leaves the grid for the next pane; the arrows move in it.
    setTabKeyNavigation(false);
    setItemDelegate(new GridCellDelegate(this));
    // The two columns together are as wide as the whole control, so a click
    // must not scroll the clicked cell into view: the in-place editor is
    // placed from the positions at the click.
    setAutoScroll(false);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { emit gridScrolled(); });
}

void PropertyGrid::setRows(int rows) {
    const int old = rowCount();
    const int height = old > 0 ? rowHeight(0) : -1;
    setRowCount(std::max(rows, 0));
    // New rows take the height the others were given.
    if (height > 0)
        for (int r = old; r < rowCount(); ++r)
            setRowHeight(r, height);
}

void PropertyGrid::setCols(int cols) {
    setColumnCount(std::clamp(cols, 0, 2));
}

void PropertyGrid::clear() {
    clearContents();
}

QTableWidgetItem* PropertyGrid::itemAt(int row, int col) {
    if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount())
        return nullptr;
    QTableWidgetItem* cell = item(row, col);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setTextAlignment(alignments_[col]);
        setItem(row, col, cell);
    }
    return cell;
}

std::string PropertyGrid::textMatrix(int row, int col) const {
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text().toStdString() : std::string();
}

void PropertyGrid::setTextMatrix(int row, int col, std::string_view text) {
    if (QTableWidgetItem* cell = itemAt(row, col))
        cell->setText(qtext(text));
}

void PropertyGrid::setCellBackColor(GridColor color) {
    QTableWidgetItem* cell = itemAt(row_, col_);
    if (!cell)
        return;
    if (color == kDefaultColor) {
        cell->setBackground(QBrush());
        cell->setForeground(QBrush());
        return;
    }
    // A fixed background takes a fixed text colour with it: the palette's
    // text colour would vanish on it under a dark theme.
    const QColor background = toQColor(color);
    cell->setBackground(background);
    cell->setForeground(textColourOn(background));
}

GridColor PropertyGrid::cellBackColor(int row, int col) const {
    const QTableWidgetItem* cell = item(row, col);
    if (!cell || cell->background().style() == Qt::NoBrush)
        return kDefaultColor;
    return toGridColor(cell->background().color());
}

void PropertyGrid::setColAlignment(int col, int alignment) {
    if (col < 0 || col > 1)
        return;
    alignments_[col] = alignmentOf(alignment);
    for (int r = 0; r < rowCount(); ++r)
        if (QTableWidgetItem* cell = item(r, col))
            cell->setTextAlignment(alignments_[col]);
}

int PropertyGrid::colWidth(int col) const {
    return static_cast<int>(std::lround(columnWidth(col) * twipsPerPixelX()));
}

void PropertyGrid::setColWidth(int col, int width) {
    setColumnWidth(col, static_cast<int>(std::lround(width / twipsPerPixelX())));
}

int PropertyGrid::rowHeight(int row) const {
    return static_cast<int>(std::lround(QTableWidget::rowHeight(row) * twipsPerPixelY()));
}

void PropertyGrid::setRowHeight(int row, int height) {
    QTableWidget::setRowHeight(row, static_cast<int>(std::lround(height / twipsPerPixelY())));
}

// Positions are measured inside the control, frame included, as the grid
// control reports them.
int PropertyGrid::colPos(int col) const {
    const int x = viewport()->x() + columnViewportPosition(col);
    return static_cast<int>(std::lround(x * twipsPerPixelX()));
}

int PropertyGrid::rowPos(int row) const {
    const int y = viewport()->y() + rowViewportPosition(row);
    return static_cast<int>(std::lround(y * twipsPerPixelY()));
}

int PropertyGrid::topRow() const {
    return verticalScrollBar()->value();
}

void PropertyGrid::setTopRow(int row) {
    verticalScrollBar()->setValue(std::max(row, 0));
}

void PropertyGrid::mousePressEvent(QMouseEvent* event) {
    const QModelIndex index = indexAt(event->position().toPoint());
    QTableWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !index.isValid())
        return;
    rowSel_ = index.row();
    colSel_ = index.column();
    emit gridClicked();
}

void PropertyGrid::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool opens = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2;
    if (!opens || event->modifiers() & ~Qt::KeypadModifier) {
        QTableWidget::keyPressEvent(event);
        // A click never scrolls the grid; the keyboard's current row is kept
        // in view, by whole rows and never sideways.
        if (const int row = currentRow(); row >= 0) {
            if (row < topRow())
                setTopRow(row);
            while (topRow() < row &&
                   rowViewportPosition(row) + QTableWidget::rowHeight(row) > viewport()->height()) {
                const int top = topRow();
                setTopRow(top + 1);
                if (topRow() == top)
                    break; // the last rows are in view already
            }
        }
        return;
    }
    // The keyboard's click: the current cell opens exactly as a click on it
    // would.
    const QModelIndex current = currentIndex();
    event->accept();
    if (!current.isValid())
        return;
    rowSel_ = current.row();
    colSel_ = current.column();
    emit gridClicked();
}

void PropertyGrid::focusInEvent(QFocusEvent* event) {
    // The keyboard needs a cell to start from: the first value.
    if (!currentIndex().isValid() && rowCount() > 0 && columnCount() > 1)
        setCurrentCell(0, 1);
    QTableWidget::focusInEvent(event);
}

// One row per wheel message, as the program has always scrolled its grid.
void PropertyGrid::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0 || !hasFocus()) {
        event->ignore();
        return;
    }
    setTopRow(topRow() + (delta > 0 ? -1 : 1));
    event->accept();
}

} // namespace brenmoor::gui
