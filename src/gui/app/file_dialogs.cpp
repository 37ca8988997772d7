#include "gui/app/file_dialogs.h"

#include "core/resources/messages_gui.h"
#include "gui/app/gui_text.h"

#include <QFileDialog>

namespace brenmoor::gui {

namespace {
QStringList filters() {
    return {qtext(msg::FilterConfigFile), qtext(msg::FilterAllFiles)};
}
} // namespace

QString QtFileDialogs::openFileName(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(filters());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::saveFileName(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters());
    dialog.setDefaultSuffix(QStringLiteral("chg"));
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace brenmoor::gui
