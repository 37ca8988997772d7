#include "gui/editor/modbus_config_view.h"

#include "core/editor/property_pages.h"
#include "core/resources/messages_gui.h"
#include "gui/app/command_ids.h"
#include "gui/app/gui_text.h"
#include "gui/editor/configuration_tree_widget.h"
#include "gui/editor/property_grid.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include <cmath>

namespace brenmoor::gui {

namespace {
constexpr int kTreeWidth = 220;
constexpr int kGridLeft = 224;
constexpr int kCaptionHeight = 20;

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
      tree_(new ConfigurationTreeWidget(editor_->tree(), this)), list_(new QComboBox(this)),
      edit_(new QLineEdit(this)) {
    editor_->tree().setObserver(tree_);
    grid_->setObjectName(QStringLiteral("propertyGrid"));
    tree_->setObjectName(QStringLiteral("configurationTree"));
    list_->setObjectName(QStringLiteral("inPlaceList"));
    edit_->setObjectName(QStringLiteral("inPlaceEdit"));
    list_->setEditable(false);
    list_->hide();
    edit_->hide();
    list_->installEventFilter(this);
    edit_->installEventFilter(this);

    connect(tree_, &ConfigurationTreeWidget::userSelected, this,
            &CModbusConfigView::onTreeSelected);
    connect(tree_, &ConfigurationTreeWidget::userRightClicked, this,
            &CModbusConfigView::onTreeRightClicked);
    connect(grid_, &PropertyGrid::gridClicked, this, &CModbusConfigView::onGridClicked);
    connect(grid_, &PropertyGrid::gridScrolled, this, &CModbusConfigView::onGridScrolled);
    connect(list_, &QComboBox::activated, this, &CModbusConfigView::commitList);
}

CModbusConfigView::~CModbusConfigView() {
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
    QRect rect(left + grid_->x() + 1, top + grid_->y(), width, height);
    // The two half-width columns reach under the grid's scroll bar; the
    // editor stops where the cells stop being visible.
    const int visibleRight = grid_->x() + grid_->viewport()->geometry().right();
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
    edit_->setText(qtext(request.text));
    edit_->selectAll();
    edit_->show();
    edit_->raise();
    edit_->setFocus(Qt::MouseFocusReason);
}

void CModbusConfigView::commitEditBox() {
    if (committing_ || !edit_->isVisible())
        return;
    committing_ = true;
    const QString typed = edit_->text();
    edit_->hide();
    const std::string shown = editor_->commitEditBox(typed.toStdString());
    edit_->setText(qtext(shown));
    committing_ = false;
    emit stateChanged();
}

void CModbusConfigView::commitList(int index) {
    if (committing_ || !list_->isVisible() || index < 0)
        return;
    committing_ = true;
    const QString choice = list_->itemText(index);
    list_->hide();
    editor_->commitListChoice(choice.toStdString());
    committing_ = false;
    emit stateChanged();
}

void CModbusConfigView::hideList() {
    if (committing_ || !list_->isVisible())
        return;
    committing_ = true;
    list_->hidePopup();
    list_->hide();
    editor_->closeList();
    committing_ = false;
}

void CModbusConfigView::onGridScrolled() {
    if (edit_->isVisible())
        commitEditBox();
    else
        hideList();
}

bool CModbusConfigView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                commitEditBox();
                return true;
            }
        } else if (isFocusLossOfUser(event)) {
            commitEditBox();
        }
    } else if (watched == list_ && isFocusLossOfUser(event) && !list_->view()->isVisible()) {
        // The list's own drop-down takes the focus while it is open.
        hideList();
    }
    return QWidget::eventFilter(watched, event);
}

// --- Layout ----------------------------------------------------------------

void CModbusConfigView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutChildren();
}

void CModbusConfigView::layoutChildren() {
    const int right = width();
    const int bottom = height();
    deviceCaption_->setGeometry(0, 0, 300, kCaptionHeight);
    tree_->setGeometry(0, kCaptionHeight, kTreeWidth, std::max(bottom - kCaptionHeight, 0));
    configCaption_->setGeometry(kGridLeft, 0, std::max(right - kGridLeft, 0), kCaptionHeight);
    grid_->setGeometry(kGridLeft, kCaptionHeight, std::max(right - kGridLeft, 0),
                       std::max(bottom - kCaptionHeight, 0));
    layoutPropertyGrid(*grid_, static_cast<int>(grid_->width() * grid_->twipsPerPixelX()));
}

} // namespace brenmoor::gui
