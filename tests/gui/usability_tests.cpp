// The window as an engineer uses it all day: from the keyboard, on a small
// or scaled screen, under a dark theme, with tooltips that tell commands
// apart, a status bar that says what happened, and names a screen reader
// can announce.
#include "dark_palette.h"
#include "gui_test_support.h"

#include "core/editor/command_summary.h"
#include "core/model/store_texts.h"
#include "gui/app/command_ids.h"
#include "gui/app/help_window.h"
#include "gui/app/keyboard_indicators.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/app/window_placement.h"
#include "gui/editor/cdins.h"
#include "gui/editor/configuration_tree_widget.h"
#include "gui/editor/cwarning.h"
#include "gui/editor/info_text_panel.h"
#include "gui/editor/modbus_config_view.h"
#include "gui/editor/property_grid.h"
#include "gui/mapping/cdtest.h"
#include "gui/mapping/conflict_map_model.h"
#include "gui/serial/serial_link.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSplitter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace brenmoor;
using namespace brenmoor::gui;
using namespace brenmoor::gui::test;

namespace {

// The enabled entries of the next popup menu, which is then closed.
std::shared_ptr<QList<int>> onNextPopup() {
    auto enabled = std::make_shared<QList<int>>();
    auto tries = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [enabled, tries, poll] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) {
            if (++*tries < 2000)
                QTimer::singleShot(1, *poll);
            else
                release(poll);
            return;
        }
        enabled->append(-1); // seen, even with nothing enabled
        for (QAction* action : menu->actions())
            if (action->isEnabled())
                enabled->append(action->data().toInt());
        menu->close();
        release(poll);
    };
    QTimer::singleShot(0, *poll);
    return enabled;
}

QString accessibleName(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface ? iface->text(QAccessible::Name) : QString();
}

} // namespace

class UsabilityTests : public QObject {
    Q_OBJECT

  private:
    std::unique_ptr<CMainFrame> frame_;
    ScriptedFileDialogs* dialogs_ = nullptr;

    CModbusConfigView& view() { return frame_->view(); }
    ConfigurationEditor& editor() { return view().editor(); }
    PropertyGrid* grid() { return view().grid(); }
    ConfigurationTreeWidget* tree() { return view().treeWidget(); }
    Project& project() { return frame_->document().project(); }
    CONFIG& subnet() { return project().store.subnets[0]; }

    void clickCell(int row, int col) {
        const QRect cell = grid()->visualItemRect(grid()->item(row, col));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
    }

    // Node 1 with address 7 and commands of the given list positions.
    void addNodeWithCommands(std::initializer_list<int> positions) {
        view().selectItem(findSubnetRoot(editor().tree()));
        view().addNode();
        view().selectItem(editor().nodeItem(subnet().nodeCount));
        for (const int position : positions)
            view().addCommandFromList(position);
    }

    bool activate() {
        QApplication::setActiveWindow(frame_.get());
        return QTest::qWaitForWindowActive(frame_.get());
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init() {
        auto dialogs = std::make_unique<ScriptedFileDialogs>();
        dialogs_ = dialogs.get();
        frame_ = std::make_unique<CMainFrame>(std::move(dialogs));
        project().device = makeNewProject().device;
        frame_->document().newDocument();
        frame_->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    }

    void cleanup() {
        project().marks.modified = false;
        frame_.reset();
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (qobject_cast<CWARNING*>(widget) || qobject_cast<HelpWindow*>(widget))
                delete widget;
    }

    // --- Keyboard ----------------------------------------------------------

    void enterCommitsAndTheKeyboardStaysOnTheCell() {
        QVERIFY(activate());
        clickCell(1, 1);
        QLineEdit* edit = view().editBox();
        QVERIFY(edit->hasFocus());
        edit->setText(QStringLiteral("63"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(project().store.fieldbus.stationAddress, std::string("63"));
        QCOMPARE(QApplication::focusWidget(), grid());
        QCOMPARE(grid()->currentRow(), 1);
        QCOMPARE(grid()->currentColumn(), 1);
        // Space and Enter after a commit must never reach File New.
        QTest::keyClick(grid(), Qt::Key_Space);
        QVERIFY(frame_->document().isModified());
        for (QToolButton* button : frame_->toolBar()->findChildren<QToolButton*>())
            if (button->property("commandId").isValid())
                QCOMPARE(button->focusPolicy(), Qt::NoFocus);

        // A value chosen in a list also leaves the keyboard on its cell.
        clickCell(3, 1);
        QComboBox* list = view().listEditor();
        list->hidePopup();
        emit list->activated(1);
        QCOMPARE(QApplication::focusWidget(), grid());
        QCOMPARE(grid()->currentRow(), 3);

        // Leaving for another program commits; coming back finds the cell,
        // not the next widget in line (the Info/News tabs).
        clickCell(1, 1);
        view().editBox()->setText(QStringLiteral("12"));
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
        QCOMPARE(project().store.fieldbus.stationAddress, std::string("12"));
        elsewhere.close();
        QVERIFY(activate());
        QCOMPARE(QApplication::focusWidget(), grid());
        QCOMPARE(grid()->currentRow(), 1);
    }

    void theGridIsEditedFromTheKeyboard() {
        QVERIFY(activate());
        grid()->setFocus();
        grid()->setCurrentCell(1, 1);
        QTest::keyClick(grid(), Qt::Key_Down);
        QTest::keyClick(grid(), Qt::Key_Down);
        QCOMPARE(grid()->currentRow(), 3);
        const QString stored = grid()->item(3, 1)->text();

        // Enter opens the list exactly as a click: first entry selected.
        QTest::keyClick(grid(), Qt::Key_Return);
        QComboBox* list = view().listEditor();
        QVERIFY(list->isVisible());
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(list->geometry(), view().cellRect(3, 1));
        // Escape: the list goes and the cell shows what is stored.
        list->hidePopup();
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(grid()->item(3, 1)->text(), stored);
        QCOMPARE(project().store.fieldbus.inputSize, stored.toStdString());
        // The window's keyboard is back on the grid (the closed drop-down may
        // leave the offscreen window inactive for a moment).
        QCOMPARE(frame_->focusWidget(), grid());
        QVERIFY(activate());

        // F2 does the same; a choice made with the arrows and Enter commits.
        QTest::keyClick(grid(), Qt::Key_F2);
        QVERIFY(list->isVisible());
        QTest::keyClick(list->view(), Qt::Key_Down);
        QTest::keyClick(list->view(), Qt::Key_Return);
        QTRY_VERIFY(!list->isVisible());
        QCOMPARE(project().store.fieldbus.inputSize, std::string("16"));
        QCOMPARE(frame_->focusWidget(), grid());
        QVERIFY(activate());

        // The edit box: Escape keeps the stored value and the cell's text.
        QTest::keyClick(grid(), Qt::Key_Up);
        QTest::keyClick(grid(), Qt::Key_Up);
        QTest::keyClick(grid(), Qt::Key_Return);
        QLineEdit* edit = view().editBox();
        QVERIFY(edit->isVisible());
        const std::string address = project().store.fieldbus.stationAddress;
        const QString shown = grid()->item(1, 1)->text();
        edit->setText(QStringLiteral("42"));
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(!edit->isVisible());
        QCOMPARE(project().store.fieldbus.stationAddress, address);
        QCOMPARE(grid()->item(1, 1)->text(), shown);
        QCOMPARE(QApplication::focusWidget(), grid());
        // The next edit starts from the cell again, not from the cancelled text.
        QTest::keyClick(grid(), Qt::Key_Return);
        QCOMPARE(edit->text(), shown);
        QTest::keyClick(edit, Qt::Key_Escape);
    }

    void focusStartsOnTheTreeAndTabGoesToTheGrid() {
        QVERIFY(activate());
        QCOMPARE(QApplication::focusWidget(), tree());
        QTest::keyClick(tree(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), grid());
        // The grid's arrows stay in the grid; Tab leaves it for the Info text.
        QTest::keyClick(grid(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), &frame_->infoPanel());
        QTest::keyClick(&frame_->infoPanel(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), grid());
    }

    void keyboardMenuOfTheTreeFollowsTheRightClickRules() {
        addNodeWithCommands({0});
        const ItemId node = editor().nodeItem(1);
        view().selectItem(node);
        QList<int> expected;
        for (QAction* action : view().prepareContextMenu(node)->actions())
            if (action->isEnabled())
                expected << action->data().toInt();

        // Shift+F10, the Menu key, and the platform's own keyboard request.
        auto shown = onNextPopup();
        QTest::keyClick(tree(), Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(!shown->isEmpty());
        QCOMPARE(shown->mid(1), expected);
        shown = onNextPopup();
        QTest::keyClick(tree(), Qt::Key_Menu);
        QTRY_VERIFY(!shown->isEmpty());
        // A platform that reports the same key as a menu request too gets
        // no second menu...
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        shown = onNextPopup();
        QApplication::sendEvent(tree(), &menuKey);
        QVERIFY(shown->isEmpty());
        // ...and one that reports only the request gets the menu.
        QApplication::sendEvent(tree(), &menuKey);
        QTRY_VERIFY(!shown->isEmpty());
        QCOMPARE(shown->mid(1), expected);

        // The fieldbus root has no menu, from the keyboard as from the mouse:
        // a menu would hold the event until the poll closed it.
        view().selectItem(editor().tree().firstRoot());
        auto none = onNextPopup();
        QApplication::sendEvent(tree(), &menuKey);
        QVERIFY(none->isEmpty());

        // Delete in the tree deletes nothing.
        view().selectItem(node);
        QTest::keyClick(tree(), Qt::Key_Delete);
        QCOMPARE(subnet().nodeCount, 1);
        QCOMPARE(subnet().commandCount, 1);
    }

    void enterInSelectCommandAddsTheEntry() {
        addNodeWithCommands({});
        int added = -1;
        bool listHasFocus = false;
        bool staysOpen = false;
        onNextModal([&](QWidget* modal) {
            auto* dialog = qobject_cast<CDIns*>(modal);
            if (!dialog) {
                modal->close();
                return;
            }
            listHasFocus = dialog->focusWidget() == dialog->list();
            // Nothing selected yet: Enter adds nothing. The first arrow
            // selects the first code rather than stepping over it.
            QTest::keyClick(dialog->list(), Qt::Key_Return);
            QTest::keyClick(dialog->list(), Qt::Key_Down);
            QCOMPARE(dialog->list()->selectedItems().size(), 1);
            QCOMPARE(dialog->list()->currentRow(), 0);
            dialog->list()->setCurrentRow(2);
            QTest::keyClick(dialog->list(), Qt::Key_Return);
            QTest::keyClick(dialog->list(), Qt::Key_Enter);
            added = subnet().commandCount;
            staysOpen = dialog->isVisible();
            dialog->close();
        });
        frame_->action(cmd::AddCommand)->trigger();
        QVERIFY(listHasFocus);
        QVERIFY(staysOpen);
        QCOMPARE(added, 2);
        QCOMPARE(subnet().commands[1].functionCode, std::string("3"));
    }

    // --- Small screens and scaling -------------------------------------------

    void placementFollowsTheAvailableScreen() {
        const QSize preferred(1440, 778);
        const QSize minimum(906, 680);
        const QMargins frame(4, 30, 4, 4);
        for (const QSize screen : {QSize(1366, 768), QSize(1280, 720), QSize(1920, 1080)}) {
            for (const double scale : {1.0, 1.25, 1.5, 2.0}) {
                // Logical pixels, with a 32-pixel panel at the top.
                const QRect available(0, qRound(32 / scale), qRound(screen.width() / scale),
                                      qRound((screen.height() - 32) / scale));
                const WindowPlacement place = placeWindow(available, frame, preferred, minimum);
                const QRect outer = place.geometry.marginsAdded(frame);
                const QString where = QStringLiteral("%1x%2 at %3")
                                          .arg(screen.width())
                                          .arg(screen.height())
                                          .arg(scale);
                QVERIFY2(available.contains(outer), qPrintable(where));
                const QSize room = available.marginsRemoved(frame).size();
                QCOMPARE(place.minimum, minimum.boundedTo(room));
                QCOMPARE(place.geometry.size(), preferred.boundedTo(room));
                if (room.width() >= preferred.width() && room.height() >= preferred.height())
                    QVERIFY2((outer.center() - available.center()).manhattanLength() <= 1,
                             qPrintable(where));
            }
        }
        // Larger than the screen in every way: the top left corner wins.
        const WindowPlacement tiny =
            placeWindow(QRect(10, 20, 300, 200), frame, preferred, minimum);
        QCOMPARE(tiny.geometry.marginsAdded(frame).topLeft(), QPoint(10, 20));
        QCOMPARE(toolButtonWidth(13 * 80, 13, 80, 60), 80);
        QCOMPARE(toolButtonWidth(890, 13, 80, 60), 68);
        QCOMPARE(toolButtonWidth(500, 13, 80, 60), 60);
    }

    void thirteenButtonsFitAtTheMinimumWidth() {
        const auto buttons = [this] {
            QList<QToolButton*> tools;
            for (QToolButton* button : frame_->toolBar()->findChildren<QToolButton*>())
                if (button->property("commandId").isValid())
                    tools << button;
            return tools;
        };
        QCOMPARE(buttons().size(), 13);
        frame_->resize(1440, 778);
        QTRY_COMPARE(buttons().constFirst()->width(), 80);
        for (QToolButton* button : buttons())
            QCOMPARE(button->size(), QSize(80, 55));

        frame_->resize(906, 680);
        QTRY_VERIFY(buttons().constFirst()->width() < 80);
        QTRY_VERIFY(buttons().constLast()->isVisible());
        for (QToolButton* button : buttons()) {
            QVERIFY2(button->isVisible(), qPrintable(button->text()));
            QVERIFY(frame_->toolBar()->rect().contains(button->geometry()));
            QCOMPARE(button->height(), 55);
            QCOMPARE(button->iconSize(), QSize(32, 32));
        }
    }

    void messagesAndHelpSitOverTheWindowThatRaisedThem() {
        // The Download dialog's opening check speaks before the dialog is
        // on the screen: its message belongs over the main window.
        project().store.fieldbus.stationAddress = "5";
        project().store.fieldbus.inputSize = "160";
        project().store.fieldbus.outputSize = "112";
        frame_->serialLink().settings().confirmed = true;
        QList<QWidget*> parents;
        QList<QPoint> centres;
        const auto look = [&](QWidget* modal) {
            parents << (modal->parentWidget() ? modal->parentWidget()->window() : nullptr);
            centres << modal->frameGeometry().center();
            clickButton(QStringLiteral("OK"))(modal);
        };
        // The pair of sizes, then "not complete".
        onModals({look, look});
        frame_->action(cmd::Download)->trigger();
        QCOMPARE(parents, (QList<QWidget*>{frame_.get(), frame_.get()}));
        for (const QPoint& centre : centres)
            QVERIFY((centre - frame_->frameGeometry().center()).manhattanLength() < 40);

        HelpWindow* help = openHelp(frame_.get());
        QVERIFY(help);
        QVERIFY(
            (help->frameGeometry().center() - frame_->frameGeometry().center()).manhattanLength() <
            40);
    }

    void theTreeCanBeWidened() {
        QSplitter* splitter = view().splitter();
        QCOMPARE(tree()->width(), 220);
        QCOMPARE(grid()->mapTo(&view(), QPoint()).x(), 224);
        splitter->setSizes({400, view().width() - 404});
        QTRY_COMPARE(tree()->width(), 400);
        // The grid's two columns still share what is left of it.
        QVERIFY(std::abs(grid()->columnWidth(0) - grid()->width() / 2) <= 1);
        clickCell(1, 1);
        QCOMPARE(view().editBox()->geometry(), view().cellRect(1, 1));
        QVERIFY(view().editBox()->geometry().left() > 400);
    }

    // --- Dark themes --------------------------------------------------------

    void fixedBackgroundsKeepTheirTextReadableUnderADarkPalette() {
        const QPalette light = QApplication::palette();
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkFusionPalette());
        // A window started under the desktop's dark theme.
        cleanup();
        init();
        view().selectItem(findSubnetRoot(editor().tree()));
        // The page's grey and white cells get black text; an unpainted value
        // follows the palette.
        int painted = 0;
        int unpainted = 0;
        for (int row = 0; row < grid()->rowCount(); ++row) {
            const QTableWidgetItem* cell = grid()->item(row, 1);
            if (!cell)
                continue;
            if (cell->background().style() == Qt::NoBrush) {
                QCOMPARE(cell->foreground().style(), Qt::NoBrush);
                ++unpainted;
            } else {
                QCOMPARE(cell->foreground().color(), QColor(Qt::black));
                ++painted;
            }
        }
        QVERIFY(painted > 0 && unpainted > 0);
        const QImage shot = grid()->grab().toImage();
        const QRect label = grid()->visualItemRect(grid()->item(2, 0));
        const QPoint inside = grid()->viewport()->mapTo(grid(), label.topLeft() + QPoint(3, 3));
        QCOMPARE(shot.pixelColor(inside * shot.devicePixelRatio()),
                 darkFusionPalette().color(QPalette::Button));

        MappingState state;
        CDTest conflicts(project(), state, frame_.get());
        const QModelIndex address = conflicts.inputModel()->index(0, 0);
        QCOMPARE(conflicts.inputModel()->data(address, Qt::ForegroundRole).value<QBrush>().color(),
                 darkFusionPalette().color(QPalette::ButtonText));
        QApplication::setPalette(light);
    }

    // --- Telling things apart and knowing what happens ----------------------

    void tooltipsTellTheToolsAndTheCommandsApart() {
        QStringList tips;
        for (QToolButton* button : frame_->toolBar()->findChildren<QToolButton*>())
            if (button->property("commandId").isValid())
                tips << button->toolTip();
        QCOMPARE(tips, (QStringList{"New", "Save", "Open", "Add Node", "Delete Node", "Add Command",
                                    "Delete Command", "Upload", "Download", "Auto Mapping",
                                    "Conflict Detect", "Export Excel", "Monitor I/O Data"}));

        addNodeWithCommands({2, 2});
        view().selectItem(editor().commandItem(2));
        clickCell(2, 1);
        view().editBox()->setText(QStringLiteral("100"));
        QTest::keyClick(view().editBox(), Qt::Key_Return);
        QTreeWidgetItem* node = tree()->topLevelItem(1)->child(0);
        QCOMPARE(node->child(0)->text(0), node->child(1)->text(0));
        const QString second = node->child(1)->toolTip(0);
        QCOMPARE(second, QString::fromStdString(commandSummary(project(), 0, 1)));
        QVERIFY(second.contains(QStringLiteral("Starting Address: 100")));
        QVERIFY(node->child(0)->toolTip(0) != second);
        QCOMPARE(node->toolTip(0), QString());

        MappingState state;
        CDTest conflicts(project(), state, frame_.get());
        QCOMPARE(conflicts.commandList()->item(1)->toolTip(), second);
    }

    void statusBarSaysReadyAndWhereTheWorkbookWent() {
        QStatusBar* bar = frame_->statusBar();
        QCOMPARE(bar->currentMessage(), QStringLiteral("Ready"));
        bar->showMessage(QString()); // what a hovered menu entry does
        QCOMPARE(bar->currentMessage(), QStringLiteral("Ready"));

        QTemporaryDir folder;
        dialogs_->workbookSaveAnswers << folder.filePath(QStringLiteral("plant"));
        frame_->action(cmd::ExportExcel)->trigger();
        QVERIFY(bar->currentMessage().contains(folder.filePath(QStringLiteral("plant.xlsx"))));
        QCOMPARE(dialogs_->openedWorkbooks.size(), 1);
    }

    void lockPanesFollowTheKeyboard() {
        LockKeys keys;
        std::array<QLabel*, 3> panes = {new QLabel(QStringLiteral("Uppercase"), frame_.get()),
                                        new QLabel(QStringLiteral("Digital"), frame_.get()),
                                        new QLabel(QStringLiteral("Scroll"), frame_.get())};
        KeyboardIndicators indicators(panes, frame_.get(), [&keys] { return keys; });
        // Nothing known (no X server tells): greyed, as before.
        for (QLabel* pane : panes)
            QVERIFY(!pane->isEnabled());
        keys = {true, false, std::nullopt};
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_CapsLock, Qt::NoModifier);
        QApplication::sendEvent(grid(), &release);
        QVERIFY(panes[0]->isEnabled());
        QVERIFY(!panes[1]->isEnabled());
        QVERIFY(!panes[2]->isEnabled());
        keys = {false, true, true};
        QKeyEvent other(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier);
        QApplication::sendEvent(grid(), &other);
        QVERIFY(panes[0]->isEnabled()); // only a lock key asks again
        QEvent activated(QEvent::ApplicationActivate);
        QApplication::sendEvent(qApp, &activated);
        QVERIFY(!panes[0]->isEnabled());
        QVERIFY(panes[1]->isEnabled() && panes[2]->isEnabled());
    }

    // --- Accessibility --------------------------------------------------------

    void controlsAreNamedAsTheyRead() {
        for (QAbstractButton* button : frame_->findChildren<QAbstractButton*>())
            if (button->isVisible() && !button->text().isEmpty())
                QCOMPARE(accessibleName(button), button->text().remove(QLatin1Char('&')));
        QCOMPARE(accessibleName(tree()), QStringLiteral("Device"));
        QCOMPARE(accessibleName(grid()), QStringLiteral("Configuration"));
        // The grid's cells are its table's cells.
        QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid());
        QVERIFY(table && table->tableInterface());
        QCOMPARE(table->tableInterface()->cellAt(0, 0)->text(QAccessible::Name),
                 QStringLiteral("Type of Protocol"));
        // An editor is announced by the row it edits.
        clickCell(1, 1);
        QCOMPARE(accessibleName(view().editBox()), grid()->item(1, 0)->text());

        // The maps' cells are named by what their colour means, the drawn
        // legend squares by their colour.
        addNodeWithCommands({2});
        subnet().commands[0].mapAddress = "10";
        subnet().commands[0].dataCount = "1";
        MappingState state;
        CDTest conflicts(project(), state, frame_.get());
        QAccessibleInterface* map = QAccessible::queryAccessibleInterface(conflicts.inputGrid());
        QVERIFY(map && map->tableInterface());
        QCOMPARE(map->text(QAccessible::Name), QStringLiteral("Input area"));
        QCOMPARE(map->tableInterface()->cellAt(1, 1)->text(QAccessible::Name),
                 QStringLiteral("Input"));
        QCOMPARE(map->tableInterface()->cellAt(1, 1)->text(QAccessible::Description),
                 QStringLiteral("0010"));
        QCOMPARE(map->tableInterface()->cellAt(1, 0)->text(QAccessible::Name),
                 QStringLiteral("0010"));
        QStringList squares;
        for (QLabel* label : conflicts.findChildren<QLabel*>())
            if (label->text().trimmed().isEmpty() && label->pixmap().isNull())
                squares << accessibleName(label);
        QCOMPARE(squares, (QStringList{"green", "blue", "red", "yellow"}));
    }

    // --- Help -------------------------------------------------------------------

    void everyHelpLinkAndPictureIsThere() {
        QFile index(QStringLiteral(":/help/index.html"));
        QVERIFY(index.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(index.readAll());
        const QRegularExpression link(QStringLiteral("href=\"([^\"#:]+)"));
        QStringList pages;
        for (const auto& match : link.globalMatch(html))
            pages << match.captured(1);
        QVERIFY(pages.size() >= 12);
        const QRegularExpression picture(QStringLiteral("src=\"([^\"]+)\""));
        for (const QString& page : pages) {
            QFile file(QStringLiteral(":/help/") + page);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(page));
            for (const auto& match : picture.globalMatch(QString::fromUtf8(file.readAll())))
                QVERIFY2(QFile::exists(QStringLiteral(":/help/") + match.captured(1)),
                         qPrintable(page + QLatin1Char(' ') + match.captured(1)));
        }
    }
};

QTEST_MAIN(UsabilityTests)
#include "usability_tests.moc"
