#include "editor_fixture.h"

namespace brenmoor::test {
namespace {

TEST_F(EditorTest, NewDocumentDropsEditsWithoutAsking) {
    addNodes(2);
    editor.copyNode();
    ASSERT_TRUE(project.marks.modified);
    editor.newDocument();
    EXPECT_EQ(subnet().nodeCount, 0);
    EXPECT_EQ(editor.tree().children(subnetRoot()).size(), 0u);
    EXPECT_FALSE(project.marks.modified);
    EXPECT_FALSE(project.marks.loaded);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(EditorTest, NewDocumentForAnUploadKeepsTheStore) {
    addNodes(1);
    project.marks.upload = true;
    editor.newDocument();
    EXPECT_TRUE(project.marks.loaded);
    EXPECT_FALSE(project.marks.upload);
    EXPECT_EQ(subnet().nodeCount, 1); // the upload fills it and then calls storeReplaced
    editor.storeReplaced();
    EXPECT_EQ(editor.tree().children(subnetRoot()).size(), 1u);
    EXPECT_EQ(editor.tree().selected(), editor.tree().firstRoot());
}

TEST_F(EditorTest, OpenedDocumentKeepsTheModifiedMarkAndExpandsTheTree) {
    subnet().nodeCount = 1;
    subnet().nodes[0] = {"3", "Node-3"};
    subnet().commandCount = 1;
    subnet().commands[0].functionCode = "3";
    subnet().commands[0].nodeNumber = 1;
    project.marks.modified = true;
    editor.documentOpened();
    EXPECT_TRUE(project.marks.modified);
    const ItemId node = editor.nodeItem(1);
    EXPECT_TRUE(editor.tree().isExpanded(subnetRoot()));
    EXPECT_TRUE(editor.tree().isExpanded(node));
    EXPECT_EQ(grid.rows(), 33);
    EXPECT_EQ(editor.state().canAddNode, 0);
}

TEST_F(EditorTest, CommonModeDocumentStartsWithoutNodes) {
    project.device.commonMode = true;
    editor.newDocument();
    EXPECT_EQ(subnet().protocolMode, "Common mode");
    selectSubnet();
    EXPECT_EQ(editor.state().canAddNode, 0);
    EXPECT_EQ(info.text(), "Fieldbus"); // left unchanged for a non-master subnet
}

// Mirrors the tree from the notifications alone, as a view model must.
class MirrorObserver : public TreeObserver {
  public:
    explicit MirrorObserver(const ConfigurationTree& tree) : tree_(tree) {}
    void treeReset() override { children_.clear(); }
    void itemAboutToBeInserted(ItemId parent, int row) override { pending_ = {parent, row}; }
    void itemInserted(ItemId item) override {
        auto& list = children_[pending_.first];
        EXPECT_EQ(tree_.parent(item), pending_.first);
        list.insert(list.begin() + pending_.second, item);
    }
    void itemRemoved(ItemId parent, int row) override {
        auto& list = children_[parent];
        list.erase(list.begin() + row);
    }
    void expectMatches(ItemId parent = kNoItem) {
        EXPECT_EQ(children_[parent], tree_.children(parent));
        for (const ItemId child : tree_.children(parent))
            expectMatches(child);
    }

  private:
    const ConfigurationTree& tree_;
    std::map<ItemId, std::vector<ItemId>> children_;
    std::pair<ItemId, int> pending_;
};

TEST_F(EditorTest, ObserverCanFollowEveryStructureChange) {
    MirrorObserver mirror(editor.tree());
    editor.tree().setObserver(&mirror);
    editor.documentOpened();
    addNodes(3);
    for (int n = 1; n <= 3; ++n) {
        setNodeAddress(n, std::to_string(n));
        addCommand(n, 3);
        addCommand(n, 5);
    }
    mirror.expectMatches();
    selectCommand(2);
    editor.deleteCommand(MenuVariant::EditMenu);
    editor.rightClick(editor.nodeItem(2));
    editor.deleteNode(MenuVariant::ContextMenu);
    mirror.expectMatches();
    selectNode(1);
    editor.copyNode();
    editor.pasteNode();
    mirror.expectMatches();
    selectNode(1);
    editor.deleteNode(MenuVariant::EditMenu);
    mirror.expectMatches();
    editor.tree().setObserver(nullptr);
}

} // namespace
} // namespace brenmoor::test
