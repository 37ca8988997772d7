// Undo and Redo over every kind of change the editor, the mapping tools and
// an upload make, as the window drives them: a checkpoint after each
// command, then undo/redo and the editor's rebuild of the tree.
#include "core/editor/undo_history.h"

#include "core/mapping/auto_mapping.h"
#include "core/model/store_texts.h"
#include "core/serial/image_codec.h"
#include "core/serial/upload_sequence.h"
#include "editor/editor_fixture.h"

#include <gtest/gtest.h>

namespace brenmoor::test {
namespace {

class HistoryTest : public EditorTest {
  protected:
    HistoryTest() { history.reset(project); }

    // What the window does after every command.
    bool checkpoint() { return history.checkpoint(project); }

    void undo() {
        ASSERT_TRUE(history.undo(project));
        editor.storeRestored();
    }
    void redo() {
        ASSERT_TRUE(history.redo(project));
        editor.storeRestored();
    }

    // Two nodes with addresses 5 and 7, three commands; one step each.
    void buildSmallConfiguration() {
        addNodes(2);
        checkpoint();
        setNodeAddress(1, "5");
        checkpoint();
        setNodeAddress(2, "7");
        checkpoint();
        addCommand(1, 3);
        checkpoint();
        addCommand(1, 16);
        checkpoint();
        addCommand(2, 1);
        checkpoint();
    }

    UndoHistory history;
};

TEST_F(HistoryTest, NothingToUndoOrRedoOnAFreshDocument) {
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    const ParameterStore before = project.store;
    EXPECT_FALSE(history.undo(project));
    EXPECT_FALSE(history.redo(project));
    EXPECT_EQ(project.store, before);
    EXPECT_FALSE(project.marks.modified);
}

TEST_F(HistoryTest, CommittedValueIsUndoneAndRedoneAndThePageFollows) {
    editor.selectFirstRoot();
    const std::string old = cell(1);
    type(1, "12");
    ASSERT_EQ(project.store.fieldbus.stationAddress, "12");
    EXPECT_TRUE(checkpoint());

    undo();
    EXPECT_EQ(project.store.fieldbus.stationAddress, old);
    EXPECT_EQ(editor.kindOf(editor.tree().selected()), ItemKind::Fieldbus);
    EXPECT_EQ(cell(1), old);
    EXPECT_TRUE(history.canRedo());

    redo();
    EXPECT_EQ(project.store.fieldbus.stationAddress, "12");
    EXPECT_EQ(cell(1), "12");
    EXPECT_FALSE(history.canRedo());
}

TEST_F(HistoryTest, ListChoiceIsOneStep) {
    selectSubnet();
    choose(6, std::string(text::Ascii));
    ASSERT_EQ(subnet().master.masterTransmission, text::Ascii);
    EXPECT_TRUE(checkpoint());
    undo();
    EXPECT_EQ(subnet().master.masterTransmission, text::Rtu);
    EXPECT_EQ(cell(6), std::string(text::Rtu));
}

TEST_F(HistoryTest, StructureCommandsUndoOneByOneBackToTheStart) {
    const ParameterStore start = project.store;
    buildSmallConfiguration();
    const ParameterStore built = project.store;
    ASSERT_EQ(history.undoSteps(), 6u);

    selectCommand(2);
    editor.deleteCommand(MenuVariant::EditMenu);
    EXPECT_TRUE(checkpoint());
    ASSERT_EQ(subnet().commandCount, 2);
    selectNode(1);
    editor.deleteNode(MenuVariant::ContextMenu);
    EXPECT_TRUE(checkpoint());
    ASSERT_EQ(subnet().nodeCount, 1);

    undo(); // the node comes back with its remaining command
    EXPECT_EQ(subnet().nodeCount, 2);
    EXPECT_EQ(subnet().commandCount, 2);
    EXPECT_EQ(subnet().commands[0].functionCode, "3");
    EXPECT_EQ(subnet().commands[1].nodeNumber, 2);
    undo(); // the deleted command is back in its place
    EXPECT_EQ(project.store, built);
    ASSERT_NE(editor.commandItem(2), kNoItem);
    EXPECT_EQ(editor.tree().text(editor.commandItem(2)), "Preset Multiple Registers");

    for (int i = 0; i < 6; ++i)
        undo();
    EXPECT_EQ(project.store, start);
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(editor.tree().children(subnetRoot()).size(), 0u);

    for (int i = 0; i < 8; ++i)
        redo();
    EXPECT_EQ(subnet().nodeCount, 1);
    EXPECT_EQ(subnet().commandCount, 1);
    EXPECT_EQ(subnet().nodes[0].name, "Node-7");
    EXPECT_FALSE(history.canRedo());
}

TEST_F(HistoryTest, TreeIsRebuiltWithTheNumberingOfTheRestoredStore) {
    buildSmallConfiguration();
    selectNode(1);
    editor.deleteNode(MenuVariant::EditMenu);
    checkpoint();
    undo();
    const ConfigurationTree& tree = editor.tree();
    const auto& nodes = tree.children(subnetRoot());
    ASSERT_EQ(nodes.size(), 2u);
    EXPECT_EQ(tree.text(nodes[0]), "Node-5");
    EXPECT_EQ(tree.data(nodes[1]), 2);
    ASSERT_EQ(tree.children(nodes[0]).size(), 2u);
    EXPECT_EQ(tree.data(tree.children(nodes[0])[1]), 2);
    EXPECT_EQ(tree.data(tree.children(nodes[1])[0]), 3);
    EXPECT_TRUE(tree.isExpanded(nodes[0]));
}

TEST_F(HistoryTest, PasteIsUndone) {
    buildSmallConfiguration();
    selectNode(1);
    editor.copyNode();
    selectNode(2);
    editor.pasteNode();
    ASSERT_EQ(subnet().commandCount, 5);
    EXPECT_TRUE(checkpoint());
    undo();
    EXPECT_EQ(subnet().commandCount, 3);
    EXPECT_EQ(editor.tree().children(editor.nodeItem(2)).size(), 1u);
    // The copy buffer is not part of the configuration: paste works again.
    selectNode(2);
    EXPECT_TRUE(editor.canPasteNode());
}

TEST_F(HistoryTest, AutoMappingIsUndone) {
    buildSmallConfiguration();
    const ParameterStore before = project.store;
    MappingState state;
    prompter.answerNext(Answer::Ok);
    ASSERT_EQ(runAutoMapping(project, state, prompter), AutoMappingOutcome::Completed);
    editor.storeReplaced();
    ASSERT_FALSE(subnet().commands[0].mapAddress.empty());
    EXPECT_TRUE(checkpoint());
    undo();
    EXPECT_EQ(project.store, before);
    redo();
    EXPECT_FALSE(subnet().commands[0].mapAddress.empty());
}

TEST_F(HistoryTest, CancelledAutoMappingIsNoStep) {
    buildSmallConfiguration();
    MappingState state;
    prompter.answerNext(Answer::Cancel);
    runAutoMapping(project, state, prompter);
    EXPECT_FALSE(checkpoint());
    EXPECT_EQ(history.undoSteps(), 6u);
}

TEST_F(HistoryTest, UploadIsUndoneWithTheDeviceSettings) {
    buildSmallConfiguration();
    const ParameterStore before = project.store;

    // What a gateway with one read command for slave 9 sends back.
    Project gateway = makeNewProject();
    CONFIG& remote = gateway.store.subnets[0];
    remote.nodeCount = 1;
    remote.nodes[0] = NODE{"9", "Node-9"};
    remote.commandCount = 1;
    remote.commands[0] = defaultInstruction(gateway.device);
    remote.commands[0].slaveAddress = "9";
    remote.commands[0].functionCode = "4";
    remote.commands[0].startAddress = "100";
    remote.commands[0].dataCount = "2";
    remote.commands[0].nodeNumber = 1;
    ReceivedData received;
    received.deviceInfo[0] = 3; // another device family than ours
    received.deviceNetBlock = encodeDeviceNetBlock(gateway.store);
    received.subnetBlocks[0] = encodeSubnetBlock(gateway.store, 0);
    received.commands[0][0] = encodeCommand(gateway.store, 0, 0);
    received.commandCounts[0] = 1;
    applyUpload(project, received);
    editor.newDocument();
    ASSERT_EQ(subnet().nodes[0].address, "9");
    ASSERT_EQ(project.device.deviceFamily, 2);
    EXPECT_TRUE(checkpoint());

    undo();
    EXPECT_EQ(project.store, before);
    EXPECT_EQ(project.device.deviceFamily, kDeviceNetFamily);
    EXPECT_EQ(editor.tree().children(subnetRoot()).size(), 2u);
}

TEST_F(HistoryTest, NewChangeAfterUndoEmptiesRedo) {
    buildSmallConfiguration();
    undo();
    undo();
    ASSERT_EQ(history.redoSteps(), 2u);
    selectNode(1);
    editor.addCommandFromList(*listPositionOfCode(6));
    EXPECT_TRUE(checkpoint());
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.redo(project));
}

TEST_F(HistoryTest, UnrecordedChangeIsWhatUndoTakesBackFirst) {
    buildSmallConfiguration();
    selectNode(2);
    editor.deleteNode(MenuVariant::EditMenu); // no checkpoint after it
    undo();
    EXPECT_EQ(subnet().nodeCount, 2);
    EXPECT_EQ(history.undoSteps(), 6u);
}

TEST_F(HistoryTest, ResetForgetsEverything) {
    buildSmallConfiguration();
    undo();
    editor.newDocument();
    history.reset(project);
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.checkpoint(project));
}

TEST_F(HistoryTest, UndoAndRedoSetTheModifiedMark) {
    editor.selectFirstRoot();
    type(1, "3");
    checkpoint();
    project.marks.modified = false; // as a Save leaves it
    undo();
    EXPECT_TRUE(project.marks.modified);
    project.marks.modified = false;
    redo();
    EXPECT_TRUE(project.marks.modified);
}

TEST_F(HistoryTest, CheckpointDoesNotTouchTheMarks) {
    selectSubnet();
    editor.addNode();
    project.marks.modified = false;
    EXPECT_TRUE(checkpoint());
    EXPECT_FALSE(project.marks.modified);
}

TEST_F(HistoryTest, ShowingACommandPageIsNoStep) {
    buildSmallConfiguration();
    selectSubnet();
    choose(6, std::string(text::Ascii));
    EXPECT_TRUE(checkpoint());
    // The page copies the check type into the command: not an edit.
    selectCommand(1);
    ASSERT_EQ(subnet().commands[0].checkType, text::Lrc);
    EXPECT_FALSE(checkpoint());
    EXPECT_EQ(history.undoSteps(), 7u);
    // The next real edit takes the refreshed copy along, also when Undo
    // then shows another page than the command's.
    editor.selectFirstRoot();
    type(1, "40");
    EXPECT_TRUE(checkpoint());
    undo();
    EXPECT_EQ(subnet().commands[0].checkType, text::Lrc);
    EXPECT_NE(project.store.fieldbus.stationAddress, "40");
}

TEST_F(HistoryTest, DepthIsBounded) {
    UndoHistory shallow(3);
    shallow.reset(project);
    selectSubnet();
    for (int i = 0; i < 5; ++i) {
        editor.addNode();
        EXPECT_TRUE(shallow.checkpoint(project));
    }
    EXPECT_EQ(shallow.undoSteps(), 3u);
    while (shallow.undo(project)) {
    }
    EXPECT_EQ(subnet().nodeCount, 2);
    while (shallow.redo(project)) {
    }
    EXPECT_EQ(subnet().nodeCount, 5);
}

TEST_F(HistoryTest, FirstCheckpointOnlyTakesTheStart) {
    UndoHistory fresh;
    selectSubnet();
    editor.addNode();
    EXPECT_FALSE(fresh.checkpoint(project));
    EXPECT_FALSE(fresh.canUndo());
}

} // namespace
} // namespace brenmoor::test
