#pragma once

#include "core/editor/configuration_tree.h"

#include <QHash>
#include <QTreeWidget>

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

  signals:
    // The user selected an item (mouse or keyboard).
    void userSelected(ItemId item);
    // The user right-clicked an item; `globalPos` is where the menu goes.
    void userRightClicked(ItemId item, const QPoint& globalPos);

  protected:
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void insertWidgetItem(ItemId item);
    void forget(QTreeWidgetItem* widgetItem);

    const ConfigurationTree& tree_;
    QHash<ItemId, QTreeWidgetItem*> items_;
    // Selection changes made to follow the core are not the user's.
    bool following_ = false;
};

} // namespace brenmoor::gui
