#pragma once

#include "core/editor/command_catalog.h"
#include "core/editor/configuration_editor.h"
#include "core/editor/memory_grid.h"
#include "core/model/project.h"
#include "support/recording_prompter.h"

#include <gtest/gtest.h>

namespace brenmoor::test {

// An editor over a fresh document, with the grid, prompter and Info panel
// the window would give it.
class EditorTest : public ::testing::Test {
  protected:
    EditorTest() : editor(project, grid, prompter, info) { editor.newDocument(); }

    CONFIG& subnet() { return project.store.subnets[0]; }
    ItemId subnetRoot() const { return findSubnetRoot(editor.tree()); }

    void selectSubnet() { editor.selectItem(subnetRoot()); }
    void selectNode(int n) { editor.selectItem(editor.nodeItem(n)); }
    void selectCommand(int c) { editor.selectItem(editor.commandItem(c)); }

    // Adds `count` nodes under the subnet root.
    void addNodes(int count) {
        selectSubnet();
        for (int i = 0; i < count; ++i)
            editor.addNode();
    }

    // Gives node n the address through its page, as the user types it.
    void setNodeAddress(int n, const std::string& address) {
        selectNode(n);
        type(0, address);
    }

    // Adds a command with the function code to node n.
    void addCommand(int n, int code) {
        selectNode(n);
        editor.addCommandFromList(*listPositionOfCode(code));
    }

    EditorRequest click(int row, int col = 1) {
        grid.click(row, col);
        return editor.gridClicked();
    }

    // Clicks the value cell and commits the text through the edit box.
    std::string type(int row, const std::string& text) {
        const EditorRequest request = click(row);
        EXPECT_EQ(request.kind, EditorRequest::Kind::EditBox) << "row " << row;
        return editor.commitEditBox(text);
    }

    // Clicks the value cell and picks the entry from the list.
    void choose(int row, const std::string& choice) {
        const EditorRequest request = click(row);
        EXPECT_EQ(request.kind, EditorRequest::Kind::List) << "row " << row;
        editor.commitListChoice(choice);
    }

    std::string cell(int row) const { return grid.textMatrix(row, 1); }
    std::string label(int row) const { return grid.textMatrix(row, 0); }
    GridColor color(int row) const { return grid.cellBackColor(row, 1); }

    Project project = makeNewProject();
    MemoryGrid grid;
    RecordingPrompter prompter;
    MemoryInfoPanel info;
    ConfigurationEditor editor;
};

} // namespace brenmoor::test
