// Undo and Redo in the window, and the comparison commands: the shortcuts,
// the enable states, the page after a restore, and that a comparison never
// changes the document.
#include "gui_test_support.h"
#include "serial_test_support.h"

#include "core/model/project_file.h"
#include "core/model/store_texts.h"
#include "fake_clock.h"
#include "gui/app/command_ids.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/compare/compare_dialog.h"
#include "gui/compare/difference_table_model.h"
#include "gui/editor/configuration_tree_widget.h"
#include "gui/editor/modbus_config_view.h"
#include "gui/editor/property_grid.h"
#include "gui/serial/serial_link.h"
#include "scripted_port.h"
#include "sim/gateway_config.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace brenmoor;
using namespace brenmoor::gui;
using namespace brenmoor::gui::test;

namespace {

// Lists the given ports; opening fails or gives a port that stays silent.
class FakeLister : public PortLister {
  public:
    explicit FakeLister(ComPortNames names) : names_(std::move(names)) {}
    ComPortNames listPorts() override { return names_; }

  private:
    ComPortNames names_;
};

class FakeOpener : public PortOpener {
  public:
    explicit FakeOpener(bool opens) : opens_(opens) {}
    PortOpenResult open(const std::string&, const LineSettings&) override {
        ++opened;
        PortOpenResult result;
        if (!opens_)
            return result;
        result.port = std::make_unique<ScriptedPort>(clock_);
        result.error = PortOpenError::None;
        return result;
    }
    int opened = 0;
    FakeClock& clock() { return clock_; }

  private:
    bool opens_;
    FakeClock clock_;
};

struct Shown {
    bool shown = false;
    std::vector<ConfigDifference> differences;
    QString otherName;
};

} // namespace

class HistoryTests : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    ScriptedFileDialogs* dialogs_ = nullptr;
    std::unique_ptr<CMainFrame> frame_;

    CModbusConfigView& view() { return frame_->view(); }
    ConfigurationEditor& editor() { return view().editor(); }
    Project& project() { return frame_->document().project(); }
    CONFIG& subnet() { return project().store.subnets[0]; }
    QAction* undoAction() { return frame_->action(cmd::EditUndo); }
    QAction* redoAction() { return frame_->action(cmd::EditRedo); }
    QString shownValue(int row) { return view().grid()->item(row, 1)->text(); }

    void clickCell(int row) {
        PropertyGrid* grid = view().grid();
        const QRect cell = grid->visualItemRect(grid->item(row, 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }

    void typeValue(int row, const QString& text) {
        clickCell(row);
        QLineEdit* edit = view().editBox();
        QVERIFY(edit->isVisible());
        edit->setText(text);
        QTest::keyClick(edit, Qt::Key_Return);
    }

    void press(QKeySequence keys) {
        const QKeyCombination combination = keys[0];
        QTest::keyClick(view().treeWidget(), combination.key(), combination.keyboardModifiers());
    }

    // Adds a node under the subnet root and selects it.
    void addNode() {
        view().selectItem(findSubnetRoot(editor().tree()));
        frame_->action(cmd::AddNode)->trigger();
        view().selectItem(editor().nodeItem(subnet().nodeCount));
    }

    QString writeFile(const char* name, const Project& source) {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        if (!saveProjectFile(source, path.toStdString()))
            qFatal("cannot write the test project");
        return path;
    }

    // One port, COM1, whose opening fails or gives a silent port.
    FakeOpener& useSerialLink(bool opens, bool confirmed) {
        auto opener = std::make_unique<FakeOpener>(opens);
        FakeOpener& result = *opener;
        auto link = std::make_unique<SerialLink>(std::make_unique<FakeLister>(ComPortNames{"COM1"}),
                                                 std::move(opener), result.clock());
        link->enumeratePorts();
        link->settings().confirmed = confirmed;
        frame_->replaceSerialLink(std::move(link));
        return result;
    }

    // Records the comparison instead of opening the dialog.
    std::shared_ptr<Shown> recordComparisons() {
        auto shown = std::make_shared<Shown>();
        frame_->setComparisonShower(
            [shown](std::vector<ConfigDifference> differences, const QString& name) {
                shown->shown = true;
                shown->differences = std::move(differences);
                shown->otherName = name;
            });
        return shown;
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toLocal8Bit());
        QVERIFY(dir_.isValid());
    }

    void init() {
        auto dialogs = std::make_unique<ScriptedFileDialogs>();
        dialogs_ = dialogs.get();
        frame_ = std::make_unique<CMainFrame>(std::move(dialogs));
        project().device = makeNewProject().device;
        frame_->document().newDocument();
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
        frame_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    }

    void cleanup() {
        project().marks.modified = false;
        frame_.reset();
    }

    void menuCaptionsAndShortcuts() {
        QCOMPARE(undoAction()->text(), QStringLiteral("Undo(&U)"));
        QCOMPARE(undoAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(redoAction()->text(), QStringLiteral("Redo(&R)"));
        QCOMPARE(redoAction()->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(QStringLiteral("Ctrl+Y")),
                                      QKeySequence(QStringLiteral("Ctrl+Shift+Z"))}));
        QCOMPARE(frame_->action(cmd::CompareWithFile)->text(),
                 QStringLiteral("Compare with File(&C)..."));
        QCOMPARE(frame_->action(cmd::CompareWithGateway)->text(),
                 QStringLiteral("Compare with Gateway..."));
    }

    void freshDocumentAndSelectionsLeaveNothingToUndo() {
        QVERIFY(!undoAction()->isEnabled());
        QVERIFY(!redoAction()->isEnabled());
        // An opened file whose command still holds the check type of the
        // other transmission mode: showing its page corrects the copy.
        Project other = makeNewProject();
        CONFIG& s0 = other.store.subnets[0];
        s0.master.masterTransmission = std::string(text::Ascii);
        s0.nodeCount = 1;
        s0.nodes[0] = NODE{"5", "Node-5"};
        s0.commandCount = 1;
        s0.commands[0] = defaultInstruction(other.device);
        s0.commands[0].slaveAddress = "5";
        s0.commands[0].functionCode = "3";
        s0.commands[0].checkType = std::string(text::Crc);
        s0.commands[0].nodeNumber = 1;
        dialogs_->openAnswers = {writeFile("ascii.chg", other)};
        frame_->action(cmd::FileOpen)->trigger();
        QCOMPARE(subnet().nodeCount, 1);

        view().selectItem(findSubnetRoot(editor().tree()));
        view().selectItem(editor().nodeItem(1));
        view().selectItem(editor().commandItem(1));
        QCOMPARE(subnet().commands[0].checkType, std::string(text::Lrc));
        view().selectItem(editor().tree().firstRoot());
        QVERIFY(!undoAction()->isEnabled());
    }

    void ctrlZRestoresACommittedValueAndThePageShowsIt() {
        const QString old = shownValue(1);
        typeValue(1, QStringLiteral("12"));
        QCOMPARE(project().store.fieldbus.stationAddress, std::string("12"));
        QVERIFY(undoAction()->isEnabled());
        QVERIFY(!redoAction()->isEnabled());

        project().marks.modified = false;
        press(QKeySequence(QStringLiteral("Ctrl+Z")));
        QCOMPARE(shownValue(1), old);
        QCOMPARE(project().store.fieldbus.stationAddress,
                 old.isEmpty() ? std::string(text::NotSet) : old.toStdString());
        QVERIFY(project().marks.modified);
        QVERIFY(!undoAction()->isEnabled());
        QVERIFY(redoAction()->isEnabled());

        press(QKeySequence(QStringLiteral("Ctrl+Y")));
        QCOMPARE(shownValue(1), QStringLiteral("12"));
        press(QKeySequence(QStringLiteral("Ctrl+Z")));
        press(QKeySequence(QStringLiteral("Ctrl+Shift+Z")));
        QCOMPARE(shownValue(1), QStringLiteral("12"));
        QVERIFY(!redoAction()->isEnabled());
    }

    void aValueLeftInTheEditBoxIsTheStepUndoTakesBack() {
        typeValue(1, QStringLiteral("12"));
        clickCell(1);
        view().editBox()->setText(QStringLiteral("13"));
        undoAction()->trigger();
        QCOMPARE(project().store.fieldbus.stationAddress, std::string("12"));
        QVERIFY(!view().editBox()->isVisible());
        QCOMPARE(shownValue(1), QStringLiteral("12"));
    }

    void structureCommandsAreUndoneInTheTree() {
        addNode();
        typeValue(0, QStringLiteral("5"));
        view().addCommandFromList(2);
        ConfigurationTreeWidget* tree = view().treeWidget();
        QTreeWidgetItem* subnetItem = tree->topLevelItem(1);
        QCOMPARE(subnetItem->child(0)->childCount(), 1);

        view().selectItem(editor().nodeItem(1));
        frame_->action(cmd::DeleteNode)->trigger();
        // Delete Node from the Edit menu builds the tree anew.
        QCOMPARE(tree->topLevelItem(1)->childCount(), 0);

        undoAction()->trigger();
        subnetItem = tree->topLevelItem(1);
        QCOMPARE(subnetItem->childCount(), 1);
        QCOMPARE(subnetItem->child(0)->text(0), QStringLiteral("Node-5"));
        QCOMPARE(subnetItem->child(0)->childCount(), 1);
        // Delete Node from the Edit menu had selected the first root.
        QCOMPARE(tree->currentItem(), tree->topLevelItem(0));

        view().selectItem(editor().commandItem(1));
        undoAction()->trigger(); // the command goes; its node is shown
        QCOMPARE(subnet().commandCount, 0);
        QCOMPARE(tree->currentItem(), tree->topLevelItem(1)->child(0));
        QCOMPARE(view().grid()->item(0, 0)->text(), QStringLiteral("Slave Address (0~247)"));
        QVERIFY(frame_->action(cmd::AddCommand)->isEnabled());
    }

    void pasteAndAutoMappingAreSteps() {
        addNode();
        typeValue(0, QStringLiteral("5"));
        view().addCommandFromList(2);
        view().addCommandFromList(5);
        frame_->action(cmd::CopyNode)->trigger();
        frame_->action(cmd::PasteNode)->trigger();
        QCOMPARE(subnet().commandCount, 4);
        answerNextModal(QStringLiteral("OK"));
        frame_->action(cmd::AutoMapping)->trigger();
        QVERIFY(!subnet().commands[0].mapAddress.empty());

        undoAction()->trigger();
        QVERIFY(subnet().commands[0].mapAddress.empty());
        QCOMPARE(subnet().commandCount, 4);
        undoAction()->trigger();
        QCOMPARE(subnet().commandCount, 2);
    }

    void newAndOpenClearTheHistory() {
        addNode();
        QVERIFY(undoAction()->isEnabled());
        answerNextModal(QStringLiteral("No(&N)"));
        frame_->action(cmd::FileNew)->trigger();
        QVERIFY(!undoAction()->isEnabled());
        QVERIFY(!redoAction()->isEnabled());

        Project other = makeNewProject();
        other.store.fieldbus.stationAddress = "21";
        dialogs_->openAnswers = {writeFile("other.chg", other)};
        addNode();
        undoAction()->trigger();
        QVERIFY(redoAction()->isEnabled());
        answerNextModal(QStringLiteral("No(&N)"));
        frame_->action(cmd::FileOpen)->trigger();
        QCOMPARE(project().store.fieldbus.stationAddress, std::string("21"));
        QVERIFY(!undoAction()->isEnabled());
        QVERIFY(!redoAction()->isEnabled());
    }

    void cancelledNewKeepsTheHistory() {
        addNode();
        answerNextModal(QStringLiteral("Cancel"));
        frame_->action(cmd::FileNew)->trigger();
        QVERIFY(undoAction()->isEnabled());
        QCOMPARE(subnet().nodeCount, 1);
    }

    void compareWithFileShowsTheDialogAndChangesNothing() {
        addNode();
        typeValue(0, QStringLiteral("5"));
        Project other = makeNewProject();
        other.store.fieldbus.stationAddress = "21";
        dialogs_->openAnswers = {writeFile("gateway-a.chg", other)};
        const Project before = project();
        const size_t steps = frame_->history().undoSteps();

        CompareDialog* dialog = nullptr;
        QString heading;
        onNextModal([&](QWidget* modal) {
            dialog = qobject_cast<CompareDialog*>(modal);
            if (dialog)
                heading = dialog->findChild<QLabel*>(QStringLiteral("compareHeading"))->text();
            modal->close();
        });
        frame_->action(cmd::CompareWithFile)->trigger();
        QVERIFY(dialog != nullptr);
        QCOMPARE(heading, QStringLiteral("This configuration compared with gateway-a.chg:"));

        QCOMPARE(project().store, before.store);
        QCOMPARE(project().device, before.device);
        QCOMPARE(project().marks.modified, before.marks.modified);
        QCOMPARE(frame_->document().path(), QString());
        QCOMPARE(frame_->history().undoSteps(), steps);
        QVERIFY(!redoAction()->isEnabled());
    }

    void compareWithFileComparesThisDocumentWithTheFile() {
        const auto shown = recordComparisons();
        dialogs_->openAnswers = {writeFile("same.chg", project())};
        frame_->action(cmd::CompareWithFile)->trigger();
        QVERIFY(shown->shown);
        QCOMPARE(shown->otherName, QStringLiteral("same.chg"));
        QVERIFY(shown->differences.empty());

        // A cancelled file dialog compares nothing.
        *shown = Shown{};
        frame_->action(cmd::CompareWithFile)->trigger();
        QVERIFY(!shown->shown);
    }

    void compareWithFileShowsEveryDifferenceInTheTable() {
        typeValue(1, QStringLiteral("5"));
        Project other = makeNewProject();
        other.store.fieldbus.stationAddress = "6";
        dialogs_->openAnswers = {writeFile("B.chg", other)};
        int rows = 0;
        QString place, label, left, right;
        onNextModal([&](QWidget* modal) {
            if (auto* dialog = qobject_cast<CompareDialog*>(modal)) {
                QAbstractItemModel* model = dialog->table()->model();
                rows = model->rowCount();
                place = model->index(0, DifferenceTableModel::Place).data().toString();
                label = model->index(0, DifferenceTableModel::Parameter).data().toString();
                left = model->index(0, DifferenceTableModel::ThisValue).data().toString();
                right = model->index(0, DifferenceTableModel::OtherValue).data().toString();
            }
            modal->close();
        });
        frame_->action(cmd::CompareWithFile)->trigger();
        QCOMPARE(rows, 1);
        QCOMPARE(place, QStringLiteral("Fieldbus"));
        QCOMPARE(label, QStringLiteral("DeviceNet Address(0~63)"));
        QCOMPARE(left, QStringLiteral("5"));
        QCOMPARE(right, QStringLiteral("6"));
    }

    void unreadableFileIsReportedAndNothingChanges() {
        const auto shown = recordComparisons();
        const QString bad = dir_.filePath(QStringLiteral("bad.chg"));
        QFile file(bad);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a project");
        file.close();
        dialogs_->openAnswers = {bad};
        addNode();
        const Project before = project();
        const auto message = answerNextModal(QStringLiteral("OK"));
        frame_->action(cmd::CompareWithFile)->trigger();
        QVERIFY(message->seen);
        QCOMPARE(message->text, QStringLiteral("Unexpected file format."));
        QVERIFY(!shown->shown);
        QCOMPARE(project().store, before.store);
        QVERIFY(frame_->history().canUndo());
    }

    void compareDialogListsTheDifferences() {
        std::vector<ConfigDifference> differences = {
            {"Subnet 1, node 5, command 2", "Mapping Address (HEX)", "4000", "4010", true},
            {"Subnet 1, node 5", "Name", "Node-5", "New Node", false},
        };
        CompareDialog dialog(differences, QStringLiteral("B.chg"));
        QTableView* table = dialog.table();
        QVERIFY(!table->isHidden());
        QAbstractItemModel* model = table->model();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->columnCount(), 5);
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(),
                 QStringLiteral("This configuration"));
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("B.chg"));
        QCOMPARE(model->index(0, 0).data().toString(),
                 QStringLiteral("Subnet 1, node 5, command 2"));
        QCOMPARE(model->index(0, 2).data().toString(), QStringLiteral("4000"));
        QCOMPARE(model->index(0, 3).data().toString(), QStringLiteral("4010"));
        QCOMPARE(model->index(0, 4).data().toString(), QString());
        QCOMPARE(model->index(1, 4).data().toString(), QStringLiteral("not sent to the gateway"));
        QVERIFY(model->index(1, 1).data(Qt::ForegroundRole).isValid());
        QVERIFY(!model->index(0, 1).data(Qt::ForegroundRole).isValid());
        QCOMPARE(dialog.summary()->text(), QStringLiteral("Parameters that differ: 2"));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Compare Configurations"));
    }

    void compareDialogAgainstAGatewayListsWhatItHoldsDifferently() {
        std::vector<ConfigDifference> differences = {
            {"Subnet 1, node 5, command 1", "Bit Offset (0~7)", "", "0", true, true},
            {"Subnet 1, node 5", "Node Name", "Pump", "Node-5", false},
        };
        CompareDialog dialog(differences, QStringLiteral("Gateway"), true);
        QCOMPARE(dialog.summary()->text(), QStringLiteral("The configurations are the same."));
        QVERIFY(dialog.table()->isHidden());
        QCOMPARE(dialog.everyField()->text(), QStringLiteral("Show every field"));
        dialog.everyField()->setChecked(true);
        QCOMPARE(dialog.model()->rowCount(), 2);
        QCOMPARE(dialog.model()->index(0, 4).data().toString(),
                 QStringLiteral("sent as the same bytes"));
        QVERIFY(!dialog.table()->isHidden());
        QCOMPARE(dialog.summary()->text(), QStringLiteral("Parameters that differ: 2"));
    }

    void compareDialogWithNothingSaysTheyAreTheSame() {
        CompareDialog dialog({}, QStringLiteral("Gateway"));
        QCOMPARE(dialog.summary()->text(), QStringLiteral("The configurations are the same."));
        QVERIFY(dialog.table()->isHidden());
    }

    void compareWithGatewayNeedsConfirmedSettings() {
        const auto shown = recordComparisons();
        FakeOpener& opener = useSerialLink(true, false);
        // Serial Port Configuration comes first; its Cancel ends the command.
        const auto settings = answerNextModal(QStringLiteral("Cancel"));
        frame_->action(cmd::CompareWithGateway)->trigger();
        QVERIFY(settings->seen);
        QVERIFY(!frame_->serialLink().settings().confirmed);
        QVERIFY(!shown->shown);
        QCOMPARE(opener.opened, 0);
    }

    void compareWithGatewayReportsAPortThatDoesNotOpen() {
        const auto shown = recordComparisons();
        FakeOpener& opener = useSerialLink(false, true);
        addNode();
        const Project before = project();
        const auto message = answerNextModal(QStringLiteral("OK"));
        frame_->action(cmd::CompareWithGateway)->trigger();
        QVERIFY(message->seen);
        QVERIFY(message->text.contains(QStringLiteral("COM1")));
        QCOMPARE(opener.opened, 1);
        QVERIFY(!shown->shown);
        QCOMPARE(project().store, before.store);
    }

    void compareWithGatewayReportsAFailedReadAndChangesNothing() {
        const auto shown = recordComparisons();
        FakeOpener& opener = useSerialLink(true, true);
        addNode();
        const Project before = project();
        // The scripted port stays silent: the first request goes unanswered.
        const auto message = answerNextModal(QStringLiteral("OK"));
        frame_->action(cmd::CompareWithGateway)->trigger();
        QVERIFY(message->seen);
        QVERIFY(!message->text.isEmpty());
        QVERIFY(!shown->shown);
        QCOMPARE(opener.opened, 1);
        QCOMPARE(project().store, before.store);
        QCOMPARE(project().device, before.device);
        QVERIFY(frame_->history().canUndo());
        QCOMPARE(frame_->history().undoSteps(), size_t{1});
    }

    void compareWithGatewayReadsTheSimulatedGatewayAndChangesNothing() {
        addNode();
        typeValue(0, QStringLiteral("5"));
        view().addCommandFromList(2);
        ParameterStore onSite = project().store;
        onSite.fieldbus.stationAddress = "33";
        SimulatedGateway gateway(SimulatedGateway::fastOptions(),
                                 sim::configFromStore(onSite, project().device));
        FakeClock clock;
        auto link = std::make_unique<SerialLink>(
            std::make_unique<FakeLister>(ComPortNames{"/dev/ttyS0", gateway.device()}),
            std::make_unique<SimulatedPortOpener>(clock), clock);
        link->enumeratePorts();
        link->settings().portIndex = 1;
        link->settings().confirmed = true;
        frame_->replaceSerialLink(std::move(link));

        const auto shown = recordComparisons();
        const Project before = project();
        frame_->action(cmd::CompareWithGateway)->trigger();

        QVERIFY(shown->shown);
        QCOMPARE(shown->otherName, QStringLiteral("Gateway"));
        const auto station = std::find_if(
            shown->differences.begin(), shown->differences.end(),
            [](const ConfigDifference& d) { return d.label == "DeviceNet Address(0~63)"; });
        QVERIFY(station != shown->differences.end());
        QCOMPARE(station->right, std::string("33"));
        QCOMPARE(project().store, before.store);
        QCOMPARE(project().device, before.device);
        QCOMPARE(project().marks.modified, before.marks.modified);
    }

    // The read waits on the serial worker: the window's timers run (and the
    // reading window paints) while it does.
    void compareWithGatewayKeepsTheWindowRunningWhileItReads() {
        SimulatedGateway gateway(SimulatedGateway::fastOptions(),
                                 sim::configFromStore(project().store, project().device));
        GatedClock clock;
        auto link = std::make_unique<SerialLink>(
            std::make_unique<FakeLister>(ComPortNames{gateway.device()}),
            std::make_unique<SimulatedPortOpener>(clock), clock);
        link->enumeratePorts();
        link->settings().confirmed = true;
        frame_->replaceSerialLink(std::move(link));
        const auto shown = recordComparisons();
        bool ranMeanwhile = false;
        QTimer::singleShot(0, [&] {
            ranMeanwhile = true;
            clock.open();
        });
        frame_->action(cmd::CompareWithGateway)->trigger();
        QVERIFY(ranMeanwhile);
        QVERIFY(!clock.waitedInVain());
        QVERIFY(shown->shown);
        QVERIFY(frame_->serialLink().worker().waiting() == false);
    }
};

QTEST_MAIN(HistoryTests)
#include "history_tests.moc"
