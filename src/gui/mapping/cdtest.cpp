#include "gui/mapping/cdtest.h"

#include "core/editor/command_summary.h"
#include "core/resources/messages_mapping.h"
#include "gui/app/gui_text.h"
#include "gui/mapping/cdbitshow.h"
#include "gui/mapping/conflict_map_model.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>

#include <cmath>

namespace brenmoor::gui {

namespace {

int twipsToPixels(double twips, int dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

// A legend square: four blanks on the colour it stands for.
QLabel* legendSquare(MapColour colour, QWidget* parent) {
    auto* square = new QLabel(QStringLiteral("    "), parent);
    square->setAutoFillBackground(true);
    QPalette palette = square->palette();
    palette.setColor(QPalette::Window, mapColour(colour));
    square->setPalette(palette);
    const int side = square->fontMetrics().height();
    square->setFixedSize(side, side);
    // Its text is blank: a screen reader names it by its colour.
    square->setAccessibleName(qtext(mapColourName(colour)));
    return square;
}

} // namespace

CDTest::CDTest(const Project& project, MappingState& state, QWidget* parent)
    : QDialog(parent), state_(state), maps_(ConflictMaps::open(project, state)) {
    setWindowTitle(qtext(msg::ConflictDialogTitle));

    list_ = new QListWidget(this);
    list_->setUniformItemSizes(true);
    inputModel_ = new ConflictMapModel(maps_, MapArea::Input, this);
    outputModel_ = new ConflictMapModel(maps_, MapArea::Output, this);
    inputGrid_ = makeGrid(inputModel_);
    outputGrid_ = makeGrid(outputModel_);
    popup_ = new CDBitShow(this);
    // Named by the captions above them, as a screen reader should say them.
    list_->setAccessibleName(qtext(msg::CommandListLabel));
    inputGrid_->setAccessibleName(qtext(msg::InputAreaLabel));
    outputGrid_->setAccessibleName(qtext(msg::OutputAreaLabel));

    // Sizes in dialog units of the dialog's font, as the layout was drawn.
    const QFontMetrics metrics = fontMetrics();
    const double unitX = metrics.averageCharWidth() / 4.0;
    const double unitY = metrics.height() / 8.0;
    list_->setMinimumSize(static_cast<int>(439 * unitX), static_cast<int>(83 * unitY));
    for (QTableView* grid : {inputGrid_, outputGrid_})
        grid->setMinimumHeight(static_cast<int>(97 * unitY));

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(qtext(msg::CommandListLabel), this), 0, 0, 1, 2);
    layout->addWidget(list_, 1, 0, 1, 2);
    layout->addWidget(new QLabel(qtext(msg::InputAreaLabel), this), 2, 0);
    layout->addWidget(new QLabel(qtext(msg::OutputAreaLabel), this), 2, 1);
    layout->addWidget(inputGrid_, 3, 0);
    layout->addWidget(outputGrid_, 3, 1);
    layout->setRowStretch(1, 1);
    layout->setRowStretch(3, 2);

    auto* legend = new QHBoxLayout;
    const std::pair<MapColour, MessageId> entries[] = {
        {MapColour::Green, msg::LegendInput},
        {MapColour::Blue, msg::LegendOutput},
        {MapColour::Red, msg::LegendConflict},
        {MapColour::Yellow, msg::LegendLocalDataExchange},
    };
    for (const auto& [colour, text] : entries) {
        legend->addWidget(legendSquare(colour, this));
        legend->addWidget(new QLabel(qtext(text), this));
        legend->addSpacing(metrics.averageCharWidth() * 3);
    }
    legend->addStretch(1);
    layout->addLayout(legend, 4, 0, 1, 2);

    fillCommandList(project);
    connect(list_, &QListWidget::itemChanged, this, &CDTest::itemChanged);
    // Sees the presses of the maps and a right-button press anywhere in
    // the dialog, whichever child gets it.
    qApp->installEventFilter(this);
}

CDTest::~CDTest() {
    qApp->removeEventFilter(this);
}

QTableView* CDTest::makeGrid(ConflictMapModel* model) {
    auto* grid = new QTableView(this);
    grid->setModel(model);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    // The cells show colours only: a selection or focus mark would hide them.
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setMinimumSectionSize(1);

    const int dpi = logicalDpiX();
    int width = 0;
    for (int column = 0; column < ConflictMapModel::kColumns; ++column) {
        const int pixels = twipsToPixels(column == 0 ? 600 : 300, dpi);
        grid->setColumnWidth(column, pixels);
        width += pixels;
    }
    // Wide enough for all seventeen columns: no sideways scrolling.
    grid->setFixedWidth(width + 2 * grid->frameWidth() +
                        grid->verticalScrollBar()->sizeHint().width());
    return grid;
}

void CDTest::fillCommandList(const Project& project) {
    const QSignalBlocker blocker(list_);
    applied_.clear();
    for (const ConflictEntry& entry : maps_.entries()) {
        auto* item = new QListWidgetItem(qtext(conflictEntryText(entry)), list_);
        // Rows of one function look alike; the tooltip tells them apart.
        const QString summary = qtext(commandSummary(project, entry.subnet, entry.command));
        item->setToolTip(summary);
        item->setData(Qt::AccessibleDescriptionRole, summary);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.checked() ? Qt::Checked : Qt::Unchecked);
        applied_.push_back(entry.checked());
    }
}

void CDTest::itemChanged(QListWidgetItem* item) {
    const int row = list_->row(item);
    if (row < 0 || static_cast<std::size_t>(row) >= applied_.size())
        return;
    const bool checked = item->checkState() == Qt::Checked;
    if (checked == applied_[static_cast<std::size_t>(row)])
        return; // a change of something other than the check box
    applied_[static_cast<std::size_t>(row)] = checked;
    for (const CellSpan& span : maps_.toggle(static_cast<std::size_t>(row), state_)) {
        inputModel_->repaint(span);
        outputModel_->repaint(span);
    }
}

bool CDTest::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::MouseButtonDblClick)
        return QDialog::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    QTableView* grid = nullptr;
    if (watched == inputGrid_->viewport())
        grid = inputGrid_;
    else if (watched == outputGrid_->viewport())
        grid = outputGrid_;

    if (grid) {
        if (type == QEvent::MouseButtonRelease) {
            hidePopup();
            return false;
        }
        // A double click is a second press for the map.
        mapPressed(grid, mouse);
        return mouse->button() == Qt::RightButton;
    }
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && (widget == this || isAncestorOf(widget)))
            rightMark_ = true;
    }
    return QDialog::eventFilter(watched, event);
}

void CDTest::mapPressed(QTableView* grid, QMouseEvent* event) {
    // The right button marks and a map press only clears the mark: a right
    // press on a map therefore leaves neither mark nor popup.
    if (rightMark_ || event->button() == Qt::RightButton) {
        rightMark_ = false;
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    hidePopup();
    const int byte = ConflictMapModel::byteAt(grid->indexAt(event->position().toPoint()));
    if (byte < 0)
        return;
    const MapArea area = grid == inputGrid_ ? MapArea::Input : MapArea::Output;
    popup_->showByte(maps_, area, byte, event->globalPosition().toPoint());
}

void CDTest::hidePopup() {
    if (popup_->isVisible())
        popup_->hide();
}

} // namespace brenmoor::gui
