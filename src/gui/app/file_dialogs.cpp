#include "gui/app/file_dialogs.h"

#include "core/resources/messages_export.h"
#include "core/resources/messages_gui.h"
#include "core/resources/messages_monitor.h"
#include "core/resources/messages_monitor_diagnostics.h"
#include "gui/app/gui_text.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QScreen>
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
}

QString chosenFile(QFileDialog& dialog) {
    showDetails(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}
} // namespace

QString QtFileDialogs::openFileName(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters());
    return chosenFile(dialog);
}

QString QtFileDialogs::saveFileName(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters());
    dialog.setDefaultSuffix(QStringLiteral("chg"));
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    return chosenFile(dialog);
}

QString QtFileDialogs::monitorSaveFileName(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The file type is named by its extension alone; the pattern makes the
    // dialog list the files it names.
    dialog.setNameFilter(qtext(msg::SaveFileType) + QStringLiteral(" (*.txt)"));
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    return chosenFile(dialog);
}

QString QtFileDialogs::workbookSaveFileName(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtext(msg::ExcelFileFilter));
    // Export Excel asks itself, once it knows the full name.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return chosenFile(dialog);
}

QString FileDialogs::logExportFileName(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtext(msg::LogExportFileType));
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    return chosenFile(dialog);
}

void QtFileDialogs::openWorkbook(const QString& path) {
    if (openWorkbooks_)
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace brenmoor::gui
