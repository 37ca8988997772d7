#include "gui/app/file_dialogs.h"

#include "core/resources/messages_export.h"
#include "core/resources/messages_gui.h"
#include "core/resources/messages_monitor.h"
#include "core/resources/messages_monitor_diagnostics.h"
#include "gui/app/gui_text.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QHeaderView>
#include <QScreen>
#include <QTreeView>
#include <QUrl>

namespace brenmoor::gui {

namespace {
QStringList filters() {
    return {qtext(msg::FilterConfigFile), qtext(msg::FilterAllFiles)};
}

// Wide enough for the name, size, type and date columns, on any screen.
void showDetails(QFileDialog& dialog) {
    dialog.setViewMode(QFileDialog::Detail);
    QSize size(900, 560);
    if (const QScreen* screen = dialog.screen())
        size = size.boundedTo(screen->availableGeometry().size() * 9 / 10);
    dialog.resize(size);
    // Qt's own dialog cuts the date short however wide it is (a native one
    // has no such view and sizes its columns itself):
    // the name takes the room the others do not need.
    if (auto* view = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = view->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}

QString chosenFile(QFileDialog& dialog) {
    showDetails(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

QString askOpenName(QWidget* parent, const QStringList& filters) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    return chosenFile(dialog);
}

QString askSaveName(QWidget* parent, const QStringList& filters, const QString& suffix,
                    const QString& suggested, bool confirmOverwrite) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    if (!suffix.isEmpty())
        dialog.setDefaultSuffix(suffix);
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    if (!confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return chosenFile(dialog);
}

QString QtFileDialogs::openFileName(QWidget* parent) {
    return askOpenName(parent, filters());
}

QString QtFileDialogs::saveFileName(QWidget* parent, const QString& suggested) {
    return askSaveName(parent, filters(), QStringLiteral("chg"), suggested);
}

QString QtFileDialogs::monitorSaveFileName(QWidget* parent) {
    // The file type is named by its extension alone; the pattern makes the
    // dialog list the files it names.
    return askSaveName(parent, {qtext(msg::SaveFileType) + QStringLiteral(" (*.txt)")},
                       QStringLiteral("txt"));
}

QString QtFileDialogs::workbookSaveFileName(QWidget* parent) {
    // Export Excel asks itself, once it knows the full name.
    return askSaveName(parent, {qtext(msg::ExcelFileFilter)}, {}, {}, false);
}

QString FileDialogs::logExportFileName(QWidget* parent) {
    return askSaveName(parent, {qtext(msg::LogExportFileType)}, QStringLiteral("csv"));
}

void QtFileDialogs::openWorkbook(const QString& path) {
    if (openWorkbooks_)
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace brenmoor::gui
