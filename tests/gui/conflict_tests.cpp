// Conflict Detection in the window: the maps painted on opening, a toggle
// announcing only its own cells, the bit popup and the right-button mark,
// and the command's enable state.
#include "gui_test_support.h"

#include "core/mapping/conflict_maps.h"
#include "gui/app/command_ids.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/mapping/cdbitshow.h"
#include "gui/mapping/cdtest.h"
#include "gui/mapping/conflict_map_model.h"

#include <QAction>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace brenmoor;
using namespace brenmoor::gui;
using namespace brenmoor::gui::test;

namespace {

INSTRUCTION& addCommand(Project& project, int code, int dataCount, int bitOffset,
                        std::string mapAddress) {
    CONFIG& subnet = project.store.subnets[0];
    INSTRUCTION& command = subnet.commands[subnet.commandCount++];
    command.slaveAddress = "1";
    command.functionCode = std::to_string(code);
    command.startAddress = "0";
    command.dataCount = std::to_string(dataCount);
    command.bitOffset = std::to_string(bitOffset);
    command.mapAddress = std::move(mapAddress);
    command.byteCount = "0";
    return command;
}

const QColor kGreen(0, 255, 0), kBlue(0, 0, 255), kRed(255, 0, 0), kYellow(255, 255, 0);

// The background the model gives a byte's cell; invalid when free.
QColor cellColour(const ConflictMapModel* model, int byte) {
    const QModelIndex index = model->index(byte / 16, byte % 16 + 1);
    const QVariant brush = model->data(index, Qt::BackgroundRole);
    return brush.isValid() ? brush.value<QBrush>().color() : QColor();
}

// The colour the view really painted in the middle of a byte's cell.
QColor paintedColour(QTableView* grid, int byte) {
    const QModelIndex index = grid->model()->index(byte / 16, byte % 16 + 1);
    grid->scrollTo(index);
    const QRect cell = grid->visualRect(index);
    const QImage image = grid->viewport()->grab().toImage();
    return image.pixelColor(cell.center() * image.devicePixelRatio());
}

QPoint cellCentre(QTableView* grid, int row, int column) {
    const QModelIndex index = grid->model()->index(row, column);
    grid->scrollTo(index);
    return grid->visualRect(index).center();
}

} // namespace

class ConflictTests : public QObject {
    Q_OBJECT

  private:
    // Two reads on 0x10..0x13 (a conflict), a read and a write on 0x20 (local
    // data exchange), a bit read over bytes 0x30/0x31 and a write to 0x4000.
    static Project smallConfiguration() {
        Project project = makeNewProject();
        addCommand(project, 3, 2, 0, "0010");
        addCommand(project, 3, 2, 0, "0010");
        addCommand(project, 3, 1, 0, "0020");
        addCommand(project, 16, 1, 0, "0020");
        addCommand(project, 1, 3, 6, "0030");
        addCommand(project, 6, 1, 0, "4000");
        return project;
    }

    static std::unique_ptr<CDTest> openDialog(const Project& project, MappingState& state) {
        auto dialog = std::make_unique<CDTest>(project, state);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get()))
            return nullptr;
        return dialog;
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void openingPaintsTheMapsAndSetsTheConflict() {
        const Project project = smallConfiguration();
        MappingState state;
        auto dialog = openDialog(project, state);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Conflict Detection"));
        QVERIFY(state.mappingConflict);

        ConflictMapModel* in = dialog->inputModel();
        ConflictMapModel* out = dialog->outputModel();
        for (int byte = 0x10; byte <= 0x13; ++byte)
            QCOMPARE(cellColour(in, byte), kRed);
        QCOMPARE(cellColour(in, 0x14), QColor());
        QCOMPARE(cellColour(in, 0x20), kYellow);
        QCOMPARE(cellColour(in, 0x21), kYellow); // the write covers two bytes
        QCOMPARE(cellColour(in, 0x30), kGreen);
        QCOMPARE(cellColour(in, 0x31), kGreen);
        QCOMPARE(cellColour(out, 0), kBlue);
        QCOMPARE(cellColour(out, 1), kBlue);
        QCOMPARE(cellColour(out, 2), QColor());
        QCOMPARE(cellColour(in, 0), QColor());

        // What the views show, not only what the models say.
        QCOMPARE(paintedColour(dialog->inputGrid(), 0x11), kRed);
        QCOMPARE(paintedColour(dialog->inputGrid(), 0x20), kYellow);
        QCOMPARE(paintedColour(dialog->outputGrid(), 1), kBlue);
        QCOMPARE(paintedColour(dialog->outputGrid(), 2),
                 dialog->outputGrid()->palette().color(QPalette::Base));
    }

    void openingWithoutConflictClearsAnEarlierOne() {
        Project project = makeNewProject();
        addCommand(project, 16, 2, 0, "4000");
        addCommand(project, 16, 2, 0, "4004");
        MappingState state;
        state.mappingConflict = true;
        CDTest dialog(project, state);
        QVERIFY(!state.mappingConflict);
        QCOMPARE(cellColour(dialog.outputModel(), 7), kBlue);
    }

    void gridsHaveTheAddressColumnAndTheirWidths() {
        const Project project = smallConfiguration();
        MappingState state;
        CDTest dialog(project, state);
        for (QTableView* grid : {dialog.inputGrid(), dialog.outputGrid()}) {
            QCOMPARE(grid->model()->rowCount(), 1024);
            QCOMPARE(grid->model()->columnCount(), 17);
            const int dpi = grid->logicalDpiX();
            QCOMPARE(grid->columnWidth(0), int(std::lround(600.0 * dpi / 1440)));
            for (int column = 1; column < 17; ++column)
                QCOMPARE(grid->columnWidth(column), int(std::lround(300.0 * dpi / 1440)));
            // Data cells carry no text, even when painted.
            QVERIFY(!grid->model()->data(grid->model()->index(1, 1), Qt::DisplayRole).isValid());
        }
        auto address = [](ConflictMapModel* model, int row) {
            return model->data(model->index(row, 0), Qt::DisplayRole).toString();
        };
        QCOMPARE(address(dialog.inputModel(), 0), QStringLiteral("0000"));
        QCOMPARE(address(dialog.inputModel(), 0x3ff), QStringLiteral("3FF0"));
        QCOMPARE(address(dialog.inputModel(), 0xab), QStringLiteral("0AB0"));
        QCOMPARE(address(dialog.outputModel(), 0), QStringLiteral("4000"));
        QCOMPARE(address(dialog.outputModel(), 0x3ff), QStringLiteral("7FF0"));
    }

    void listShowsEveryEntryCheckedWithTheStatusEntryFirst() {
        Project project = smallConfiguration();
        project.device.commandStatus = true;
        project.store.subnets[0].master.commandStatus = "2Bytes";
        addCommand(project, 15, 4, 0, "4010");
        addCommand(project, 2, 1, 0, "0040");
        addCommand(project, 5, 1, 0, "4020");
        addCommand(project, 4, 1, 0, "0050");
        MappingState state;
        CDTest dialog(project, state);
        QListWidget* list = dialog.commandList();
        QStringList texts;
        for (int row = 0; row < list->count(); ++row) {
            texts << list->item(row)->text();
            QCOMPARE(list->item(row)->checkState(), Qt::Checked);
        }
        QCOMPARE(texts,
                 (QStringList{QStringLiteral("Modbus命令状态"), "Read Holding Registers",
                              "Read Holding Registers", "Read Holding Registers",
                              "Preset Multiple Registers", "Read Coil Status",
                              "Preset Single Register", "Force Multiple Coils", "Read Input Status",
                              "Force Single Coil", "Read Input Register"}));
        QCOMPARE(cellColour(dialog.inputModel(), 0), kGreen);
        QCOMPARE(cellColour(dialog.inputModel(), 1), kGreen);
        QCOMPARE(cellColour(dialog.inputModel(), 2), QColor());
    }

    void togglingRepaintsOnlyThatEntrysCells() {
        const Project project = smallConfiguration();
        MappingState state;
        auto dialog = openDialog(project, state);
        QVERIFY(dialog);
        QListWidget* list = dialog->commandList();
        ConflictMapModel* in = dialog->inputModel();
        QSignalSpy changed(in, &QAbstractItemModel::dataChanged);
        QSignalSpy outChanged(dialog->outputModel(), &QAbstractItemModel::dataChanged);
        QSignalSpy reset(in, &QAbstractItemModel::modelReset);

        // Selecting a row is no toggle.
        list->setCurrentRow(1);
        QCOMPARE(changed.count(), 0);

        list->item(1)->setCheckState(Qt::Unchecked);
        for (int byte = 0x10; byte <= 0x13; ++byte)
            QCOMPARE(cellColour(in, byte), kGreen);
        QVERIFY(state.mappingConflict); // a conflict once painted stays for the download
        QCOMPARE(paintedColour(dialog->inputGrid(), 0x12), kGreen);
        QVERIFY(changed.count() >= 1);
        for (const QList<QVariant>& signal : changed) {
            const auto topLeft = signal[0].value<QModelIndex>();
            const auto bottomRight = signal[1].value<QModelIndex>();
            QCOMPARE(topLeft.row(), 1);
            QCOMPARE(bottomRight.row(), 1);
            QVERIFY(topLeft.column() >= 1 + 0x0 && bottomRight.column() <= 1 + 0x3);
        }
        QCOMPARE(outChanged.count(), 0);
        QCOMPARE(reset.count(), 0);

        // Unchecking the other one frees the cells; checking again paints red.
        list->item(0)->setCheckState(Qt::Unchecked);
        QCOMPARE(cellColour(in, 0x10), QColor());
        list->item(0)->setCheckState(Qt::Checked);
        list->item(1)->setCheckState(Qt::Checked);
        QCOMPARE(cellColour(in, 0x13), kRed);
        QCOMPARE(dialog->maps().entries()[1].code, 3);

        // A write entry repaints the output grid only.
        changed.clear();
        list->item(5)->setCheckState(Qt::Unchecked);
        QCOMPARE(cellColour(dialog->outputModel(), 0), QColor());
        QCOMPARE(changed.count(), 0);
        QCOMPARE(outChanged.count(), 1);
    }

    void bitPopupShowsTheBitsWhileTheButtonIsHeld() {
        const Project project = smallConfiguration();
        MappingState state;
        auto dialog = openDialog(project, state);
        QVERIFY(dialog);
        QTableView* grid = dialog->inputGrid();
        CDBitShow* popup = dialog->bitPopup();
        QVERIFY(!popup->isVisible());

        // Byte 0x30: bits 6 and 7 of the three-bit read at offset 6.
        const QPoint at = cellCentre(grid, 3, 1);
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(popup->isVisible());
        QCOMPARE(popup->size(), QSize(165, 23));
        QCOMPARE(popup->pos(), grid->viewport()->mapToGlobal(at));
        QVERIFY(popup->windowFlags() & Qt::FramelessWindowHint);
        for (int bit = 0; bit < 6; ++bit)
            QCOMPARE(popup->bitColour(bit), MapColour::Free);
        QCOMPARE(popup->bitColour(6), MapColour::Green);
        QCOMPARE(popup->bitColour(7), MapColour::Green);
        const QImage image = popup->grab().toImage();
        QCOMPARE(image.pixelColor(popup->cellRect(7).center() * image.devicePixelRatio()), kGreen);
        QCOMPARE(image.pixelColor(popup->cellRect(0).center() * image.devicePixelRatio()),
                 popup->palette().color(QPalette::Base));
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(!popup->isVisible());

        // The next byte holds bit 0 only; a conflict byte shows red bits.
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, 3, 2));
        QCOMPARE(popup->bitColour(0), MapColour::Green);
        QCOMPARE(popup->bitColour(1), MapColour::Free);
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, 1, 1));
        QCOMPARE(popup->byte(), 0x10);
        QCOMPARE(popup->bitColour(3), MapColour::Red);
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, 1, 1));

        // The output map shows the output colours; the address column nothing.
        QTableView* output = dialog->outputGrid();
        QTest::mousePress(output->viewport(), Qt::LeftButton, {}, cellCentre(output, 0, 2));
        QCOMPARE(popup->area(), MapArea::Output);
        QCOMPARE(popup->bitColour(7), MapColour::Blue);
        QTest::mouseRelease(output->viewport(), Qt::LeftButton, {}, cellCentre(output, 0, 2));
        QTest::mousePress(output->viewport(), Qt::LeftButton, {}, cellCentre(output, 0, 0));
        QVERIFY(!popup->isVisible());
        QTest::mouseRelease(output->viewport(), Qt::LeftButton, {}, cellCentre(output, 0, 0));
    }

    void rightButtonMarkSwallowsTheNextMapPress() {
        const Project project = smallConfiguration();
        MappingState state;
        auto dialog = openDialog(project, state);
        QVERIFY(dialog);
        QTableView* grid = dialog->inputGrid();
        CDBitShow* popup = dialog->bitPopup();
        const QPoint at = cellCentre(grid, 1, 1);

        QTest::mousePress(dialog->commandList()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QTest::mouseRelease(dialog->commandList()->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QVERIFY(dialog->rightButtonMark());
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(!popup->isVisible());
        QVERIFY(!dialog->rightButtonMark());
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(popup->isVisible());
        QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at);

        // On a map the right button sets and clears the mark at once.
        QTest::mousePress(grid->viewport(), Qt::RightButton, {}, at);
        QVERIFY(!popup->isVisible());
        QVERIFY(!dialog->rightButtonMark());
        QTest::mouseRelease(grid->viewport(), Qt::RightButton, {}, at);

        // The dialog's own background counts as well.
        auto* label = dialog->findChild<QLabel*>();
        QTest::mousePress(label, Qt::RightButton, {}, QPoint(1, 1));
        QVERIFY(dialog->rightButtonMark());
    }

    void commandFollowsTheFlagsAndOpensTheDialog() {
        CMainFrame frame(std::make_unique<ScriptedFileDialogs>());
        frame.document().newDocument();
        Project& project = frame.document().project();
        QAction* action = frame.action(cmd::ConflictDetection);
        QVERIFY(action);
        frame.updateCommandUi();
        QVERIFY(action->isEnabled());
        project.device.commonMode = true;
        frame.updateCommandUi();
        QVERIFY(!action->isEnabled());
        project.device.commonMode = false;
        project.device.delimiter = true;
        frame.updateCommandUi();
        QVERIFY(!action->isEnabled());
        project.device.delimiter = false;
        frame.updateCommandUi();
        QVERIFY(action->isEnabled());

        addCommand(project, 4, 1, 0, "0000");
        addCommand(project, 4, 1, 0, "0001");
        int rows = -1;
        const auto seen = onNextModal([&rows](QWidget* modal) {
            if (auto* dialog = qobject_cast<CDTest*>(modal))
                rows = dialog->commandList()->count();
            modal->close();
        });
        action->trigger();
        QVERIFY(seen->seen);
        QCOMPARE(seen->title, QStringLiteral("Conflict Detection"));
        QCOMPARE(rows, 2);
        QVERIFY(frame.mappingState().mappingConflict);
        project.marks.modified = false;
    }
};

QTEST_MAIN(ConflictTests)
#include "conflict_tests.moc"
