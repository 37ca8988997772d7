#pragma once

#include <QString>

class QWidget;

namespace brenmoor::gui {

// The file dialogs of the program, behind an interface so that tests can
// answer them. An empty name means the dialog was cancelled.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // File Open and Save As of project files; `suggested` is the name the
    // dialog starts with.
    virtual QString openFileName(QWidget* parent) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& suggested) = 0;
    // The I/O monitor's text file. The dialog itself asks before an existing
    // file is overwritten.
    virtual QString monitorSaveFileName(QWidget* parent) = 0;
    // Export Excel's workbook. The name comes back as typed: the caller adds
    // the extension and asks before replacing a file, so that it asks about
    // the name it really writes.
    virtual QString workbookSaveFileName(QWidget* parent) = 0;
};

// The real dialogs.
class QtFileDialogs : public FileDialogs {
  public:
    QString openFileName(QWidget* parent) override;
    QString saveFileName(QWidget* parent, const QString& suggested) override;
    QString monitorSaveFileName(QWidget* parent) override;
    QString workbookSaveFileName(QWidget* parent) override;
};

} // namespace brenmoor::gui
