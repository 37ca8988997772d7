#include "core/editor/configuration_editor.h"

#include "core/editor/command_catalog.h"
#include "core/editor/property_pages.h"
#include "core/model/number_text.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_editor.h"
#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"

#include <algorithm>

namespace brenmoor {

ConfigurationEditor::ConfigurationEditor(Project& project, GridControl& grid, Prompter& prompter,
                                         InfoPanel& info)
    : project_(project), grid_(grid), prompter_(prompter), info_(info) {}

// --- Document lifecycle ------------------------------------------------

void ConfigurationEditor::newDocument() {
    project_.marks.loaded = project_.marks.upload;
    project_.marks.modified = false;
    if (!project_.marks.loaded) {
        project_.device.deviceFamily = kDeviceNetFamily;
        ResetToDefaults(project_.store, project_.device);
        project_.store.fieldbus.fieldbusType = text::DeviceNet;
        BuildTreeRoots();
    }
    showDocument();
}

void ConfigurationEditor::documentOpened() {
    RebuildTree();
    showDocument();
}

// What showing the view does for every document, new, opened or uploaded.
void ConfigurationEditor::showDocument() {
    grid_.clear();
    grid_.setRows(kGridRowsNewDocument);
    grid_.setCols(kGridCols);
    project_.marks.upload = false;
    tree_.expandAll();
    selectFirstRoot();
    ResetEditorState(state_);
}

void ConfigurationEditor::storeReplaced() {
    RebuildTree();
    selectFirstRoot();
}

void ConfigurationEditor::storeRestored() {
    const ItemPlace place = placeOf(tree_.selected());
    RebuildTree();
    // As when a document is shown: whatever came back is in view.
    tree_.expandAll();
    state_.contextItem = kNoItem;
    state_.pageItem = kNoItem;
    selectItem(itemAt(place));
}

// --- Tree ----------------------------------------------------------------

void ConfigurationEditor::BuildTreeRoots() {
    tree_.clear();
    state_.treeReady = false;
    openEditor_ = EditorRequest::Kind::None;
    tree_.insertItem(kNoItem, std::string(loadString(msg::FieldbusRoot)));
    tree_.insertItem(kNoItem, std::string(loadString(msg::SubnetRoot)));
    grid_.setRows(kGridRowsTree);
    grid_.setCols(kGridCols);
}

void ConfigurationEditor::RebuildTree() {
    BuildTreeRoots();
    const ItemId subnetRoot = findSubnetRoot(tree_);
    const CONFIG& config = subnet();
    if (config.protocolMode != text::ModbusMaster)
        return;
    const int nodeCount = std::clamp(config.nodeCount, 0, kMaxNodes);
    for (int j = 0; j < nodeCount; ++j)
        tree_.insertItem(subnetRoot, config.nodes[j].name, j + 1);
    const int commandCount = std::clamp(config.commandCount, 0, kMaxCommands);
    for (int k = 0; k < commandCount; ++k) {
        const INSTRUCTION& ins = config.commands[k];
        const auto label = commandTreeText(ins.functionCode);
        if (!label)
            continue;
        for (const ItemId node : tree_.children(subnetRoot)) {
            if (tree_.data(node) == ins.nodeNumber) {
                tree_.insertItem(node, *label, k + 1);
                break;
            }
        }
    }
}

ItemId ConfigurationEditor::nodeItem(int node) const {
    for (const ItemId item : tree_.children(findSubnetRoot(tree_)))
        if (tree_.data(item) == node)
            return item;
    return kNoItem;
}

ItemId ConfigurationEditor::commandItem(int command) const {
    for (const ItemId node : tree_.children(findSubnetRoot(tree_)))
        for (const ItemId item : tree_.children(node))
            if (tree_.data(item) == command)
                return item;
    return kNoItem;
}

ItemPlace ConfigurationEditor::placeOf(ItemId item) const {
    ItemPlace place;
    place.kind = kindOf(item);
    switch (place.kind) {
    case ItemKind::Node:
        place.node = tree_.data(item);
        break;
    case ItemKind::Command:
        place.node = tree_.data(tree_.parent(item));
        place.command = tree_.data(item);
        break;
    default:
        break;
    }
    return place;
}

ItemId ConfigurationEditor::itemAt(const ItemPlace& place) const {
    const ItemId subnetRoot = findSubnetRoot(tree_);
    if (place.kind == ItemKind::Command && place.command >= 1) {
        const ItemId command = commandItem(place.command);
        if (command != kNoItem && tree_.data(tree_.parent(command)) == place.node)
            return command;
    }
    if ((place.kind == ItemKind::Command || place.kind == ItemKind::Node) && place.node >= 1) {
        if (const ItemId node = nodeItem(place.node); node != kNoItem)
            return node;
    }
    if (place.kind != ItemKind::Fieldbus && place.kind != ItemKind::None && subnetRoot != kNoItem)
        return subnetRoot;
    return tree_.firstRoot();
}

void ConfigurationEditor::setEnableFlags(ItemKind kind) {
    const bool master = subnet().protocolMode == text::ModbusMaster;
    state_.canAddNode = (kind == ItemKind::Subnet && master) || kind == ItemKind::Node;
    state_.canAddCommand = kind == ItemKind::Node;
    state_.canDeleteNode = kind == ItemKind::Node;
    state_.canDeleteCommand = kind == ItemKind::Command;
}

void ConfigurationEditor::selectItem(ItemId item) {
    tree_.setSelected(item);
    item = tree_.selected();
    const ItemKind kind = kindOf(item);
    switch (kind) {
    case ItemKind::Fieldbus:
        info_.setText(loadString(msg::FieldbusRoot));
        setEnableFlags(ItemKind::Fieldbus);
        fillPage(grid_, project_, ItemKind::Fieldbus, 0, state_.pulseRowEnabled);
        break;
    case ItemKind::Subnet:
        info_.bringToFront();
        setEnableFlags(ItemKind::Subnet);
        if (subnet().protocolMode == text::ModbusMaster)
            info_.setText(loadString(msg::SubnetInfo));
        fillPage(grid_, project_, ItemKind::Subnet, 0, state_.pulseRowEnabled);
        break;
    case ItemKind::Node:
        info_.bringToFront();
        state_.currentNode = tree_.data(item);
        setEnableFlags(ItemKind::Node);
        info_.setText(loadString(msg::NodeInfo));
        fillPage(grid_, project_, ItemKind::Node, state_.currentNode, state_.pulseRowEnabled);
        break;
    case ItemKind::Command:
        info_.bringToFront();
        info_.setText("");
        state_.currentCommand = tree_.data(item);
        setEnableFlags(ItemKind::Command);
        fillPage(grid_, project_, ItemKind::Command, state_.currentCommand, state_.pulseRowEnabled);
        break;
    case ItemKind::None:
        break;
    }
    state_.treeReady = true;
}

void ConfigurationEditor::selectFirstRoot() {
    selectItem(tree_.firstRoot());
}

} // namespace brenmoor
