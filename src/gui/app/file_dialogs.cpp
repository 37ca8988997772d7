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
