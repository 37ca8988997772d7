#pragma once

#include <map>
#include <string>
#include <vector>

namespace brenmoor {

// Handle of a tree item. Handles are never reused while the tree lives, so a
// view can keep one across edits and ask whether it still exists.
using ItemId = int;
inline constexpr ItemId kNoItem = 0;

// Told about every change, so a view model (e.g. a Qt item model) can follow
// the tree with the begin/end notifications it needs.
class TreeObserver {
  public:
    virtual ~TreeObserver() = default;
    virtual void treeAboutToReset() {}
    virtual void treeReset() {}
    // `row` is the position the new item takes among its parent's children.
    virtual void itemAboutToBeInserted(ItemId /*parent*/, int /*row*/) {}
    virtual void itemInserted(ItemId /*item*/) {}
    virtual void itemAboutToBeRemoved(ItemId /*item*/) {}
    virtual void itemRemoved(ItemId /*parent*/, int /*row*/) {}
    // Text or item data changed.
    virtual void itemChanged(ItemId /*item*/) {}
    virtual void itemExpanded(ItemId /*item*/) {}
    virtual void selectionChanged(ItemId /*item*/) {}
};

// The configuration tree as the editor sees it: items with a text, an integer
// item data, ordered children, an expanded state and one selected item. It
// knows nothing about what the items mean; see ItemKind.
class ConfigurationTree {
  public:
    void setObserver(TreeObserver* observer) { observer_ = observer; }

    // Deletes every item and forgets the selection.
    void clear();
    // Appends an item as the last child of `parent` (kNoItem: the top level).
    ItemId insertItem(ItemId parent, std::string text, int data = 0);
    // Removes the item with all its descendants. The selection is forgotten
    // when it was among them; the caller picks the next one.
    void removeItem(ItemId item);

    bool contains(ItemId item) const { return items_.contains(item); }
    const std::string& text(ItemId item) const;
    void setText(ItemId item, std::string text);
    int data(ItemId item) const;
    void setData(ItemId item, int data);
    // kNoItem for a top-level item or an unknown one.
    ItemId parent(ItemId item) const;
    // The children of `item`; of kNoItem, the top-level items.
    const std::vector<ItemId>& children(ItemId item) const;
    int indexInParent(ItemId item) const;
    ItemId firstRoot() const { return roots_.empty() ? kNoItem : roots_.front(); }

    bool isExpanded(ItemId item) const;
    void expand(ItemId item);
    // Expands every item that has children, from the roots down.
    void expandAll();

    ItemId selected() const { return selected_; }
    // Records the selection only; ConfigurationEditor::selectItem also runs
    // the page build.
    void setSelected(ItemId item);
    // The item a tree control selects when `item` (the selected one) is
    // deleted: its next sibling, else its previous sibling, else its parent.
    ItemId successorOnRemoval(ItemId item) const;

  private:
    struct Item {
        std::string text;
        int data = 0;
        ItemId parent = kNoItem;
        std::vector<ItemId> children;
        bool expanded = false;
    };

    void forget(ItemId item);

    std::map<ItemId, Item> items_;
    std::vector<ItemId> roots_;
    ItemId nextId_ = 1;
    ItemId selected_ = kNoItem;
    TreeObserver* observer_ = nullptr;
};

// What an item is, recognised from texts only: the subnet root by its text,
// a node by its parent's text, a command by its grandparent's text.
enum class ItemKind { None = 0, Fieldbus = 1, Subnet = 2, Node = 3, Command = 4 };

ItemKind classifyItem(const ConfigurationTree& tree, ItemId item);

// The subnet root, or kNoItem.
ItemId findSubnetRoot(const ConfigurationTree& tree);

} // namespace brenmoor
