#include "editor_fixture.h"

#include "core/model/store_texts.h"

namespace brenmoor::test {
namespace {

using Shown = RecordingPrompter::Shown;

// Checks the numbering invariants between the store and the item data.
void expectConsistentTree(const ConfigurationEditor& editor) {
    const auto& tree = editor.tree();
    const CONFIG& config = editor.project().store.subnets[0];
    const auto& nodes = tree.children(findSubnetRoot(tree));
    ASSERT_EQ(static_cast<int>(nodes.size()), config.nodeCount);
    int commandItems = 0;
    for (int k = 0; k < static_cast<int>(nodes.size()); ++k) {
        EXPECT_EQ(tree.data(nodes[k]), k + 1);
        EXPECT_EQ(tree.text(nodes[k]), config.nodes[k].name);
        for (const ItemId item : tree.children(nodes[k])) {
            const int c = tree.data(item);
            ASSERT_GE(c, 1);
            ASSERT_LE(c, config.commandCount);
            EXPECT_EQ(config.commands[c - 1].nodeNumber, k + 1);
            EXPECT_EQ(tree.text(item), *commandTreeText(config.commands[c - 1].functionCode));
            ++commandItems;
        }
    }
    EXPECT_EQ(commandItems, config.commandCount);
}

TEST_F(EditorTest, NewDocumentShowsTwoRootsAndTheFieldbusPage) {
    const auto& roots = editor.tree().children(kNoItem);
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_EQ(editor.tree().text(roots[0]), "Fieldbus");
    EXPECT_EQ(editor.tree().text(roots[1]), "Subnet");
    EXPECT_EQ(editor.tree().selected(), roots[0]);
    EXPECT_TRUE(editor.state().treeReady);
    EXPECT_EQ(grid.rows(), 33);
    EXPECT_EQ(grid.cols(), 2);
    EXPECT_EQ(label(0), "Type of Protocol");
    EXPECT_EQ(info.text(), "Fieldbus");
    EXPECT_FALSE(project.marks.modified);
}

TEST_F(EditorTest, TheFortyNinthNodeIsRefused) {
    addNodes(48);
    EXPECT_EQ(subnet().nodeCount, 48);
    EXPECT_TRUE(prompter.shown().empty());
    editor.addNode();
    EXPECT_EQ(subnet().nodeCount, 48);
    EXPECT_EQ(editor.tree().children(subnetRoot()).size(), 48u);
    EXPECT_EQ(prompter.shown(), (std::vector<Shown>{{Shown::Kind::Message, "Nodes overrun!"}}));
}

TEST_F(EditorTest, CommandsAreLimitedPerSubnetNotPerNode) {
    addNodes(3);
    for (int i = 0; i < 48; ++i)
        addCommand(1 + i % 3, 3);
    EXPECT_EQ(subnet().commandCount, 48);
    project.marks.modified = false;
    addCommand(2, 1);
    EXPECT_EQ(subnet().commandCount, 48);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Number of commands overrun!"});
    // The list's double-click marks the document even when it was refused.
    EXPECT_TRUE(project.marks.modified);
    expectConsistentTree(editor);
}

TEST_F(EditorTest, AddCommandFillsTheNewCommand) {
    project.device.dataFilter = true;
    addNodes(1);
    setNodeAddress(1, "7");
    addCommand(1, 5);
    const INSTRUCTION& c = subnet().commands[0];
    EXPECT_EQ(c.functionCode, "5");
    EXPECT_EQ(c.dataCount, "1");
    EXPECT_EQ(c.slaveAddress, "7");
    EXPECT_EQ(c.swapMode, "Full word");
    EXPECT_EQ(c.scanType, "Fast Scan");
    EXPECT_EQ(c.nodeNumber, 1);
    EXPECT_EQ(c.startAddress, "");
    EXPECT_EQ(editor.tree().text(editor.commandItem(1)), "Force Single Coil");
    addCommand(1, 16);
    EXPECT_EQ(subnet().commands[1].dataCount, "");
}

TEST_F(EditorTest, SelectCommandListHasPrefixedEntriesInOrder) {
    EXPECT_EQ(ConfigurationEditor::selectCommandEntries(),
              (std::vector<std::string>{
                  "01 Read Coil Status", "02 Read Input Status", "03 Read Holding Registers",
                  "04 Read Input Register", "05 Force Single Coil", "06 Preset Single Register",
                  "15 Force Multiple Coils", "16 Preset Multiple Registers"}));
    addNodes(1);
    selectNode(1);
    editor.addCommandFromList(-1); // a double-click with nothing selected
    EXPECT_EQ(subnet().commandCount, 0);
}

TEST_F(EditorTest, StructureCommandsOnTheWrongItemDoNothing) {
    addNodes(1);
    addCommand(1, 3);
    editor.selectFirstRoot();
    editor.addNode();
    editor.addCommand(0);
    editor.deleteNode(MenuVariant::EditMenu);
    editor.deleteCommand(MenuVariant::EditMenu);
    EXPECT_EQ(subnet().nodeCount, 1);
    EXPECT_EQ(subnet().commandCount, 1);
}

// Three nodes with commands interleaved: 1:n1 2:n2 3:n3 4:n2 5:n3 6:n1.
class DeleteNodeTest : public EditorTest, public ::testing::WithParamInterface<MenuVariant> {
  protected:
    void SetUp() override {
        addNodes(3);
        for (int n = 1; n <= 3; ++n)
            setNodeAddress(n, std::to_string(10 * n));
        const int owners[] = {1, 2, 3, 2, 3, 1};
        const int codes[] = {1, 2, 3, 4, 5, 6};
        for (int i = 0; i < 6; ++i)
            addCommand(owners[i], codes[i]);
        project.marks.modified = false;
    }
};

TEST_P(DeleteNodeTest, RemovesItsCommandsAndRenumbersTheRest) {
    selectNode(2);
    if (GetParam() == MenuVariant::ContextMenu)
        editor.rightClick(editor.nodeItem(2));
    editor.deleteNode(GetParam());
    EXPECT_EQ(subnet().nodeCount, 2);
    EXPECT_EQ(subnet().nodes[1].name, "Node-30");
    ASSERT_EQ(subnet().commandCount, 4);
    const std::string codes[] = {"1", "3", "5", "6"};
    const int owners[] = {1, 2, 2, 1};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(subnet().commands[k].functionCode, codes[k]);
        EXPECT_EQ(subnet().commands[k].nodeNumber, owners[k]);
    }
    EXPECT_TRUE(project.marks.modified);
    expectConsistentTree(editor);
}

INSTANTIATE_TEST_SUITE_P(BothVariants, DeleteNodeTest,
                         ::testing::Values(MenuVariant::EditMenu, MenuVariant::ContextMenu));

TEST_F(DeleteNodeTest, EditMenuVariantSelectsTheFieldbusAndClearsDeleteNode) {
    selectNode(1);
    editor.deleteNode(MenuVariant::EditMenu);
    EXPECT_EQ(editor.tree().selected(), editor.tree().firstRoot());
    EXPECT_EQ(editor.state().canDeleteNode, 0);
    EXPECT_TRUE(editor.tree().isExpanded(subnetRoot()));
}

TEST_F(DeleteNodeTest, ContextVariantShowsThePageOfTheNextNode) {
    editor.rightClick(editor.nodeItem(1));
    editor.deleteNode(MenuVariant::ContextMenu);
    ASSERT_EQ(editor.kindOf(editor.tree().selected()), ItemKind::Node);
    EXPECT_EQ(editor.state().currentNode, 1);
    EXPECT_EQ(cell(0), "20"); // the old node 2, now node 1
}

TEST_F(DeleteNodeTest, DeleteCommandShiftsLaterCommandsInStoreAndTree) {
    selectCommand(3);
    editor.deleteCommand(MenuVariant::EditMenu);
    ASSERT_EQ(subnet().commandCount, 5);
    EXPECT_EQ(subnet().commands[2].functionCode, "4");
    EXPECT_EQ(subnet().commands[3].functionCode, "5");
    EXPECT_EQ(editor.tree().text(editor.commandItem(3)), "Read Input Register");
    EXPECT_TRUE(project.marks.modified);
    expectConsistentTree(editor);
    // The tree selected a neighbour and shows its page with the right data.
    const ItemId selected = editor.tree().selected();
    ASSERT_EQ(editor.kindOf(selected), ItemKind::Command);
    EXPECT_EQ(cell(1), subnet().commands[editor.tree().data(selected) - 1].functionCode);
}

TEST_F(DeleteNodeTest, ContextDeleteCommandActsOnTheRightClickedItem) {
    editor.rightClick(editor.commandItem(5));
    editor.selectItem(editor.commandItem(1)); // selection moved after the right-click
    editor.deleteCommand(MenuVariant::ContextMenu);
    EXPECT_EQ(subnet().commandCount, 5);
    EXPECT_EQ(subnet().commands[4].functionCode, "6");
    EXPECT_EQ(editor.state().contextItem, kNoItem);
    expectConsistentTree(editor);
}

TEST_F(EditorTest, EnableFlagsFollowTheSelection) {
    addNodes(1);
    addCommand(1, 3);
    struct Case {
        ItemId item;
        int addNode, addCommand, deleteNode, deleteCommand;
    };
    const Case cases[] = {{editor.tree().firstRoot(), 0, 0, 0, 0},
                          {subnetRoot(), 1, 0, 0, 0},
                          {editor.nodeItem(1), 1, 1, 1, 0},
                          {editor.commandItem(1), 0, 0, 0, 1}};
    for (const Case& c : cases) {
        editor.selectItem(c.item);
        EXPECT_EQ(editor.state().canAddNode, c.addNode);
        EXPECT_EQ(editor.state().canAddCommand, c.addCommand);
        EXPECT_EQ(editor.state().canDeleteNode, c.deleteNode);
        EXPECT_EQ(editor.state().canDeleteCommand, c.deleteCommand);
    }
}

TEST_F(EditorTest, RightClickMenus) {
    EXPECT_FALSE(editor.rightClick(editor.tree().firstRoot()).shown);
    EXPECT_EQ(editor.tree().selected(), editor.tree().firstRoot());

    addNodes(1);
    const ContextMenu onSubnet = editor.rightClick(subnetRoot());
    EXPECT_TRUE(onSubnet.shown);
    EXPECT_TRUE(onSubnet.addNode);
    EXPECT_FALSE(onSubnet.addCommand);

    const ContextMenu onNewNode = editor.rightClick(editor.nodeItem(1));
    EXPECT_TRUE(onNewNode.addCommand && onNewNode.deleteNode);
    EXPECT_FALSE(onNewNode.copyNode); // "New Node" cannot be copied
    EXPECT_FALSE(onNewNode.pasteNode);

    setNodeAddress(1, "4");
    EXPECT_TRUE(editor.rightClick(editor.nodeItem(1)).copyNode);
    editor.copyNode();
    EXPECT_TRUE(editor.rightClick(editor.nodeItem(1)).pasteNode);
    EXPECT_FALSE(editor.rightClick(subnetRoot()).pasteNode);
}

TEST_F(EditorTest, NoMenuAndNoFlagsUnlessModbusMaster) {
    subnet().protocolMode = "Modbus Slave";
    editor.documentOpened();
    EXPECT_FALSE(editor.rightClick(subnetRoot()).shown);
    EXPECT_EQ(editor.state().canAddNode, 0);
    EXPECT_EQ(editor.tree().children(subnetRoot()).size(), 0u);
}

TEST_F(EditorTest, CopyNodeBufferAndReset) {
    addNodes(2);
    setNodeAddress(1, "7");
    selectNode(1);
    editor.copyNode();
    EXPECT_EQ(editor.state().copyAddress, 7);
    EXPECT_EQ(editor.state().copySubnet, 0);
    EXPECT_TRUE(editor.state().copyValid);
    editor.documentOpened();
    EXPECT_FALSE(editor.state().copyValid);
    EXPECT_EQ(editor.state().copyAddress, -1);
}

class PasteTest : public EditorTest {
  protected:
    void SetUp() override {
        addNodes(3);
        setNodeAddress(1, "7");
        setNodeAddress(2, "8");
        setNodeAddress(3, "9");
        addCommand(1, 3);
        addCommand(2, 1);
        addCommand(1, 16);
        selectCommand(1);
        type(2, "100");
        selectNode(1);
        editor.copyNode();
        project.marks.modified = false;
    }
};

TEST_F(PasteTest, AppendsTheCopiedCommandsToTheLastNodeWithItsAddress) {
    selectNode(2); // whatever node is selected, the last one receives them
    editor.pasteNode();
    ASSERT_EQ(subnet().commandCount, 5);
    for (int k = 3; k < 5; ++k) {
        EXPECT_EQ(subnet().commands[k].nodeNumber, 3);
        EXPECT_EQ(subnet().commands[k].slaveAddress, "9");
    }
    EXPECT_EQ(subnet().commands[3].functionCode, "3");
    EXPECT_EQ(subnet().commands[3].startAddress, "100");
    EXPECT_EQ(subnet().commands[4].functionCode, "16");
    EXPECT_TRUE(project.marks.modified);
    expectConsistentTree(editor);
}

TEST_F(PasteTest, PastingOntoItselfCopiesEachCommandOnce) {
    selectNode(3);
    editor.deleteNode(MenuVariant::EditMenu); // node 1 (Node-7) is not last yet
    selectNode(2);
    editor.deleteNode(MenuVariant::EditMenu);
    ASSERT_EQ(subnet().nodeCount, 1);
    selectNode(1);
    editor.pasteNode();
    EXPECT_EQ(subnet().commandCount, 4);
    EXPECT_TRUE(prompter.shown().empty());
    expectConsistentTree(editor);
}

TEST_F(PasteTest, StopsAtTheLimitKeepingWhatWasAppended) {
    while (subnet().commandCount < 47)
        addCommand(2, 2);
    prompter.clear();
    selectNode(3);
    editor.pasteNode();
    EXPECT_EQ(subnet().commandCount, 48);
    EXPECT_EQ(subnet().commands[47].functionCode, "3");
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Number of commands overrun!"});
    expectConsistentTree(editor);
}

TEST_F(EditorTest, RebuildTreeFollowsTheCommandListOrder) {
    subnet().nodeCount = 2;
    subnet().nodes[0] = {"1", "Node-1"};
    subnet().nodes[1] = {"2", "Node-2"};
    subnet().commandCount = 4;
    const std::pair<int, const char*> commands[] = {{2, "3"}, {1, "1"}, {3, "4"}, {2, "x"}};
    for (int k = 0; k < 4; ++k) {
        subnet().commands[k].nodeNumber = commands[k].first;
        subnet().commands[k].functionCode = commands[k].second;
    }
    editor.storeReplaced();
    const auto& tree = editor.tree();
    const auto& nodes = tree.children(subnetRoot());
    ASSERT_EQ(nodes.size(), 2u);
    ASSERT_EQ(tree.children(nodes[0]).size(), 1u);
    ASSERT_EQ(tree.children(nodes[1]).size(), 1u); // "x" and node 3 get no item
    EXPECT_EQ(tree.data(tree.children(nodes[1])[0]), 1);
    EXPECT_EQ(tree.selected(), tree.firstRoot());
}

TEST_F(EditorTest, ItemsAreClassifiedByTextOnly) {
    auto& tree = editor.tree();
    const ItemId other = tree.insertItem(kNoItem, "Other");
    const ItemId child = tree.insertItem(other, "Node-1", 1);
    EXPECT_EQ(classifyItem(tree, child), ItemKind::None);
    EXPECT_EQ(classifyItem(tree, tree.insertItem(subnetRoot(), "anything", 9)), ItemKind::Node);
    EXPECT_EQ(classifyItem(tree, kNoItem), ItemKind::None);
}

} // namespace
} // namespace brenmoor::test
