#pragma once

#include "core/editor/configuration_tree.h"
#include "core/editor/editor_request.h"
#include "core/editor/editor_state.h"
#include "core/editor/grid_control.h"
#include "core/editor/info_panel.h"
#include "core/editor/page_catalogue.h"
#include "core/model/project.h"
#include "core/resources/prompter.h"

#include <string>
#include <string_view>
#include <vector>

namespace brenmoor {

// The entries of the tree's right-click menu.
struct ContextMenu {
    bool shown = false;
    bool addNode = false;
    bool deleteNode = false;
    bool addCommand = false;
    bool deleteCommand = false;
    bool copyNode = false;
    bool pasteNode = false;
};

// The Edit menu invokes a structure command on the selected item; the
// right-click menu on the item that was right-clicked.
enum class MenuVariant { EditMenu, ContextMenu };

enum class StructureCommand { AddNode, DeleteNode, AddCommand, DeleteCommand, CopyNode, PasteNode };

// Where an item sits, in terms that outlive a rebuild of the tree: item
// handles do not, the numbers in the store do.
struct ItemPlace {
    ItemKind kind = ItemKind::None;
    int subnet = 0;
    int node = 0;    // Node and Command: the node's number
    int command = 0; // Command: the command's number over the subnet

    friend bool operator==(const ItemPlace&, const ItemPlace&) = default;
};

// Every rule of the configuration editor: the tree and its structure
// commands, the property pages and the value editing. The window only shows
// the tree, the grid and the editors, and forwards the user's actions here.
class ConfigurationEditor {
  public:
    ConfigurationEditor(Project& project, GridControl& grid, Prompter& prompter, InfoPanel& info);

    Project& project() { return project_; }
    const Project& project() const { return project_; }
    ConfigurationTree& tree() { return tree_; }
    const ConfigurationTree& tree() const { return tree_; }
    EditorState& state() { return state_; }
    const EditorState& state() const { return state_; }
    GridControl& grid() { return grid_; }

    // --- Document lifecycle --------------------------------------------
    // File New after the framework dropped the old document (also started by
    // an upload, with the upload mark on).
    void newDocument();
    // After openProjectFile read a file into the project.
    void documentOpened();
    // After Auto Mapping or an upload replaced the store's contents.
    void storeReplaced();
    // After Undo or Redo put another state of the store in place: the tree
    // is rebuilt and the item that was selected is selected again, or the
    // nearest one that still exists (see itemAt).
    void storeRestored();

    // --- Tree -------------------------------------------------------------
    void BuildTreeRoots();
    void RebuildTree();
    // The tree's selection change: enable flags, Info text and the page.
    void selectItem(ItemId item);
    void selectFirstRoot();
    ItemKind kindOf(ItemId item) const { return classifyItem(tree_, item); }
    // The item of node n / command c (1-based), or kNoItem.
    ItemId nodeItem(int node) const;
    ItemId commandItem(int command) const;
    ItemPlace placeOf(ItemId item) const;
    // The item at `place`; when it is gone, the nearest one that exists: a
    // command's node, a node's subnet root, else the first root.
    ItemId itemAt(const ItemPlace& place) const;

    // --- Structure commands -------------------------------------------
    bool isEnabled(StructureCommand command) const;
    bool canCopyNode() const;
    bool canPasteNode() const;
    // Right-click on an item: selects it and tells which menu shows.
    ContextMenu rightClick(ItemId item);

    void addNode();
    void deleteNode(MenuVariant variant);
    // A double-click on list position p of "Select Command" (-1: no entry
    // selected). Acts on the selected node and sets the modified mark, also
    // when the command was refused.
    void addCommandFromList(int position);
    // Add Command itself, without the modified mark.
    void addCommand(int position);
    void deleteCommand(MenuVariant variant);
    void copyNode();
    void pasteNode();

    // The "Select Command" list entries in order.
    static std::vector<std::string> selectCommandEntries();

    // --- Grid and value editing -----------------------------------------
    // Click on the grid at (rowSel, colSel): help text, then which editor to
    // show, if any.
    EditorRequest gridClicked();
    // The drop-down list's selection changed to `choice`.
    void commitListChoice(std::string_view choice);
    // The edit box lost the focus or Enter was pressed; `text` is its text.
    // Returns the text to write back into the edit box.
    std::string commitEditBox(std::string_view text);
    // The drop-down list lost the focus: hidden, nothing stored.
    void closeList();
    // Escape in the edit box: it closes and nothing is stored, so the cell
    // keeps its value. Returns the text the edit box holds from now on: the
    // cell's.
    std::string cancelEditBox();
    // The grid scrolled: an open edit box (its text given) is committed, an
    // open list is hidden.
    void gridScrolled(std::string_view editBoxText);
    EditorRequest::Kind openEditor() const { return openEditor_; }

    // The help text of a row of a page.
    std::string rowHelp(ItemKind page, int row) const;

  private:
    void showDocument();
    void setEnableFlags(ItemKind kind);
    void applyEditRule();
    void editNodeAddress(int node);
    void editStartAddress(INSTRUCTION& command);
    void editDataCount(INSTRUCTION& command, int byteCountRow);
    void editMapAddress(INSTRUCTION& command);
    void storeListChoice(const std::string& choice);
    // The page and cell of the last grid click, as the catalogue sees them.
    PageSubject clickedPage();
    const ValueCell* clickedCell(const PageSubject& page) const;
    void removeSelectedItem(ItemId item);
    bool pageItemSelected() const;
    void markModified() { project_.marks.modified = true; }
    CONFIG& subnet() { return project_.store.subnets[0]; }

    Project& project_;
    GridControl& grid_;
    Prompter& prompter_;
    InfoPanel& info_;
    ConfigurationTree tree_;
    EditorState state_;
    EditorRequest::Kind openEditor_ = EditorRequest::Kind::None;
};

} // namespace brenmoor
