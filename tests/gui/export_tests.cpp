// Tools "Export Excel" in the window: the file name and its extension, the
// question before a file is replaced, the failure message, and a workbook
// that a spreadsheet library reads back.
#include "gui_test_support.h"

#include "core/model/project.h"
#include "core/resources/messages_export.h"
#include "gui/app/command_ids.h"
#include "gui/app/main_frame.h"
#include "gui/app/modbus_config_doc.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <memory>

using namespace brenmoor;
using namespace brenmoor::gui;
using namespace brenmoor::gui::test;

namespace {

// Debian's interpreter: it is the one that sees python3-openpyxl.
const QString kPython = QStringLiteral("/usr/bin/python3");

// The sheet names and a few cells of a workbook, as openpyxl reads them.
QJsonObject readWorkbook(const QString& path) {
    static const char* script = R"PY(
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
cell = lambda sheet, ref: book[sheet][ref].value or ""
print(json.dumps({
    "sheets": book.sheetnames,
    "fieldbusA2": cell("Fieldbus", "A2"),
    "commandF2": cell("Command List", "F2"),
    "commandH2": cell("Command List", "H2"),
    "commandJ2": cell("Command List", "J2"),
}))
)PY";
    QProcess python;
    python.start(kPython, {QStringLiteral("-c"), QString::fromLatin1(script), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        qWarning("%s", python.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

bool isZip(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "PK";
}

} // namespace

class ExportTests : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    ScriptedFileDialogs* dialogs_ = nullptr;
    std::unique_ptr<CMainFrame> frame_;

    QString file(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }

    void exportTo(const QString& chosen) {
        dialogs_->workbookSaveAnswers << chosen;
        frame_->action(cmd::ExportExcel)->trigger();
    }

  private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        auto dialogs = std::make_unique<ScriptedFileDialogs>();
        dialogs_ = dialogs.get();
        frame_ = std::make_unique<CMainFrame>(std::move(dialogs));
        frame_->document().newDocument();
        CONFIG& subnet = frame_->document().project().store.subnets[0];
        subnet.master.masterTransmission = "ASCII";
        subnet.nodeCount = 1;
        subnet.nodes[0].address = "1";
        subnet.nodes[0].name = "Node-1";
        INSTRUCTION& command = subnet.commands[0];
        command =
            INSTRUCTION{"1", "5", "0", "1", "4000", "0", "0", "No Swap", "CRC", "Continuous", 1};
        subnet.commandCount = 1;
        frame_->document().project().marks.modified = false;
    }

    void cleanup() { frame_.reset(); }

    void writesTheWorkbookUnderTheChosenNameWithItsExtension() {
        exportTo(file("plant"));
        const QString path = file("plant.xlsx");
        QVERIFY(QFileInfo::exists(path));
        QVERIFY(!QFileInfo::exists(file("plant")));
        QVERIFY(isZip(path));
        QCOMPARE(dialogs_->workbookSaveCalls, 1);
        // Handed to the desktop under the name it was written as.
        QCOMPARE(dialogs_->openedWorkbooks, QStringList{path});

        if (!QFileInfo::exists(kPython))
            QSKIP("no /usr/bin/python3 to read the workbook back");
        const QJsonObject book = readWorkbook(path);
        QCOMPARE(book.value("sheets").toVariant().toStringList(),
                 (QStringList{"Fieldbus", "Subnet", "Command List"}));
        QCOMPARE(book.value("fieldbusA2").toString(), QStringLiteral("DeviceNet"));
        QCOMPARE(book.value("commandF2").toString(), QStringLiteral("4000H"));
        QCOMPARE(book.value("commandH2").toString(), QStringLiteral("1"));
        QCOMPARE(book.value("commandJ2").toString(), QStringLiteral("LRC"));

        // The check type followed the subnet, and nothing counts as edited.
        const Project& project = frame_->document().project();
        QCOMPARE(project.store.subnets[0].commands[0].checkType, std::string("LRC"));
        QVERIFY(!project.marks.modified);
    }

    void aNameWithTheExtensionKeepsIt() {
        exportTo(file("Plant.XLSX"));
        QVERIFY(QFileInfo::exists(file("Plant.XLSX")));
        QVERIFY(!QFileInfo::exists(file("Plant.XLSX.xlsx")));
    }

    void cancelledDialogWritesNothing() {
        exportTo(QString());
        QCOMPARE(dialogs_->workbookSaveCalls, 1);
        QVERIFY(QDir(dir_->path()).entryList(QDir::Files).isEmpty());
    }

    void unwritablePathIsNamedInTheMessage() {
        const QString path = file("missing/folder/plant.xlsx");
        const auto seen = answerNextModal(QStringLiteral("OK"));
        exportTo(path);
        QVERIFY(seen->seen);
        QVERIFY2(seen->text.contains(path), qPrintable(seen->text));
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(dialogs_->openedWorkbooks.isEmpty());
    }

    void existingFileIsReplacedOnlyAfterYes() {
        const QString path = file("old.xlsx");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("keep me");
        }
        const auto no = answerNextModal(QStringLiteral("&No"));
        exportTo(path);
        QVERIFY(no->seen);
        QVERIFY(no->text.contains(path));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("keep me"));
        kept.close();

        const auto yes = answerNextModal(QStringLiteral("&Yes"));
        exportTo(file("old")); // the extension is added before the question
        QVERIFY(yes->seen);
        QVERIFY(isZip(path));
    }

    void commandIsAlwaysEnabledAndOnTheToolbar() {
        Project& project = frame_->document().project();
        project.device.commonMode = true;
        project.device.delimiter = true;
        frame_->updateCommandUi();
        QVERIFY(frame_->action(cmd::ExportExcel)->isEnabled());

        QToolButton* button = nullptr;
        for (QToolButton* tool : frame_->toolBar()->findChildren<QToolButton*>())
            if (tool->property("commandId").toInt() == cmd::ExportExcel)
                button = tool;
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("Export"));
        QVERIFY(button->isEnabled());
        dialogs_->workbookSaveAnswers << file("from-toolbar.xlsx");
        button->click();
        QVERIFY(QFileInfo::exists(file("from-toolbar.xlsx")));
    }
};

QTEST_MAIN(ExportTests)
#include "export_tests.moc"
