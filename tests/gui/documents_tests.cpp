// The commissioning documents in the window: Print Preview paints the pages
// the PDF has, and an imported command list is one step of Undo.
#include "gui_test_support.h"

#include "core/model/project_file.h"
#include "gui/app/command_ids.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/report/document_commands.h"
#include "report/report_painter.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace brenmoor;
using namespace brenmoor::gui;
using namespace brenmoor::gui::test;

namespace {

class AnsweringDialogs : public DocumentDialogs {
  public:
    QString openAnswer;
    int previewPages = -1;
    int importQuestions = 0;

    QString reportSaveFileName(QWidget*, const QString&) override { return {}; }
    QString commandListSaveFileName(QWidget*, const QString&) override { return {}; }
    QString commandListOpenFileName(QWidget*) override { return openAnswer; }
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
    void showPreview(QPrintPreviewDialog& preview) override {
        auto* widget = preview.findChild<QPrintPreviewWidget*>();
        if (!widget)
            return;
        widget->updatePreview();
        previewPages = widget->pageCount();
    }
    ImportChoice askImportChoice(QWidget*, const QString&) override {
        ++importQuestions;
        return ImportChoice::Replace;
    }
};

} // namespace

class DocumentsTests : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<CMainFrame> frame_;
    AnsweringDialogs* dialogs_ = nullptr;

    DocumentCommands& commands() {
        return *frame_->findChild<DocumentCommands*>(QStringLiteral("documentCommands"));
    }
    const CONFIG& subnet() { return frame_->document().project().store.subnets[0]; }

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        qputenv("XDG_CONFIG_HOME", dir_.filePath(QStringLiteral("config")).toLocal8Bit());
        QVERIFY(dir_.isValid());
    }

    void init() {
        frame_ = std::make_unique<CMainFrame>(std::make_unique<ScriptedFileDialogs>());
        frame_->document().project().device = makeNewProject().device;
        frame_->document().newDocument();
        auto dialogs = std::make_unique<AnsweringDialogs>();
        dialogs_ = dialogs.get();
        commands().setDialogs(std::move(dialogs));
    }

    void cleanup() {
        frame_->document().project().marks.modified = false;
        frame_.reset();
    }

    void fileMenuOffersTheDocuments() {
        QStringList texts;
        for (QAction* action : frame_->menuBar()->actions().first()->menu()->actions())
            texts << action->text();
        for (const char* text : {"Print...", "Print Preview...", "Export Report (PDF)...",
                                 "Export Command List...", "Import Command List..."})
            QVERIFY2(texts.contains(QString::fromLatin1(text)), text);
        QAction* print = frame_->menuBar()->actions().first()->menu()->actions().at(
            texts.indexOf(QStringLiteral("Print...")));
        QCOMPARE(print->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    }

    void previewShowsThePagesOfThePdf() {
        QVERIFY(frame_->document().openDocument(
            QStringLiteral(BRENMOOR_TEST_DATA_DIR "/plant_status.chg")));
        commands().printPreview();
        int pdfPages = 0;
        const QString pdf = dir_.filePath(QStringLiteral("report.pdf"));
        QVERIFY(report::writeReportPdf(commands().currentReport(), pdf.toStdString(),
                                       DocumentCommands::pageSize(), &pdfPages)
                    .ok());
        QVERIFY(pdfPages >= 2);
        QCOMPARE(dialogs_->previewPages, pdfPages);
    }

    void importIsOneStepOfUndo() {
        const QString csv = dir_.filePath(QStringLiteral("list.csv"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Slave Address (0~247),Function Code,Mapping Address (HEX)\r\n"
                   "5,3,2H\r\n6,16,4000H\r\n6,1,20H\r\n");
        file.close();
        dialogs_->openAnswer = csv;
        const UndoHistory& history = frame_->history();
        const size_t steps = history.undoSteps();
        commands().importCommandList();
        QCOMPARE(dialogs_->importQuestions, 0); // the subnet was empty
        QCOMPARE(subnet().nodeCount, 2);
        QCOMPARE(subnet().commandCount, 3);
        QCOMPARE(history.undoSteps(), steps + 1);

        frame_->action(cmd::EditUndo)->trigger();
        QCOMPARE(subnet().nodeCount, 0);
        QCOMPARE(subnet().commandCount, 0);
        frame_->action(cmd::EditRedo)->trigger();
        QCOMPARE(subnet().commandCount, 3);

        // Importing again asks whether to replace or add.
        commands().importCommandList();
        QCOMPARE(dialogs_->importQuestions, 1);
        QCOMPARE(subnet().commandCount, 3);
    }
};

QTEST_MAIN(DocumentsTests)
#include "documents_tests.moc"
