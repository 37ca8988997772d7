#include "gui/report/document_dialogs.h"

#include "core/resources/messages_documents.h"
#include "core/resources/messages_gui.h"
#include "gui/app/gui_text.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>

namespace brenmoor::gui {

namespace {

QString chosenFile(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString saveName(QWidget* parent, const QString& suggested, MessageId filter,
                 const QString& suffix) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(qtext(filter));
    dialog.setDefaultSuffix(suffix);
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    return chosenFile(dialog);
}

} // namespace

QString QtDocumentDialogs::reportSaveFileName(QWidget* parent, const QString& suggested) {
    return saveName(parent, suggested, msg::PdfFileFilter, QStringLiteral("pdf"));
}

QString QtDocumentDialogs::commandListSaveFileName(QWidget* parent, const QString& suggested) {
    return saveName(parent, suggested, msg::CsvFileFilter, QStringLiteral("csv"));
}

QString QtDocumentDialogs::commandListOpenFileName(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({qtext(msg::CsvFileFilter), qtext(msg::FilterAllFiles)});
    return chosenFile(dialog);
}

bool QtDocumentDialogs::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void QtDocumentDialogs::showPreview(QPrintPreviewDialog& preview) {
    preview.exec();
}

DocumentDialogs::ImportChoice QtDocumentDialogs::askImportChoice(QWidget* parent,
                                                                 const QString& question) {
    QMessageBox box(parent);
    box.setWindowTitle(qtext(msg::AppTitle));
    box.setIcon(QMessageBox::Question);
    box.setText(question);
    QPushButton* replace = box.addButton(qtext(msg::ImportReplace), QMessageBox::DestructiveRole);
    QPushButton* add = box.addButton(qtext(msg::ImportAdd), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(add);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == replace)
        return ImportChoice::Replace;
    if (box.clickedButton() == add)
        return ImportChoice::Add;
    return ImportChoice::Cancel;
}

} // namespace brenmoor::gui
