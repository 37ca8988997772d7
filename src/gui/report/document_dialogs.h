#pragma once

#include <QString>

class QPrinter;
class QPrintPreviewDialog;
class QWidget;

namespace brenmoor::gui {

// What the commissioning documents ask the user, behind an interface so
// that tests can answer it. An empty name means the dialog was cancelled.
class DocumentDialogs {
  public:
    enum class ImportChoice { Replace, Add, Cancel };

    virtual ~DocumentDialogs() = default;
    // Save dialogs that add the extension and ask before replacing a file.
    virtual QString reportSaveFileName(QWidget* parent, const QString& suggested) = 0;
    virtual QString commandListSaveFileName(QWidget* parent, const QString& suggested) = 0;
    virtual QString commandListOpenFileName(QWidget* parent) = 0;
    // The print dialog on `printer`; false when it was cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // Shows the preview until the user closes it.
    virtual void showPreview(QPrintPreviewDialog& preview) = 0;
    // Whether an imported list replaces the subnet's nodes and commands or
    // joins them; asked only when there are some.
    virtual ImportChoice askImportChoice(QWidget* parent, const QString& question) = 0;
};

// The real dialogs.
class QtDocumentDialogs : public DocumentDialogs {
  public:
    QString reportSaveFileName(QWidget* parent, const QString& suggested) override;
    QString commandListSaveFileName(QWidget* parent, const QString& suggested) override;
    QString commandListOpenFileName(QWidget* parent) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    void showPreview(QPrintPreviewDialog& preview) override;
    ImportChoice askImportChoice(QWidget* parent, const QString& question) override;
};

} // namespace brenmoor::gui
