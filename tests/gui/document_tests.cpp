// The document's life as the user drives it: the Save Configuration
// question on New, Open and Exit, failed opens, and start-up.
#include "gui_test_support.h"

#include "core/model/project_file.h"
#include "gui/app/command_ids.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_app.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/app/recent_files.h"
#include "gui/editor/configuration_tree_widget.h"
#include "gui/editor/modbus_config_view.h"

#include <QAction>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace brenmoor;
using namespace brenmoor::gui;
using namespace brenmoor::gui::test;

namespace {
const QString kSaveTitle = QStringLiteral("Save Configuration");
const QString kSaveText = QStringLiteral("Configuration has been changed, save it or not?");
const QString kYes = QStringLiteral("Yes(&Y)");
const QString kNo = QStringLiteral("No(&N)");
const QString kCancel = QStringLiteral("Cancel");

int nodeCount(CMainFrame& frame) {
    return frame.document().project().store.subnets[0].nodeCount;
}
} // namespace

class DocumentTests : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    ScriptedFileDialogs* dialogs_ = nullptr;
    std::unique_ptr<CMainFrame> frame_;

    QString file(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // A fresh window on a new document, with a node added (modified).
    void openEditedWindow() {
        auto dialogs = std::make_unique<ScriptedFileDialogs>();
        dialogs_ = dialogs.get();
        frame_ = std::make_unique<CMainFrame>(std::move(dialogs));
        frame_->document().project().device = makeNewProject().device;
        frame_->document().newDocument();
        frame_->show();
        addNode();
    }

    void addNode() {
        CModbusConfigView& view = frame_->view();
        view.selectItem(findSubnetRoot(view.editor().tree()));
        frame_->action(cmd::AddNode)->trigger();
    }

    // A project file with two nodes, written without the window.
    QString writeProjectWithTwoNodes() {
        Project project = makeNewProject();
        CONFIG& subnet = project.store.subnets[0];
        subnet.nodeCount = 2;
        subnet.nodes[0] = NODE{"5", "Node-5"};
        subnet.nodes[1] = NODE{"6", "Node-6"};
        const QString path = file("two.chg");
        if (!saveProjectFile(project, path.toStdString()))
            qFatal("cannot write the test project");
        return path;
    }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toLocal8Bit());
        QVERIFY(dir_.isValid());
    }

    void cleanup() {
        if (frame_)
            frame_->document().project().marks.modified = false;
        frame_.reset();
    }

    void newAsksAndCancelKeepsTheEdits() {
        openEditedWindow();
        auto seen = answerNextModal(kCancel);
        frame_->action(cmd::FileNew)->trigger();
        QVERIFY(seen->seen);
        QCOMPARE(seen->title, kSaveTitle);
        QCOMPARE(seen->text, kSaveText);
        QCOMPARE(seen->defaultButton, kNo);
        QCOMPARE(nodeCount(*frame_), 1);
        QVERIFY(frame_->document().isModified());

        // The close box answers as Cancel does.
        closeNextModal();
        frame_->action(cmd::FileNew)->trigger();
        QCOMPARE(nodeCount(*frame_), 1);
    }

    void newNoDropsTheEditsAndRetitles() {
        openEditedWindow();
        answerNextModal(kNo);
        frame_->action(cmd::FileNew)->trigger();
        QCOMPARE(nodeCount(*frame_), 0);
        QVERIFY(!frame_->document().isModified());
        QCOMPARE(frame_->windowTitle(), QStringLiteral("Untitled - Brenmoor"));
        QCOMPARE(dialogs_->saveCalls, 0);
    }

    void newYesSavesFirstAndStopsWhenTheSaveIsCancelled() {
        openEditedWindow();
        answerNextModal(kYes);
        frame_->action(cmd::FileNew)->trigger(); // the Save As dialog answers "cancel"
        QCOMPARE(dialogs_->saveCalls, 1);
        QCOMPARE(nodeCount(*frame_), 1);
        QVERIFY(frame_->document().isModified());

        const QString saved = file("new-yes.chg");
        dialogs_->saveAnswers = {saved};
        answerNextModal(kYes);
        frame_->action(cmd::FileNew)->trigger();
        QCOMPARE(nodeCount(*frame_), 0);
        Project reread = makeNewProject();
        QCOMPARE(openProjectFile(reread, saved.toStdString()).result, OpenResult::Read);
        QCOMPARE(reread.store.subnets[0].nodeCount, 1);
    }

    void openAsksThenOpensAndClearsTheModifiedMark() {
        const QString path = writeProjectWithTwoNodes();
        openEditedWindow();
        dialogs_->openAnswers = {path};
        auto seen = answerNextModal(kNo);
        frame_->action(cmd::FileOpen)->trigger();
        QVERIFY(seen->seen);
        QCOMPARE(nodeCount(*frame_), 2);
        QVERIFY(!frame_->document().isModified());
        QCOMPARE(frame_->windowTitle(), QStringLiteral("two.chg - Brenmoor"));
        QCOMPARE(RecentFiles::load().value(0), QFileInfo(path).absoluteFilePath());
        // The tree shows the opened nodes.
        ConfigurationTreeWidget* tree = frame_->view().treeWidget();
        QCOMPARE(tree->topLevelItem(1)->childCount(), 2);
        QCOMPARE(tree->topLevelItem(1)->child(1)->text(0), QStringLiteral("Node-6"));
        // Nothing changed since the open, so leaving asks nothing.
        QVERIFY(frame_->close());
    }

    void failedOpenKeepsTheDocument() {
        openEditedWindow();
        const QString good = file("kept.chg");
        dialogs_->saveAnswers = {good};
        frame_->action(cmd::FileSaveAs)->trigger();
        addNode(); // two nodes now, one of them unsaved
        const QString title = frame_->windowTitle();

        const QString corrupt = file("corrupt.chg");
        QFile out(corrupt);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("this is not a project file at all");
        out.close();
        dialogs_->openAnswers = {corrupt};
        const auto seen = answerModals({kNo, QStringLiteral("OK")});
        frame_->action(cmd::FileOpen)->trigger();
        QVERIFY(seen[1]->seen);
        QCOMPARE(seen[1]->text, QStringLiteral("Unexpected file format."));
        QCOMPARE(nodeCount(*frame_), 2);
        QVERIFY(frame_->document().isModified());
        QCOMPARE(frame_->document().path(), good);
        QCOMPARE(frame_->windowTitle(), title);
        QCOMPARE(frame_->view().treeWidget()->topLevelItem(1)->childCount(), 2);
    }

    void saveClearsTheMarkAndExitThenAsksNothing() {
        openEditedWindow();
        dialogs_->saveAnswers = {file("saved.chg")};
        frame_->action(cmd::FileSave)->trigger(); // untitled: Save As
        QCOMPARE(dialogs_->saveCalls, 1);
        QVERIFY(!frame_->document().isModified());
        QCOMPARE(frame_->windowTitle(), QStringLiteral("saved.chg - Brenmoor"));
        addNode();
        frame_->action(cmd::FileSave)->trigger(); // named: no dialog
        QCOMPARE(dialogs_->saveCalls, 1);
        QVERIFY(frame_->close());
    }

    void exitCancelOrCancelledSaveKeepsTheProgramOpen() {
        openEditedWindow();
        answerNextModal(kCancel);
        QVERIFY(!frame_->close());
        QVERIFY(frame_->isVisible());

        answerNextModal(kYes); // and the file dialog is cancelled
        QVERIFY(!frame_->close());
        QCOMPARE(dialogs_->saveCalls, 1);
        QVERIFY(frame_->document().isModified());

        // A save that fails keeps it open too.
        dialogs_->saveAnswers = {dir_.filePath(QStringLiteral("missing-folder/x.chg"))};
        const auto seen = answerModals({kYes, QStringLiteral("OK")});
        QVERIFY(!frame_->close());
        QVERIFY(seen[1]->seen);
        QVERIFY(frame_->document().isModified());

        const QString saved = file("exit.chg");
        dialogs_->saveAnswers = {saved};
        answerNextModal(kYes);
        QVERIFY(frame_->close());
        QVERIFY(QFile::exists(saved));
    }

    void exitNoLeavesWithoutSaving() {
        openEditedWindow();
        answerNextModal(kNo);
        QVERIFY(frame_->close());
        QCOMPARE(dialogs_->saveCalls, 0);
    }

    void startUpOpensTheFileNamedOnTheCommandLine() {
        const QString path = writeProjectWithTwoNodes();
        CModbusConfigApp app;
        CModbusConfigApp::Options options = CModbusConfigApp::parse(
            {QStringLiteral("brenmoor"), QStringLiteral("--no-select-device"),
             QStringLiteral("--select"), QStringLiteral("node 2"), path});
        QCOMPARE(options.file, path);
        QVERIFY(!options.selectDevice);
        QCOMPARE(app.start(options), -1);
        CMainFrame* frame = app.mainFrame();
        QCOMPARE(frame->windowTitle(), QStringLiteral("Gateway Configuration Software Brenmoor"));
        QCOMPARE(frame->document().project().store.subnets[0].nodeCount, 2);
        QVERIFY(frame->document().project().device.model12);
        QCOMPARE(frame->view().treeWidget()->currentItem()->text(0), QStringLiteral("Node-6"));
        QVERIFY(!frame->document().isModified());
    }

    void startUpEndsWhenSelectDeviceIsCancelled() {
        CModbusConfigApp app;
        auto seen = answerNextModal(kCancel);
        QCOMPARE(app.start(CModbusConfigApp::parse({QStringLiteral("brenmoor")})), 0);
        QCOMPARE(seen->title, QStringLiteral("Select Device"));
        QVERIFY(app.mainFrame() == nullptr);
    }

    void startUpWithAnUnreadableFileFails() {
        CModbusConfigApp app;
        answerNextModal(QStringLiteral("OK"));
        const int code = app.start(
            CModbusConfigApp::parse({QStringLiteral("brenmoor"),
                                     QStringLiteral("--no-select-device"), file("absent.chg")}));
        QCOMPARE(code, 1);
    }
};

QTEST_MAIN(DocumentTests)
#include "document_tests.moc"
