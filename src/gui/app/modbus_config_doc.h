#pragma once

#include "core/model/project.h"
#include "core/resources/prompter.h"

#include <QObject>
#include <QString>

class QWidget;

namespace brenmoor::gui {

class CModbusConfigView;
class FileDialogs;

// The one document: the project, its file name and its life (New, Open,
// Save, Save As and the question on exit). Whatever the user chooses, an
// edit is never dropped without the Save Configuration question.
class CModbusConfigDoc : public QObject {
    Q_OBJECT

  public:
    enum class SaveAnswer { Yes, No, Cancel };

    CModbusConfigDoc(Prompter& prompter, FileDialogs& dialogs, QObject* parent = nullptr);

    Project& project() { return project_; }
    const Project& project() const { return project_; }
    void setView(CModbusConfigView* view) { view_ = view; }
    void setWindow(QWidget* window) { window_ = window; }

    // The file the document was opened from or saved to; empty when new.
    const QString& path() const { return path_; }
    // "Untitled" or the file's name.
    QString name() const;
    // The window title of a document: its name, a hyphen and "Brenmoor".
    QString title() const;
    bool isModified() const { return project_.marks.modified; }

    // File New, after the save question. False when the user abandoned it.
    bool onFileNew();
    // File Open: the save question, then the file dialog, then the file.
    bool onFileOpen();
    // Opens `file` without asking (the command line).
    bool openDocument(const QString& file);
    // A new document without asking (start-up).
    void newDocument();
    bool onFileSave();
    bool onFileSaveAs();
    // The exit algorithm: true when the window may close.
    bool canExit();

    // The Save Configuration question; the close box answers Cancel.
    SaveAnswer askSaveConfiguration();
    // The question of New, Open and Upload when there are unsaved edits:
    // true when the caller may go on.
    bool saveModifiedFirst();

  signals:
    void titleChanged(const QString& title);
    // A new document that is not an upload's was shown: the computer's
    // serial ports are read again.
    void emptyDocumentShown();

  private:
    bool writeTo(const QString& file);

    Project project_;
    Prompter& prompter_;
    FileDialogs& dialogs_;
    CModbusConfigView* view_ = nullptr;
    QWidget* window_ = nullptr;
    QString path_;
};

} // namespace brenmoor::gui
