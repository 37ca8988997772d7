#include "gui/report/document_dialogs.h"

#include "core/resources/messages_documents.h"
#include "core/resources/messages_gui.h"
#include "gui/app/file_dialogs.h"
#include "gui/app/gui_text.h"

#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPushButton>

namespace brenmoor::gui {

QString QtDocumentDialogs::reportSaveFileName(QWidget* parent, const QString& suggested) {
    return askSaveName(parent, {qtext(msg::PdfFileFilter)}, QStringLiteral("pdf"), suggested);
}

QString QtDocumentDialogs::commandListSaveFileName(QWidget* parent, const QString& suggested) {
    return askSaveName(parent, {qtext(msg::CsvFileFilter)}, QStringLiteral("csv"), suggested);
}

QString QtDocumentDialogs::commandListOpenFileName(QWidget* parent) {
    return askOpenName(parent, {qtext(msg::CsvFileFilter), qtext(msg::FilterAllFiles)});
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
