// Export Excel.
#include "gui/app/main_frame.h"

#include "core/export/excel_export.h"
#include "core/resources/message_text.h"
#include "core/resources/messages_desktop.h"
#include "core/resources/messages_export.h"
#include "gui/app/gui_text.h"
#include "gui/app/modbus_config_doc.h"

#include <QDir>
#include <QFileInfo>
#include <QStatusBar>

namespace brenmoor::gui {

namespace {

// The name the workbook is written under: the chosen one, with the
// workbook's extension when it does not already end in it.
QString workbookPath(const QString& chosen) {
    const QString suffix = QLatin1Char('.') + qtext(kWorkbookExtension);
    if (chosen.endsWith(suffix, Qt::CaseInsensitive))
        return chosen;
    return chosen + suffix;
}

} // namespace

void CMainFrame::onExportExcel() {
    const QString chosen = dialogs_->workbookSaveFileName(this);
    if (chosen.isEmpty())
        return;
    const QString path = workbookPath(chosen);
    const std::string localPath = path.toStdString();
    if (QFileInfo::exists(path) &&
        prompter_->ask(formatMessage(msg::WorkbookReplaceQuestion, localPath), Buttons::YesNo) !=
            Answer::Yes)
        return;

    const Outcome written = exportExcel(doc_->project(), localPath);
    if (!written) {
        prompter_->inform(written.message());
        return;
    }
    // Said where it went, also when no spreadsheet program opens it.
    statusBar()->showMessage(qtext(
        fillIn(msg::WorkbookWritten,
               {QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()).toStdString()})));
    // The workbook is left open for the user.
    dialogs_->openWorkbook(path);
}

} // namespace brenmoor::gui
