#include "gui/report/document_commands.h"

#include "core/export/command_list_csv.h"
#include "core/jobs/command_list_import.h"
#include "core/report/report_builder.h"
#include "core/resources/message_text.h"
#include "core/resources/messages_documents.h"
#include "gui/app/gui_text.h"
#include "gui/app/main_frame.h"
#include "gui/app/menu_action.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/editor/modbus_config_view.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <ctime>

namespace brenmoor::gui {

DocumentCommands::DocumentCommands(CMainFrame& window, QMenu& fileMenu)
    : QObject(&window), window_(window), dialogs_(std::make_unique<QtDocumentDialogs>()),
      prompter_(&window) {
    setObjectName(QStringLiteral("documentCommands"));
    addAction(fileMenu, msg::MenuPrint, &DocumentCommands::print);
    addAction(fileMenu, msg::MenuPrintPreview, &DocumentCommands::printPreview);
    addAction(fileMenu, msg::MenuExportReport, &DocumentCommands::exportReport);
    fileMenu.addSeparator();
    addAction(fileMenu, msg::MenuExportCommandList, &DocumentCommands::exportCommandList);
    addAction(fileMenu, msg::MenuImportCommandList, &DocumentCommands::importCommandList);
}

void DocumentCommands::addAction(QMenu& menu, MessageId caption, void (DocumentCommands::*slot)()) {
    QAction* action = menuAction(qtext(caption), &window_, window_.view());
    connect(action, &QAction::triggered, this, slot);
    menu.addAction(action);
}

report::PageSize DocumentCommands::pageSize() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? report::PageSize::Letter
                                                                      : report::PageSize::A4;
}

ReportDocument DocumentCommands::currentReport() const {
    const QString path = window_.document().path();
    const ReportSource source{QFileInfo(path).fileName().toStdString(), std::time(nullptr)};
    return buildReport(window_.document().project(), source);
}

QString DocumentCommands::suggestedName(const QString& suffix) const {
    const QString path = window_.document().path();
    if (path.isEmpty())
        return {};
    const QFileInfo file(path);
    return file.dir().filePath(file.completeBaseName() + QLatin1Char('.') + suffix);
}

void DocumentCommands::paint(QPrinter& printer, const ReportDocument& report) const {
    // The layout places everything on the whole sheet, margins included.
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    report::paintReport(report, painter, printer);
    painter.end();
}

void DocumentCommands::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(report::qtPageSize(pageSize()));
    printer.setDocName(qtext(msg::ReportTitle));
    if (!dialogs_->choosePrinter(&window_, printer))
        return;
    paint(printer, currentReport());
}

void DocumentCommands::printPreview() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(report::qtPageSize(pageSize()));
    const ReportDocument report = currentReport();
    QPrintPreviewDialog preview(&printer, &window_);
    preview.setWindowTitle(qtext(msg::MenuPrintPreview).remove(QStringLiteral("...")));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &report](QPrinter* target) { paint(*target, report); });
    dialogs_->showPreview(preview);
}

void DocumentCommands::exportReport() {
    const QString chosen =
        dialogs_->reportSaveFileName(&window_, suggestedName(QStringLiteral("pdf")));
    if (chosen.isEmpty())
        return;
    const Outcome written =
        report::writeReportPdf(currentReport(), chosen.toStdString(), pageSize());
    if (!written)
        prompter_.inform(written.message());
}

void DocumentCommands::exportCommandList() {
    const QString chosen =
        dialogs_->commandListSaveFileName(&window_, suggestedName(qtext(kCommandListExtension)));
    if (chosen.isEmpty())
        return;
    const Outcome written =
        brenmoor::exportCommandList(window_.document().project(), chosen.toStdString());
    if (!written)
        prompter_.inform(written.message());
}

void DocumentCommands::importCommandList() {
    const QString chosen = dialogs_->commandListOpenFileName(&window_);
    if (chosen.isEmpty())
        return;
    Project& project = window_.document().project();
    const CONFIG& subnet = project.store.subnets[0];
    ImportMode mode = ImportMode::Replace;
    if (subnet.nodeCount > 0 || subnet.commandCount > 0) {
        const QString question =
            qtext(fillIn(msg::ImportQuestion,
                         {std::to_string(subnet.nodeCount), std::to_string(subnet.commandCount)}));
        switch (dialogs_->askImportChoice(&window_, question)) {
        case DocumentDialogs::ImportChoice::Cancel:
            return;
        case DocumentDialogs::ImportChoice::Add:
            mode = ImportMode::Append;
            break;
        case DocumentDialogs::ImportChoice::Replace:
            break;
        }
    }
    const CommandListImport imported = importCommandListFile(project, chosen.toStdString(), mode);
    if (!imported.ok()) {
        if (!imported.read)
            prompter_.inform(imported.read.message());
        else
            prompter_.informList(formatMessage(msg::ImportRefused, chosen.toStdString()),
                                 imported.lines());
        return;
    }
    // The view's change of state records the whole list as one step of Undo.
    window_.view().storeReplaced();
}

void addDocumentCommands(CMainFrame& window, QMenu& fileMenu) {
    new DocumentCommands(window, fileMenu);
}

} // namespace brenmoor::gui
