#include "gui/editor/modbus_config_view.h"

#include "core/editor/command_summary.h"
#include "core/editor/property_pages.h"
#include "core/resources/messages_gui.h"
#include "gui/app/command_ids.h"
#include "gui/app/gui_text.h"
#include "gui/editor/configuration_tree_widget.h"
#include "gui/editor/in_place_list.h"
#include "gui/editor/property_grid.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>

namespace brenmoor::gui {

namespace {
// The tree is 220 pixels wide and the grid starts at 224: the 4 pixels
// between them are the divider that widens the tree.
constexpr int kTreeWidth = 220;
constexpr int kDividerWidth = 4;
constexpr int kCaptionHeight = 20;

// Whether the keyboard is with the list, its open drop-down or nowhere: a
// closing list then hands it back to the cell.
bool listHasKeyboard(QComboBox* list) {
    const QWidget* focus = QApplication::focusWidget();
    return !focus || focus == list || list->isAncestorOf(focus) ||
           focus->window() == list->view()->window();
}

bool isFocusLossOfUser(QEvent* event) {
    return event->type() == QEvent::FocusOut &&
           static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
}
} // namespace

CModbusConfigView::CModbusConfigView(Project& project, Prompter& prompter, InfoPanel& info,
                                     QWidget* parent)
    : QWidget(parent), deviceCaption_(new QLabel(qtext(msg::CaptionDevice), this)),
      configCaption_(new QLabel(qtext(msg::CaptionConfiguration), this)),
      grid_(new PropertyGrid(this)),
      editor_(std::make_unique<ConfigurationEditor>(project, *grid_, prompter, info)),
      tree_(new ConfigurationTreeWidget(editor_->tree(), this)), list_(new InPlaceList(this)),
      edit_(new QLineEdit(this)) {
    editor_->tree().setObserver(tree_);
    grid_->setObjectName(QStringLiteral("propertyGrid"));
    tree_->setObjectName(QStringLiteral("configurationTree"));
    list_->setObjectName(QStringLiteral("inPlaceList"));
    edit_->setObjectName(QStringLiteral("inPlaceEdit"));
    // A screen reader names the two panes by the captions above them.
    tree_->setAccessibleName(deviceCaption_->text());
    grid_->setAccessibleName(configCaption_->text());
    list_->setEditable(false);
    list_->hide();
    edit_->hide();
    list_->installEventFilter(this);
    edit_->installEventFilter(this);
    grid_->installEventFilter(this);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    splitter_->setObjectName(QStringLiteral("treeGridSplitter"));
    splitter_->setHandleWidth(kDividerWidth);
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(pane(deviceCaption_, tree_));
    splitter_->addWidget(pane(configCaption_, grid_));
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setSizes({kTreeWidth, std::max(width() - kTreeWidth - kDividerWidth, 1)});
    list_->raise();
    edit_->raise();
    setTabOrder(tree_, grid_);

    connect(tree_, &ConfigurationTreeWidget::userSelected, this,
            &CModbusConfigView::onTreeSelected);
    connect(tree_, &ConfigurationTreeWidget::userRightClicked, this,
            &CModbusConfigView::onTreeRightClicked);
    connect(grid_, &PropertyGrid::gridClicked, this, &CModbusConfigView::onGridClicked);
    connect(grid_, &PropertyGrid::gridScrolled, this, &CModbusConfigView::onGridScrolled);
    connect(list_, &QComboBox::activated, this, &CModbusConfigView::commitList);
    connect(list_, &InPlaceList::popupHidden, this, [this] {
        // A choice arrives right after the list closes; only a list closed
        // without one is taken away here.
        QTimer::singleShot(0, this, &CModbusConfigView::listClosed);
    });
    // Commands under one node share their name: each tells its addresses
    // in its tooltip, kept up to date with every change.
    connect(this, &CModbusConfigView::stateChanged, this, [this] {
        tree_->refreshToolTips([this](ItemId item) { return itemToolTip(*editor_, item); });
    });
}

QWidget* CModbusConfigView::pane(QLabel* caption, QWidget* body) {
    auto* pane = new QWidget(this);
    auto* layout = new QVBoxLayout(pane);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    caption->setFixedHeight(kCaptionHeight);
    layout->addWidget(caption);
    layout->addWidget(body, 1);
    return pane;
}

QComboBox* CModbusConfigView::listEditor() const {
    return list_;
}

CModbusConfigView::~CModbusConfigView() {
    // An open editor that loses the focus while the window goes is no
    // commit of the user's.
    for (QObject* watched :
         {static_cast<QObject*>(list_), static_cast<QObject*>(edit_), static_cast<QObject*>(grid_)})
        watched->removeEventFilter(this);
    editor_->tree().setObserver(nullptr);
}

void CModbusConfigView::newDocument() {
    edit_->hide();
    list_->hide();
    editor_->newDocument();
    layoutChildren();
    emit stateChanged();
}

void CModbusConfigView::documentOpened() {
    edit_->hide();
    list_->hide();
    editor_->documentOpened();
    layoutChildren();
    emit stateChanged();
}

void CModbusConfigView::storeReplaced() {
    editor_->storeReplaced();
    emit stateChanged();
}

// --- Tree ------------------------------------------------------------------

void CModbusConfigView::selectItem(ItemId item) {
    onTreeSelected(item);
}

void CModbusConfigView::onTreeSelected(ItemId item) {
    // The page build takes the edit box's text and gives it back afterwards.
    editor_->state().editText = edit_->text().toStdString();
    editor_->selectItem(item);
    edit_->setText(qtext(editor_->state().editText));
    emit stateChanged();
}

QMenu* CModbusConfigView::prepareContextMenu(ItemId item) {
    const ContextMenu menu = editor_->rightClick(item);
    emit stateChanged();
    if (!menu.shown)
        return nullptr;
    delete contextMenu_;
    contextMenu_ = new QMenu(this);
    auto add = [this](MessageId text, int id, bool enabled, auto handler) {
        QAction* action = contextMenu_->addAction(qtext(text));
        action->setData(id);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, handler);
    };
    add(msg::TreeAddNode, cmd::TreeAddNode, menu.addNode, [this] { addNode(); });
    add(msg::TreeDeleteNode, cmd::TreeDeleteNode, menu.deleteNode,
        [this] { deleteNode(MenuVariant::ContextMenu); });
    add(msg::TreeAddCommand, cmd::TreeAddCommand, menu.addCommand,
        [this] { emit addCommandRequested(); });
    add(msg::TreeDeleteCommand, cmd::TreeDeleteCommand, menu.deleteCommand,
        [this] { deleteCommand(MenuVariant::ContextMenu); });
    add(msg::TreeCopyNode, cmd::CopyNode, menu.copyNode, [this] { copyNode(); });
    add(msg::TreePasteNode, cmd::PasteNode, menu.pasteNode, [this] { pasteNode(); });
    return contextMenu_;
}

void CModbusConfigView::onTreeRightClicked(ItemId item, const QPoint& globalPos) {
    if (QMenu* menu = prepareContextMenu(item))
        menu->exec(globalPos);
}

void CModbusConfigView::addNode() {
    editor_->addNode();
    emit stateChanged();
}

void CModbusConfigView::deleteNode(MenuVariant variant) {
    editor_->deleteNode(variant);
    emit stateChanged();
}

void CModbusConfigView::deleteCommand(MenuVariant variant) {
    editor_->deleteCommand(variant);
    emit stateChanged();
}

void CModbusConfigView::copyNode() {
    editor_->copyNode();
    emit stateChanged();
}

void CModbusConfigView::pasteNode() {
    editor_->pasteNode();
    emit stateChanged();
}

void CModbusConfigView::addCommandFromList(int position) {
    editor_->addCommandFromList(position);
    emit stateChanged();
}

// --- Grid and in-place editors -------------------------------------------

QRect CModbusConfigView::cellRect(int row, int col) const {
    const double tx = grid_->twipsPerPixelX();
    const double ty = grid_->twipsPerPixelY();
    const int left = static_cast<int>(grid_->colPos(col) / tx);
    const int top = static_cast<int>(grid_->rowPos(row) / ty);
    const int width = static_cast<int>(grid_->colWidth(col) / tx) + 1;
    const int height = static_cast<int>(grid_->rowHeight(row) / ty);
    // The grid's edges measured inside the view, wherever the divider has
    // put it.
    const QPoint origin = grid_->mapTo(this, QPoint(0, 0));
    QRect rect(left + origin.x() + 1, top + origin.y(), width, height);
    // The two half-width columns reach under the grid's scroll bar; the
    // editor stops where the cells stop being visible.
    const int visibleRight = origin.x() + grid_->viewport()->geometry().right();
    if (rect.right() > visibleRight && visibleRight > rect.left())
        rect.setRight(visibleRight);
    return rect;
}

void CModbusConfigView::onGridClicked() {
    const EditorRequest request = editor_->gridClicked();
    if (request.kind == EditorRequest::Kind::List)
        openList(request);
    else if (request.kind == EditorRequest::Kind::EditBox)
        openEditBox(request);
}

void CModbusConfigView::openList(const EditorRequest& request) {
    list_->setGeometry(cellRect(request.row, request.col));
    list_->setAccessibleName(grid_->item(request.row, 0) ? grid_->item(request.row, 0)->text()
                                                         : QString());
    {
        const QSignalBlocker blocker(list_);
        list_->clear();
        for (const std::string& choice : request.choices)
            list_->addItem(qtext(choice));
        list_->setCurrentIndex(0);
    }
    list_->show();
    list_->raise();
    list_->setFocus(Qt::MouseFocusReason);
    list_->showPopup();
}

void CModbusConfigView::openEditBox(const EditorRequest& request) {
    edit_->setGeometry(cellRect(request.row, request.col));
    // Announced by the label of the row it edits.
    edit_->setAccessibleName(grid_->item(request.row, 0) ? grid_->item(request.row, 0)->text()
                                                         : QString());
    edit_->setText(qtext(request.text));
    edit_->selectAll();
    edit_->show();
    edit_->raise();
    edit_->setFocus(Qt::MouseFocusReason);
}

void CModbusConfigView::focusEditedCell() {
    const EditorState& state = editor_->state();
    if (state.clickedRow >= 0 && state.clickedRow < grid_->rowCount() && state.clickedColumn >= 0 &&
        state.clickedColumn < grid_->columnCount())
        grid_->setCurrentCell(state.clickedRow, state.clickedColumn);
    grid_->setFocus(Qt::OtherFocusReason);
}

void CModbusConfigView::commitEditBox() {
    if (committing_ || !edit_->isVisible())
        return;
    committing_ = true;
    const QString typed = edit_->text();
    // Enter, a scroll, a command or the user leaving for another program:
    // the keyboard goes back to the cell (for a window left, when it is
    // active again). A click elsewhere has already taken it where the user
    // wanted it.
    if (edit_->hasFocus() || edit_->window()->focusWidget() == edit_)
        focusEditedCell();
    edit_->hide();
    const std::string shown = editor_->commitEditBox(typed.toStdString());
    edit_->setText(qtext(shown));
    committing_ = false;
    emit stateChanged();
}

void CModbusConfigView::cancelEditBox() {
    if (committing_ || !edit_->isVisible())
        return;
    committing_ = true;
    focusEditedCell();
    edit_->hide();
    edit_->setText(qtext(editor_->cancelEditBox()));
    committing_ = false;
}

void CModbusConfigView::commitList(int index) {
    if (committing_ || !list_->isVisible() || index < 0)
        return;
    committing_ = true;
    const QString choice = list_->itemText(index);
    if (listHasKeyboard(list_))
        focusEditedCell();
    list_->hide();
    editor_->commitListChoice(choice.toStdString());
    committing_ = false;
    emit stateChanged();
}

void CModbusConfigView::hideList() {
    if (committing_ || !list_->isVisible())
        return;
    committing_ = true;
    if (listHasKeyboard(list_))
        focusEditedCell();
    list_->hidePopup();
    list_->hide();
    editor_->closeList();
    committing_ = false;
}

void CModbusConfigView::listClosed() {
    // Still shown: the list closed without a choice (Escape, or a click
    // beside it). It goes, and the cell shows its value again.
    if (list_->isVisible() && !list_->view()->isVisible())
        hideList();
}

void CModbusConfigView::onGridScrolled() {
    if (edit_->isVisible())
        commitEditBox();
    else
        hideList();
}

bool CModbusConfigView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::Resize) {
        layoutChildren();
    } else if (watched == edit_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                commitEditBox();
                return true;
            }
            if (key == Qt::Key_Escape) {
                cancelEditBox();
                return true;
            }
        } else if (isFocusLossOfUser(event)) {
            commitEditBox();
        }
    } else if (watched == list_ && isFocusLossOfUser(event) && !list_->view()->isVisible()) {
        // The list's own drop-down takes the focus while it is open.
        hideList();
    } else if (watched == list_ && event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        hideList();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// --- Layout ----------------------------------------------------------------

void CModbusConfigView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    splitter_->setGeometry(rect());
    layoutChildren();
}

// The grid's columns follow its width, whether the window or the divider
// changed it.
void CModbusConfigView::layoutChildren() {
    layoutPropertyGrid(*grid_, static_cast<int>(grid_->width() * grid_->twipsPerPixelX()));
}

} // namespace brenmoor::gui
