#pragma once

#include "core/report/report_document.h"
#include "gui/app/qt_prompter.h"
#include "gui/report/document_dialogs.h"
#include "report/report_painter.h"

#include <QObject>

#include <memory>

class QAction;
class QMenu;
class QPrinter;

namespace brenmoor::gui {

class CMainFrame;

// The File menu's commissioning documents: Print, Print Preview, the report
// as a PDF, and the command list out to and in from CSV. The core builds
// the report and reads the list; this shows the dialogs and the outcome.
class DocumentCommands : public QObject {
    Q_OBJECT

  public:
    DocumentCommands(CMainFrame& window, QMenu& fileMenu);

    // Tests answer the dialogs themselves.
    void setDialogs(std::unique_ptr<DocumentDialogs> dialogs) { dialogs_ = std::move(dialogs); }

    void print();
    void printPreview();
    void exportReport();
    void exportCommandList();
    void importCommandList();

    // The report of the window's configuration as it is now.
    ReportDocument currentReport() const;
    // The paper the report is exported and previewed on: the user's
    // locale's (Letter where sizes are American, else A4).
    static report::PageSize pageSize();

  private:
    void addAction(QMenu& menu, MessageId caption, void (DocumentCommands::*slot)());
    // A file name beside the document's, with that extension.
    QString suggestedName(const QString& suffix) const;
    void paint(QPrinter& printer, const ReportDocument& report) const;

    CMainFrame& window_;
    std::unique_ptr<DocumentDialogs> dialogs_;
    QtPrompter prompter_;
};

// The hook of the window's File menu.
void addDocumentCommands(CMainFrame& window, QMenu& fileMenu);

} // namespace brenmoor::gui
