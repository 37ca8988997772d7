// After Undo or Redo the tree is rebuilt: the item that was selected is
// selected again when the restored store still has it, else the nearest one.
#include "core/editor/undo_history.h"

#include "editor/editor_fixture.h"

#include <gtest/gtest.h>

namespace brenmoor::test {
namespace {

class ReselectTest : public EditorTest {
  protected:
    ReselectTest() {
        addNodes(2);
        setNodeAddress(1, "5");
        setNodeAddress(2, "7");
        addCommand(1, 3);  // command 1
        addCommand(1, 16); // command 2
        addCommand(2, 1);  // command 3
        history.reset(project);
    }

    void undo() {
        ASSERT_TRUE(history.undo(project));
        editor.storeRestored();
    }

    ItemPlace selectedPlace() const { return editor.placeOf(editor.tree().selected()); }

    UndoHistory history;
};

TEST_F(ReselectTest, SameCommandStaysSelectedAndShowsTheRestoredValue) {
    selectCommand(2);
    type(2, "100");
    history.checkpoint(project);
    const ItemId before = editor.tree().selected();
    undo();
    // A new tree, so a new handle, but the same place.
    EXPECT_NE(editor.tree().selected(), before);
    EXPECT_EQ(selectedPlace(), (ItemPlace{ItemKind::Command, 0, 1, 2}));
    EXPECT_EQ(editor.state().currentCommand, 2);
    EXPECT_EQ(cell(2), "");
    EXPECT_EQ(editor.state().canDeleteCommand, 1);
}

TEST_F(ReselectTest, NodeStaysSelected) {
    selectNode(2);
    type(0, "8");
    history.checkpoint(project);
    undo();
    EXPECT_EQ(selectedPlace(), (ItemPlace{ItemKind::Node, 0, 2, 0}));
    EXPECT_EQ(cell(0), "7");
    EXPECT_EQ(editor.tree().text(editor.tree().selected()), "Node-7");
}

TEST_F(ReselectTest, RemovedCommandFallsBackToItsNode) {
    addCommand(2, 4);
    history.checkpoint(project);
    selectCommand(4);
    undo();
    EXPECT_EQ(selectedPlace(), (ItemPlace{ItemKind::Node, 0, 2, 0}));
    EXPECT_EQ(label(0), "Slave Address (0~247)");
    EXPECT_EQ(editor.state().canAddCommand, 1);
}

TEST_F(ReselectTest, RemovedNodeFallsBackToTheSubnetRoot) {
    selectSubnet();
    editor.addNode();
    history.checkpoint(project);
    selectNode(3);
    undo();
    EXPECT_EQ(selectedPlace().kind, ItemKind::Subnet);
    EXPECT_EQ(editor.state().canAddNode, 1);
    EXPECT_EQ(label(0), "Protocols Mode");
}

TEST_F(ReselectTest, CommandNumberNowOfAnotherNodeIsNotTheSameItem) {
    selectCommand(1);
    editor.deleteCommand(MenuVariant::EditMenu);
    history.checkpoint(project);
    // Command 2 is now node 7's read command.
    selectCommand(2);
    ASSERT_EQ(selectedPlace(), (ItemPlace{ItemKind::Command, 0, 2, 2}));
    undo();
    // Back then, command 2 belonged to node 1: its node 2 is shown instead.
    EXPECT_EQ(selectedPlace(), (ItemPlace{ItemKind::Node, 0, 2, 0}));
}

TEST_F(ReselectTest, RootsStaySelected) {
    editor.selectFirstRoot();
    type(1, "9");
    history.checkpoint(project);
    undo();
    EXPECT_EQ(selectedPlace().kind, ItemKind::Fieldbus);
    selectSubnet();
    choose(9, "Forbidden");
    history.checkpoint(project);
    undo();
    EXPECT_EQ(selectedPlace().kind, ItemKind::Subnet);
}

TEST_F(ReselectTest, ItemAtFallsBackThroughTheChain) {
    EXPECT_EQ(editor.itemAt(ItemPlace{ItemKind::Command, 0, 1, 2}), editor.commandItem(2));
    EXPECT_EQ(editor.itemAt(ItemPlace{ItemKind::Command, 0, 2, 2}), editor.nodeItem(2));
    EXPECT_EQ(editor.itemAt(ItemPlace{ItemKind::Command, 0, 9, 40}), subnetRoot());
    EXPECT_EQ(editor.itemAt(ItemPlace{ItemKind::Node, 0, 0, 0}), subnetRoot());
    EXPECT_EQ(editor.itemAt(ItemPlace{}), editor.tree().firstRoot());
    EXPECT_EQ(editor.itemAt(ItemPlace{ItemKind::Fieldbus}), editor.tree().firstRoot());
}

TEST_F(ReselectTest, RestoreKeepsTheCopyBufferAndDropsTheContextItem) {
    selectNode(1);
    editor.copyNode();
    editor.rightClick(editor.commandItem(3));
    editor.deleteCommand(MenuVariant::ContextMenu);
    history.checkpoint(project);
    editor.rightClick(editor.commandItem(1));
    undo();
    EXPECT_EQ(editor.state().contextItem, kNoItem);
    EXPECT_TRUE(editor.state().copyValid);
    EXPECT_EQ(editor.state().copyAddress, 5);
    EXPECT_EQ(editor.tree().children(editor.nodeItem(2)).size(), 1u);
}

} // namespace
} // namespace brenmoor::test
