#pragma once

#include "core/editor/configuration_tree.h"

#include <QHash>
#include <QTreeWidget>

#include <functional>
#include <string>

namespace brenmoor::gui {

// Shows the core's configuration tree and follows each of its changes. The
// core decides what the tree holds and which item is selected; this widget
// only reports what the user clicked.
class ConfigurationTreeWidget : public QTreeWidget, public TreeObserver {
    Q_OBJECT

  public:
    explicit ConfigurationTreeWidget(const ConfigurationTree& tree, QWidget* parent = nullptr);

    QTreeWidgetItem* widgetItem(ItemId item) const { return items_.value(item); }
    ItemId itemId(const QTreeWidgetItem* widgetItem) const;

    void treeAboutToReset() override;
    void treeReset() override;
    void itemInserted(ItemId item) override;
    void itemAboutToBeRemoved(ItemId item) override;
    void itemChanged(ItemId item) override;
    void itemExpanded(ItemId item) override;
    void selectionChanged(ItemId item) override;

    // Gives every item the tooltip `tipOf` has for it (empty: none). A
    // screen reader reads it as the item's description.
    void refreshToolTips(const std::function<std::string(ItemId)>& tipOf);

  signals:
    // The user selected an item (mouse or keyboard).
    void userSelected(ItemId item);
    // The user right-clicked an item, or asked for its menu from the
    // keyboard (Shift+F10, the Menu key); `globalPos` is where the menu goes.
    void userRightClicked(ItemId item, const QPoint& globalPos);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void insertWidgetItem(ItemId item);
    void forget(QTreeWidgetItem* widgetItem);

    const ConfigurationTree& tree_;
    QHash<ItemId, QTreeWidgetItem*> items_;
    // Selection changes made to follow the core are not the user's.
    bool following_ = false;
    // The menu key was handled as it was pressed; a platform that also
    // reports it as a keyboard menu request must not open it twice.
    bool keyMenuShown_ = false;

    void keyboardMenu();
};

} // namespace brenmoor::gui
