#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace brenmoor::gui {

// The file dialogs of the program, and what it hands to the desktop, behind
// an interface so that tests can answer them. An empty name means the
// dialog was cancelled.
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
    // The monitor's session log, exported as CSV. The real dialog unless a
    // test answers it; it asks before an existing file is overwritten.
    virtual QString logExportFileName(QWidget* parent);
    // A workbook just written, left open for the user in whatever the
    // desktop opens workbooks with. Nothing by default.
    virtual void openWorkbook(const QString& path) { (void)path; }
};

// The program's file dialogs, in detail view wide enough for every column;
// an empty name when cancelled. `suffix` is added to a name typed without
// one; `suggested` is the name the dialog starts with.
QString askOpenName(QWidget* parent, const QStringList& filters);
QString askSaveName(QWidget* parent, const QStringList& filters, const QString& suffix,
                    const QString& suggested = {}, bool confirmOverwrite = true);

// The real dialogs. `openWorkbooks` false (the option --no-open-workbook)
// keeps exported workbooks away from the desktop.
class QtFileDialogs : public FileDialogs {
  public:
    explicit QtFileDialogs(bool openWorkbooks = true) : openWorkbooks_(openWorkbooks) {}

    QString openFileName(QWidget* parent) override;
    QString saveFileName(QWidget* parent, const QString& suggested) override;
    QString monitorSaveFileName(QWidget* parent) override;
    QString workbookSaveFileName(QWidget* parent) override;
    void openWorkbook(const QString& path) override;

  private:
    bool openWorkbooks_;
};

} // namespace brenmoor::gui
