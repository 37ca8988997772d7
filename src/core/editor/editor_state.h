#pragma once

#include "core/editor/configuration_tree.h"

#include <string>

namespace brenmoor {

// The view's editing state for the run; never saved.
struct EditorState {
    ItemKind pageKind = ItemKind::Fieldbus; // kind of the item at the last grid click
    ItemId pageItem = kNoItem;              // the item selected at the last grid click
    int currentNode = 0;                    // node of the shown page / being deleted / target
    int currentCommand = 0;                 // command of the shown page
    int clickedRow = 0;
    int clickedColumn = 0;
    int canAddNode = 0;
    int canAddCommand = 0;
    int canDeleteNode = 0;
    int canDeleteCommand = 0;
    int copySubnet = -1;
    int copyAddress = -1;
    bool copyValid = false;
    ItemId contextItem = kNoItem; // item under the mouse at the last right-click
    bool treeReady = false;       // grid clicks are ignored until a selection was processed
    bool pulseRowEnabled = false;
    std::string editText; // the edit box's text as last exchanged with it
};

// Clears the structure permissions and the node copy buffer.
void ResetEditorState(EditorState& state);

} // namespace brenmoor
