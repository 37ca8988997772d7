// The structure commands of the tree: adding, deleting, copying and pasting
// nodes and commands, and what the menus offer.
#include "core/editor/command_catalog.h"
#include "core/editor/configuration_editor.h"
#include "core/model/number_text.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_editor.h"
#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"

#include <algorithm>

namespace brenmoor {

bool ConfigurationEditor::canCopyNode() const {
    const std::string_view text = tree_.text(tree_.selected());
    const std::string_view node = loadString(msg::NodeWord);
    return tree_.selected() != kNoItem && text.substr(0, 2) == node.substr(0, 2);
}

bool ConfigurationEditor::canPasteNode() const {
    return state_.copyValid && kindOf(tree_.selected()) == ItemKind::Node;
}

bool ConfigurationEditor::isEnabled(StructureCommand command) const {
    switch (command) {
    case StructureCommand::AddNode:
        return state_.canAddNode != 0;
    case StructureCommand::DeleteNode:
        return state_.canDeleteNode != 0;
    case StructureCommand::AddCommand:
        return state_.canAddCommand != 0;
    case StructureCommand::DeleteCommand:
        return state_.canDeleteCommand != 0;
    case StructureCommand::CopyNode:
        return canCopyNode();
    case StructureCommand::PasteNode:
        return canPasteNode();
    }
    return false;
}

ContextMenu ConfigurationEditor::rightClick(ItemId item) {
    ContextMenu menu;
    if (!tree_.contains(item))
        return menu;
    selectItem(item);
    state_.contextItem = item;
    const ItemKind kind = kindOf(item);
    if (kind != ItemKind::Subnet && kind != ItemKind::Node && kind != ItemKind::Command)
        return menu;
    if (subnet().protocolMode != text::ModbusMaster) {
        setEnableFlags(ItemKind::Fieldbus);
        return menu;
    }
    setEnableFlags(kind);
    menu.shown = true;
    menu.addNode = isEnabled(StructureCommand::AddNode);
    menu.deleteNode = isEnabled(StructureCommand::DeleteNode);
    menu.addCommand = isEnabled(StructureCommand::AddCommand);
    menu.deleteCommand = isEnabled(StructureCommand::DeleteCommand);
    menu.copyNode = isEnabled(StructureCommand::CopyNode);
    menu.pasteNode = isEnabled(StructureCommand::PasteNode);
    return menu;
}

void ConfigurationEditor::addNode() {
    const ItemId selected = tree_.selected();
    const ItemId subnetRoot = findSubnetRoot(tree_);
    if (subnetRoot == kNoItem || (selected != subnetRoot && tree_.parent(selected) != subnetRoot))
        return;
    CONFIG& config = subnet();
    if (config.nodeCount + 1 > kMaxNodes) {
        prompter_.inform(msg::NodesOverrun);
        return;
    }
    const int n = ++config.nodeCount;
    config.nodes[n - 1].address = text::NotSet;
    config.nodes[n - 1].name = text::NewNode;
    tree_.insertItem(subnetRoot, std::string(text::NewNode), n);
    tree_.expand(selected);
    markModified();
}

void ConfigurationEditor::addCommandFromList(int position) {
    if (position < 0 || position >= static_cast<int>(functionCodeRecords().size()))
        return;
    addCommand(position);
    markModified();
}

void ConfigurationEditor::addCommand(int position) {
    if (position < 0 || position >= static_cast<int>(functionCodeRecords().size()))
        return;
    const ItemId target = tree_.selected();
    if (kindOf(target) != ItemKind::Node)
        return;
    CONFIG& config = subnet();
    if (config.commandCount + 1 > kMaxCommands) {
        prompter_.inform(msg::CommandsOverrun);
        return;
    }
    const int c = ++config.commandCount;
    const int n = tree_.data(target);
    const FunctionCodeRecord& kind = functionCodeRecords()[static_cast<size_t>(position)];
    INSTRUCTION& ins = config.commands[c - 1];
    const std::string checkType = ins.checkType;
    ins = INSTRUCTION{};
    ins.checkType = checkType; // the page fills it when first shown
    ins.nodeNumber = n;
    if (n >= 1 && n <= kMaxNodes)
        ins.slaveAddress = config.nodes[n - 1].address;
    ins.functionCode = std::to_string(kind.code);
    if (kind.single)
        ins.dataCount = "1";
    ins.swapMode = project_.device.dataFilter ? text::FullWord : text::NoSwap;
    ins.scanType = text::FastScan;
    tree_.insertItem(target, std::string(loadString(kind.name)), c);
    tree_.expand(target);
}

std::vector<std::string> ConfigurationEditor::selectCommandEntries() {
    std::vector<std::string> entries;
    for (int p = 0; p < static_cast<int>(functionCodeRecords().size()); ++p)
        entries.push_back(selectCommandEntry(p));
    return entries;
}

// Deletes an item the way the tree control does: when it was selected, the
// control selects a neighbour, which shows that neighbour's page.
void ConfigurationEditor::removeSelectedItem(ItemId item) {
    const bool wasSelected = tree_.selected() == item;
    const ItemId successor = tree_.successorOnRemoval(item);
    tree_.removeItem(item);
    if (wasSelected)
        selectItem(successor);
}

void ConfigurationEditor::deleteCommand(MenuVariant variant) {
    ItemId item = tree_.selected();
    if (variant == MenuVariant::ContextMenu) {
        if (state_.contextItem != kNoItem && tree_.contains(state_.contextItem))
            item = state_.contextItem;
        state_.contextItem = kNoItem;
    }
    if (kindOf(item) != ItemKind::Command)
        return;
    CONFIG& config = subnet();
    const int c = tree_.data(item);
    if (c < 1 || c > config.commandCount)
        return;
    for (int k = c; k < config.commandCount; ++k)
        config.commands[k - 1] = config.commands[k];
    --config.commandCount;
    // Renumber first: the selection change after the removal shows a page
    // through the item data, which must already be right.
    for (const ItemId node : tree_.children(findSubnetRoot(tree_)))
        for (const ItemId command : tree_.children(node))
            if (command != item && tree_.data(command) > c)
                tree_.setData(command, tree_.data(command) - 1);
    markModified();
    removeSelectedItem(item);
}

void ConfigurationEditor::deleteNode(MenuVariant variant) {
    const ItemId item = tree_.selected();
    if (kindOf(item) != ItemKind::Node)
        return;
    CONFIG& config = subnet();
    const int n = tree_.data(item);
    if (n < 1 || n > config.nodeCount)
        return;
    state_.currentNode = n;
    --config.nodeCount;

    // Where each command ends up, so the items can follow their commands.
    std::vector<int> newIndex(config.commandCount + 1, 0);
    int kept = 0;
    for (int k = 0; k < config.commandCount; ++k) {
        if (config.commands[k].nodeNumber == n)
            continue;
        newIndex[k + 1] = ++kept;
        INSTRUCTION moved = config.commands[k];
        if (moved.nodeNumber > n)
            --moved.nodeNumber;
        config.commands[kept - 1] = std::move(moved);
    }
    config.commandCount = kept;
    for (int j = n; j <= config.nodeCount; ++j)
        config.nodes[j - 1] = config.nodes[j];
    markModified();

    if (variant == MenuVariant::EditMenu) {
        RebuildTree();
        selectFirstRoot();
        const auto& roots = tree_.children(kNoItem);
        if (roots.size() > 1)
            tree_.expand(roots[1]);
        state_.canDeleteNode = 0;
        return;
    }
    const ItemId subnetRoot = findSubnetRoot(tree_);
    // Renumbered before the removal, as for Delete Command.
    for (const ItemId node : tree_.children(subnetRoot)) {
        if (node == item)
            continue;
        for (const ItemId command : tree_.children(node)) {
            const int old = tree_.data(command);
            tree_.setData(command,
                          old >= 1 && old < static_cast<int>(newIndex.size()) ? newIndex[old] : 0);
        }
        if (tree_.data(node) > n)
            tree_.setData(node, tree_.data(node) - 1);
    }
    removeSelectedItem(item);
}

void ConfigurationEditor::copyNode() {
    const ItemId item = tree_.selected();
    const ItemId subnetRoot = findSubnetRoot(tree_);
    const bool inSubnet = item != kNoItem && subnetRoot != kNoItem &&
                          (item == subnetRoot || tree_.parent(item) == subnetRoot ||
                           tree_.parent(tree_.parent(item)) == subnetRoot);
    state_.copySubnet = inSubnet ? 0 : -1;
    state_.copyAddress = -1;
    if (kindOf(item) == ItemKind::Node) {
        const std::string& text = tree_.text(item);
        state_.copyAddress = leadingInt(text.size() > 5 ? std::string_view(text).substr(5) : "");
    }
    state_.copyValid = state_.copySubnet >= 0 && state_.copyAddress >= 0;
}

void ConfigurationEditor::pasteNode() {
    const ItemId item = tree_.selected();
    const ItemId subnetRoot = findSubnetRoot(tree_);
    const bool inSubnet = item != kNoItem && subnetRoot != kNoItem &&
                          (item == subnetRoot || tree_.parent(item) == subnetRoot ||
                           tree_.parent(tree_.parent(item)) == subnetRoot);
    if (!inSubnet || state_.copySubnet < 0)
        return;
    const auto& nodes = tree_.children(subnetRoot);
    if (nodes.empty())
        return;
    const ItemId target = nodes.back();
    const int targetNumber = tree_.data(target);
    CONFIG& source = project_.store.subnets.at(state_.copySubnet);
    CONFIG& config = subnet();
    const std::string address = std::to_string(state_.copyAddress);
    const std::string targetAddress = targetNumber >= 1 && targetNumber <= kMaxNodes
                                          ? config.nodes[targetNumber - 1].address
                                          : std::string(text::NotSet);
    // Only the commands that existed when the paste began: a node pasted
    // onto itself must not copy its own copies.
    const int existing = std::clamp(source.commandCount, 0, kMaxCommands);
    for (int k = 0; k < existing; ++k) {
        const INSTRUCTION from = source.commands[k];
        if (from.slaveAddress != address)
            continue;
        if (config.commandCount + 1 > kMaxCommands) {
            prompter_.inform(msg::CommandsOverrun);
            break;
        }
        const int c = ++config.commandCount;
        INSTRUCTION& to = config.commands[c - 1];
        to.nodeNumber = targetNumber;
        to.functionCode = from.functionCode;
        to.startAddress = from.startAddress;
        to.dataCount = from.dataCount;
        to.mapAddress = from.mapAddress;
        to.bitOffset = from.bitOffset;
        to.byteCount = from.byteCount;
        to.swapMode = from.swapMode;
        to.scanType = from.scanType;
        to.slaveAddress = targetAddress;
        if (const auto label = commandTreeText(to.functionCode))
            tree_.insertItem(target, *label, c);
        tree_.expand(target);
    }
    // A paste is a change like any other: without the mark it would be lost
    // on exit without a question.
    markModified();
}

} // namespace brenmoor
