// The form view's wiring: clicks open the editor the core asks for, in the
// cell's place; commits reach the store and the grid; the right-click menu
// and "Select Command" follow the core.
#include "gui_test_support.h"

#include "core/model/store_texts.h"
#include "gui/app/command_ids.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/editor/cdins.h"
#include "gui/editor/configuration_tree_widget.h"
#include "gui/editor/cwarning.h"
#include "gui/editor/info_text_panel.h"
#include "gui/editor/modbus_config_view.h"
#include "gui/editor/property_grid.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>

using namespace brenmoor;
using namespace brenmoor::gui;
using namespace brenmoor::gui::test;

class ViewTests : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<CMainFrame> frame_;

    CModbusConfigView& view() { return frame_->view(); }
    ConfigurationEditor& editor() { return view().editor(); }
    PropertyGrid* grid() { return view().grid(); }
    CONFIG& subnet() { return frame_->document().project().store.subnets[0]; }

    void clickCell(int row, int col) {
        const QRect cell = grid()->visualItemRect(grid()->item(row, col));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void selectSubnet() { view().selectItem(findSubnetRoot(editor().tree())); }

    // A node with address 7 and one command of each given list position.
    void addNodeWithCommands(std::initializer_list<int> positions) {
        selectSubnet();
        view().addNode();
        view().selectItem(editor().nodeItem(subnet().nodeCount));
        for (const int position : positions)
            view().addCommandFromList(position);
    }

    void typeIntoEditBox(const QString& text) {
        QLineEdit* edit = view().editBox();
        QVERIFY(edit->isVisible());
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        frame_ = std::make_unique<CMainFrame>(std::make_unique<ScriptedFileDialogs>());
        frame_->document().project().device = makeNewProject().device;
        frame_->document().newDocument();
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    }

    void cleanup() {
        frame_->document().project().marks.modified = false;
        frame_.reset();
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<CWARNING*>(widget))
                delete widget;
    }

    void newDocumentShowsTheFieldbusPage() {
        ConfigurationTreeWidget* tree = view().treeWidget();
        QCOMPARE(tree->topLevelItemCount(), 2);
        QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Fieldbus"));
        QCOMPARE(grid()->item(0, 0)->text(), QStringLiteral("Type of Protocol"));
        QCOMPARE(grid()->columnCount(), 2);
        // The two columns share the grid's width, rows are 300 twips high.
        QVERIFY(std::abs(grid()->columnWidth(0) - grid()->width() / 2) <= 1);
        QCOMPARE(grid()->rowHeight(0), 300);
    }

    void listCellOpensTheChoicesOverTheCellAndCommits() {
        clickCell(3, 1);
        QComboBox* list = view().listEditor();
        QVERIFY(list->isVisible());
        QVERIFY(!view().editBox()->isVisible());
        QStringList choices;
        for (int i = 0; i < list->count(); ++i)
            choices << list->itemText(i);
        QCOMPARE(choices, (QStringList{"8", "16", "32", "64", "96", "128", "160"}));
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(list->geometry(), view().cellRect(3, 1));
        // The cell rectangle sits on the cell, one pixel in from the left.
        const QRect cell = grid()->visualItemRect(grid()->item(3, 1));
        const QPoint cellInView = grid()->viewport()->mapTo(&view(), cell.topLeft());
        QVERIFY(std::abs(list->geometry().left() - cellInView.x()) <= 2);
        QVERIFY(std::abs(list->geometry().top() - cellInView.y()) <= 2);
        QCOMPARE(frame_->infoPanel().toPlainText().left(30),
                 QStringLiteral("Size of DeviceNet input bytes,"));

        list->hidePopup();
        emit list->activated(5); // "128"
        QVERIFY(!list->isVisible());
        QCOMPARE(frame_->document().project().store.fieldbus.inputSize, std::string("128"));
        QCOMPARE(grid()->item(3, 1)->text(), QStringLiteral("128"));
        QVERIFY(frame_->document().isModified());
    }

    void refusedBufferPairShowsTheNoticeWindow() {
        frame_->document().project().store.fieldbus.outputSize = "96";
        clickCell(3, 1);
        view().listEditor()->hidePopup();
        emit view().listEditor()->activated(6); // "160" + "96" reaches 240
        CWARNING* notice = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* w = qobject_cast<CWARNING*>(widget))
                notice = w;
        QVERIFY(notice);
        QVERIFY(notice->isVisible());
        QVERIFY(!notice->isModal());
        QVERIFY(notice->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(notice->windowTitle(), QString());
        QVERIFY(notice->message().startsWith(QStringLiteral("Corvan-Plus input bytes")));
        QVERIFY(frame_->document().project().store.fieldbus.inputSize != "160");
    }

    void editCellCommitsOnEnterAndRejectsQuietly() {
        clickCell(1, 1);
        QLineEdit* edit = view().editBox();
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->geometry(), view().cellRect(1, 1));
        QCOMPARE(edit->selectedText(), edit->text());
        typeIntoEditBox(QStringLiteral("63"));
        QVERIFY(!edit->isVisible());
        QCOMPARE(frame_->document().project().store.fieldbus.stationAddress, std::string("63"));
        QCOMPARE(grid()->item(1, 1)->text(), QStringLiteral("63"));

        clickCell(1, 1);
        typeIntoEditBox(QStringLiteral("64"));
        QCOMPARE(frame_->document().project().store.fieldbus.stationAddress, std::string("63"));
        QCOMPARE(grid()->item(1, 1)->text(), QStringLiteral("63"));
    }

    void editBoxCommitsWhenTheGridScrolls() {
        selectSubnet();
        clickCell(7, 1); // response timeout
        view().editBox()->setText(QStringLiteral("5"));
        grid()->setTopRow(2);
        QVERIFY(!view().editBox()->isVisible());
        QCOMPARE(subnet().master.responseTimeout, std::string("5"));
    }

    void aTypedValueIsCommittedBeforeAnyCommand() {
        clickCell(1, 1);
        view().editBox()->setText(QStringLiteral("42"));
        // Ctrl+S from the edit box: the shortcut does not move the focus.
        frame_->action(cmd::FileSave)->trigger(); // the file dialog is cancelled
        QCOMPARE(frame_->document().project().store.fieldbus.stationAddress, std::string("42"));
        QVERIFY(!view().editBox()->isVisible());
    }

    void greyCellsOpenNothing() {
        clickCell(0, 1); // fieldbus type
        QVERIFY(!view().listEditor()->isVisible());
        QVERIFY(!view().editBox()->isVisible());
        clickCell(1, 0); // a label only shows its help
        QVERIFY(!view().editBox()->isVisible());
        QCOMPARE(frame_->infoPanel().toPlainText(), QStringLiteral("DeviceNet Address."));
    }

    void nodeAddressNoticeAndRename() {
        addNodeWithCommands({2});
        view().selectItem(editor().nodeItem(1));
        clickCell(0, 1);
        typeIntoEditBox(QStringLiteral("300"));
        bool noticed = false;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* notice = qobject_cast<CWARNING*>(widget))
                noticed = notice->windowTitle() == QStringLiteral("Brenmoor");
        QVERIFY(noticed);

        clickCell(0, 1);
        typeIntoEditBox(QStringLiteral("12"));
        QCOMPARE(view().treeWidget()->topLevelItem(1)->child(0)->text(0),
                 QStringLiteral("Node-12"));
        QCOMPARE(subnet().commands[0].slaveAddress, std::string("12"));
    }

    void commandPageListChoices() {
        addNodeWithCommands({2}); // Read Holding Registers
        view().selectItem(editor().commandItem(1));
        clickCell(7, 1);
        QComboBox* list = view().listEditor();
        QVERIFY(list->isVisible());
        QCOMPARE(list->itemText(1), QStringLiteral("Two Bytes Swap"));
        list->hidePopup();
        emit list->activated(2);
        QCOMPARE(subnet().commands[0].swapMode, std::string("Four Bytes Swap"));
        QCOMPARE(grid()->item(7, 1)->text(), QStringLiteral("Four Bytes Swap"));
    }

    void rightClickMenuFollowsTheEnableRules() {
        ConfigurationTree& tree = editor().tree();
        QVERIFY(view().prepareContextMenu(tree.firstRoot()) == nullptr);

        auto enabled = [](QMenu* menu) {
            QList<int> ids;
            for (QAction* action : menu->actions())
                if (action->isEnabled())
                    ids << action->data().toInt();
            return ids;
        };
        QMenu* menu = view().prepareContextMenu(findSubnetRoot(tree));
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 6);
        QCOMPARE(enabled(menu), QList<int>{cmd::TreeAddNode});

        addNodeWithCommands({0});
        menu = view().prepareContextMenu(editor().nodeItem(1));
        // A node still called "New Node" cannot be copied.
        QCOMPARE(enabled(menu),
                 (QList<int>{cmd::TreeAddNode, cmd::TreeDeleteNode, cmd::TreeAddCommand}));
        menu = view().prepareContextMenu(editor().commandItem(1));
        QCOMPARE(enabled(menu), QList<int>{cmd::TreeDeleteCommand});
        // The Edit menu and the toolbar follow the same flags.
        QVERIFY(frame_->action(cmd::DeleteCommand)->isEnabled());
        QVERIFY(!frame_->action(cmd::AddNode)->isEnabled());

        // The right-click Delete Command removes the clicked command.
        for (QAction* action : menu->actions())
            if (action->data().toInt() == cmd::TreeDeleteCommand)
                action->trigger();
        QCOMPARE(subnet().commandCount, 0);
        QCOMPARE(view().treeWidget()->topLevelItem(1)->child(0)->childCount(), 0);
    }

    void rightClickInTheTreeSelectsTheItem() {
        ConfigurationTreeWidget* tree = view().treeWidget();
        QTreeWidgetItem* fieldbus = tree->topLevelItem(0);
        QTreeWidgetItem* subnetItem = tree->topLevelItem(1);
        tree->setCurrentItem(subnetItem);
        // Fieldbus: selected, no menu.
        QTest::mouseClick(tree->viewport(), Qt::RightButton, {},
                          tree->visualItemRect(fieldbus).center());
        QCOMPARE(tree->currentItem(), fieldbus);
        QCOMPARE(editor().tree().selected(), editor().tree().firstRoot());
    }

    void selectCommandAddsOnEachDoubleClickAndStaysOpen() {
        selectSubnet();
        view().addNode();
        view().selectItem(editor().nodeItem(1));
        QVERIFY(frame_->action(cmd::AddCommand)->isEnabled());
        int listed = 0;
        QString title;
        onNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<CDIns*>(modal);
            QVERIFY(dialog);
            title = dialog->windowTitle();
            QListWidget* list = dialog->list();
            listed = list->count();
            for (const int row : {4, 7}) {
                list->setCurrentRow(row);
                const QRect rect = list->visualItemRect(list->item(row));
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
            }
            QVERIFY(dialog->isVisible());
            dialog->close();
        });
        frame_->action(cmd::AddCommand)->trigger();
        QCOMPARE(title, QStringLiteral("Select Command"));
        QCOMPARE(listed, 8);
        QCOMPARE(subnet().commandCount, 2);
        QCOMPARE(subnet().commands[0].functionCode, std::string("5"));
        QCOMPARE(subnet().commands[0].dataCount, std::string("1"));
        QCOMPARE(subnet().commands[1].functionCode, std::string("16"));
        QTreeWidgetItem* node = view().treeWidget()->topLevelItem(1)->child(0);
        QCOMPARE(node->childCount(), 2);
        QCOMPARE(node->child(0)->text(0), QStringLiteral("Force Single Coil"));
        QCOMPARE(node->child(1)->text(0), QStringLiteral("Preset Multiple Registers"));
        QVERIFY(frame_->document().isModified());
    }

    void deleteNodeFromTheEditMenuRebuildsTheTree() {
        addNodeWithCommands({0, 1});
        addNodeWithCommands({2});
        view().selectItem(editor().nodeItem(1));
        frame_->action(cmd::DeleteNode)->trigger();
        QCOMPARE(subnet().nodeCount, 1);
        QCOMPARE(subnet().commandCount, 1);
        ConfigurationTreeWidget* tree = view().treeWidget();
        QCOMPARE(tree->topLevelItem(1)->childCount(), 1);
        QCOMPARE(tree->topLevelItem(1)->child(0)->child(0)->text(0),
                 QStringLiteral("Read Holding Registers"));
        QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Fieldbus"));
        QVERIFY(!frame_->action(cmd::DeleteNode)->isEnabled());
    }

    void wheelMovesTheTopRowByOne() {
        selectSubnet();
        grid()->resize(grid()->width(), 120); // fewer rows than the page
        grid()->setFocus();
        QApplication::setActiveWindow(frame_.get());
        if (!grid()->hasFocus())
            QSKIP("the platform gives no keyboard focus");
        const QPoint inside = grid()->viewport()->rect().center();
        QWheelEvent away(inside, grid()->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, -120),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid()->viewport(), &away);
        QCOMPARE(grid()->topRow(), 1);
        QWheelEvent towards(inside, grid()->viewport()->mapToGlobal(inside), QPoint(),
                            QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid()->viewport(), &towards);
        QApplication::sendEvent(grid()->viewport(), &towards);
        QCOMPARE(grid()->topRow(), 0);
    }

    void twipsFollowTheScreenResolution() {
        const double perPixel = 1440.0 / grid()->logicalDpiX();
        grid()->setColWidth(0, 1500);
        QCOMPARE(grid()->columnWidth(0), qRound(1500 / perPixel));
        QVERIFY(std::abs(grid()->colWidth(0) - 1500) <= perPixel);
    }

    void autoMappingAsksThenMapsAndShowsTheRebuiltTree() {
        addNodeWithCommands({2, 5}); // a read and a write command
        auto cancelled = answerNextModal(QStringLiteral("Cancel"));
        frame_->action(cmd::AutoMapping)->trigger();
        QCOMPARE(cancelled->text,
                 QStringLiteral("Really want to calculate the mapping address automatically?"));
        QVERIFY(subnet().commands[0].mapAddress.empty());

        answerNextModal(QStringLiteral("OK"));
        frame_->action(cmd::AutoMapping)->trigger();
        QCOMPARE(subnet().commands[0].mapAddress, std::string("2"));
        QCOMPARE(subnet().commands[1].mapAddress, std::string("4000"));
        ConfigurationTreeWidget* tree = view().treeWidget();
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0));
        QCOMPARE(tree->topLevelItem(1)->child(0)->childCount(), 2);
    }

    void commonModeDisablesTheMappingTools() {
        QVERIFY(frame_->action(cmd::AutoMapping)->isEnabled());
        frame_->document().project().device.commonMode = true;
        frame_->updateCommandUi();
        QVERIFY(!frame_->action(cmd::AutoMapping)->isEnabled());
        QVERIFY(!frame_->action(cmd::ConflictDetection)->isEnabled());
        frame_->document().project().device.commonMode = false;
        frame_->document().project().device.delimiter = true;
        frame_->updateCommandUi();
        QVERIFY(frame_->action(cmd::AutoMapping)->isEnabled());
        QVERIFY(!frame_->action(cmd::ConflictDetection)->isEnabled());
    }
};

QTEST_MAIN(ViewTests)
#include "view_tests.moc"
