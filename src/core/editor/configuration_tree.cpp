#include "core/editor/configuration_tree.h"

#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"

#include <algorithm>

namespace brenmoor {

namespace {
const std::string kEmptyText;
const std::vector<ItemId> kNoChildren;
} // namespace

void ConfigurationTree::clear() {
    if (observer_)
        observer_->treeAboutToReset();
    items_.clear();
    roots_.clear();
    selected_ = kNoItem;
    if (observer_)
        observer_->treeReset();
}

ItemId ConfigurationTree::insertItem(ItemId parent, std::string text, int data) {
    if (parent != kNoItem && !contains(parent))
        return kNoItem;
    auto& siblings = parent == kNoItem ? roots_ : items_.at(parent).children;
    if (observer_)
        observer_->itemAboutToBeInserted(parent, static_cast<int>(siblings.size()));
    const ItemId id = nextId_++;
    items_[id] = Item{std::move(text), data, parent, {}, false};
    siblings.push_back(id);
    if (observer_)
        observer_->itemInserted(id);
    return id;
}

void ConfigurationTree::forget(ItemId item) {
    auto it = items_.find(item);
    if (it == items_.end())
        return;
    for (const ItemId child : it->second.children)
        forget(child);
    if (selected_ == item)
        selected_ = kNoItem;
    items_.erase(item);
}

void ConfigurationTree::removeItem(ItemId item) {
    if (!contains(item))
        return;
    const ItemId parentId = parent(item);
    const int row = indexInParent(item);
    if (observer_)
        observer_->itemAboutToBeRemoved(item);
    auto& siblings = parentId == kNoItem ? roots_ : items_.at(parentId).children;
    siblings.erase(siblings.begin() + row);
    forget(item);
    if (observer_)
        observer_->itemRemoved(parentId, row);
}

const std::string& ConfigurationTree::text(ItemId item) const {
    const auto it = items_.find(item);
    return it == items_.end() ? kEmptyText : it->second.text;
}

void ConfigurationTree::setText(ItemId item, std::string text) {
    auto it = items_.find(item);
    if (it == items_.end())
        return;
    it->second.text = std::move(text);
    if (observer_)
        observer_->itemChanged(item);
}

int ConfigurationTree::data(ItemId item) const {
    const auto it = items_.find(item);
    return it == items_.end() ? 0 : it->second.data;
}

void ConfigurationTree::setData(ItemId item, int data) {
    auto it = items_.find(item);
    if (it == items_.end() || it->second.data == data)
        return;
    it->second.data = data;
    if (observer_)
        observer_->itemChanged(item);
}

ItemId ConfigurationTree::parent(ItemId item) const {
    const auto it = items_.find(item);
    return it == items_.end() ? kNoItem : it->second.parent;
}

const std::vector<ItemId>& ConfigurationTree::children(ItemId item) const {
    if (item == kNoItem)
        return roots_;
    const auto it = items_.find(item);
    return it == items_.end() ? kNoChildren : it->second.children;
}

int ConfigurationTree::indexInParent(ItemId item) const {
    if (!contains(item))
        return -1;
    const auto& siblings = children(parent(item));
    return static_cast<int>(std::find(siblings.begin(), siblings.end(), item) - siblings.begin());
}

bool ConfigurationTree::isExpanded(ItemId item) const {
    const auto it = items_.find(item);
    return it != items_.end() && it->second.expanded;
}

void ConfigurationTree::expand(ItemId item) {
    auto it = items_.find(item);
    if (it == items_.end() || it->second.expanded)
        return;
    it->second.expanded = true;
    if (observer_)
        observer_->itemExpanded(item);
}

void ConfigurationTree::expandAll() {
    std::vector<ItemId> pending(roots_.begin(), roots_.end());
    while (!pending.empty()) {
        const ItemId item = pending.back();
        pending.pop_back();
        const auto& kids = children(item);
        if (!kids.empty()) {
            expand(item);
            pending.insert(pending.end(), kids.begin(), kids.end());
        }
    }
}

void ConfigurationTree::setSelected(ItemId item) {
    if (item != kNoItem && !contains(item))
        item = kNoItem;
    selected_ = item;
    if (observer_)
        observer_->selectionChanged(item);
}

ItemId ConfigurationTree::successorOnRemoval(ItemId item) const {
    if (!contains(item))
        return kNoItem;
    const auto& siblings = children(parent(item));
    const int row = indexInParent(item);
    if (row + 1 < static_cast<int>(siblings.size()))
        return siblings[row + 1];
    if (row > 0)
        return siblings[row - 1];
    return parent(item);
}

ItemKind classifyItem(const ConfigurationTree& tree, ItemId item) {
    if (!tree.contains(item))
        return ItemKind::None;
    const std::string_view subnetText = loadString(msg::SubnetRoot);
    const std::string& text = tree.text(item);
    if (text == loadString(msg::FieldbusRoot))
        return ItemKind::Fieldbus;
    if (text == subnetText)
        return ItemKind::Subnet;
    const ItemId parent = tree.parent(item);
    if (parent == kNoItem)
        return ItemKind::None;
    if (tree.text(parent) == subnetText)
        return ItemKind::Node;
    const ItemId grandparent = tree.parent(parent);
    if (grandparent != kNoItem && tree.text(grandparent) == subnetText)
        return ItemKind::Command;
    return ItemKind::None;
}

ItemId findSubnetRoot(const ConfigurationTree& tree) {
    for (const ItemId root : tree.children(kNoItem))
        if (tree.text(root) == loadString(msg::SubnetRoot))
            return root;
    return kNoItem;
}

} // namespace brenmoor
