#include "gui/editor/configuration_tree_widget.h"

#include "gui/app/gui_text.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

namespace brenmoor::gui {

namespace {
constexpr int kItemIdRole = Qt::UserRole + 1;

// Keeps `flag` set while the widget follows the core.
class Following {
  public:
    explicit Following(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~Following() { flag_ = old_; }

  private:
    bool& flag_;
    bool old_;
};
} // namespace

ConfigurationTreeWidget::ConfigurationTreeWidget(const ConfigurationTree& tree, QWidget* parent)
    : QTreeWidget(parent), tree_(tree) {
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // The mouse's right button is handled on its press; the keyboard's
    // menu request arrives as a context menu event.
    setContextMenuPolicy(Qt::DefaultContextMenu);
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) {
                if (following_ || !current)
                    return;
                emit userSelected(itemId(current));
            });
}

ItemId ConfigurationTreeWidget::itemId(const QTreeWidgetItem* widgetItem) const {
    return widgetItem ? widgetItem->data(0, kItemIdRole).toInt() : kNoItem;
}

void ConfigurationTreeWidget::insertWidgetItem(ItemId item) {
    auto* widgetItem = new QTreeWidgetItem;
    widgetItem->setText(0, qtext(tree_.text(item)));
    widgetItem->setData(0, kItemIdRole, item);
    const int index = tree_.indexInParent(item);
    if (QTreeWidgetItem* parentItem = items_.value(tree_.parent(item)))
        parentItem->insertChild(std::min(index, parentItem->childCount()), widgetItem);
    else
        insertTopLevelItem(std::min(index, topLevelItemCount()), widgetItem);
    items_.insert(item, widgetItem);
}

void ConfigurationTreeWidget::treeAboutToReset() {}

void ConfigurationTreeWidget::treeReset() {
    Following guard(following_);
    QTreeWidget::clear();
    items_.clear();
}

void ConfigurationTreeWidget::itemInserted(ItemId item) {
    Following guard(following_);
    insertWidgetItem(item);
}

void ConfigurationTreeWidget::forget(QTreeWidgetItem* widgetItem) {
    for (int i = 0; i < widgetItem->childCount(); ++i)
        forget(widgetItem->child(i));
    items_.remove(itemId(widgetItem));
}

void ConfigurationTreeWidget::itemAboutToBeRemoved(ItemId item) {
    Following guard(following_);
    QTreeWidgetItem* widgetItem = items_.value(item);
    if (!widgetItem)
        return;
    forget(widgetItem);
    delete widgetItem;
}

void ConfigurationTreeWidget::itemChanged(ItemId item) {
    if (QTreeWidgetItem* widgetItem = items_.value(item))
        widgetItem->setText(0, qtext(tree_.text(item)));
}

void ConfigurationTreeWidget::itemExpanded(ItemId item) {
    if (QTreeWidgetItem* widgetItem = items_.value(item))
        widgetItem->setExpanded(true);
}

void ConfigurationTreeWidget::selectionChanged(ItemId item) {
    Following guard(following_);
    QTreeWidgetItem* widgetItem = items_.value(item);
    setCurrentItem(widgetItem);
    if (widgetItem)
        scrollToItem(widgetItem);
}

void ConfigurationTreeWidget::refreshToolTips(const std::function<std::string(ItemId)>& tipOf) {
    for (auto it = items_.cbegin(); it != items_.cend(); ++it) {
        const QString tip = qtext(tipOf(it.key()));
        if (it.value()->toolTip(0) != tip) {
            it.value()->setToolTip(0, tip);
            it.value()->setData(0, Qt::AccessibleDescriptionRole, tip);
        }
    }
}

void ConfigurationTreeWidget::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (event->reason() != QContextMenuEvent::Keyboard)
        return;
    if (keyMenuShown_) {
        keyMenuShown_ = false;
        return;
    }
    keyboardMenu();
}

void ConfigurationTreeWidget::keyPressEvent(QKeyEvent* event) {
    keyMenuShown_ = false;
    const bool menuKey = event->key() == Qt::Key_Menu ||
                         (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (!menuKey) {
        QTreeWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    keyMenuShown_ = true;
    keyboardMenu();
}

void ConfigurationTreeWidget::keyboardMenu() {
    // The menu of the selected item, below it, as a right-click on it gives.
    QTreeWidgetItem* current = currentItem();
    if (!current)
        return;
    const QRect rect = visualItemRect(current);
    emit userRightClicked(itemId(current), viewport()->mapToGlobal(rect.bottomLeft()));
}

void ConfigurationTreeWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        QTreeWidgetItem* hit = QTreeWidget::itemAt(event->position().toPoint());
        if (hit)
            emit userRightClicked(itemId(hit), event->globalPosition().toPoint());
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

} // namespace brenmoor::gui
