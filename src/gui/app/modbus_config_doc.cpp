#include "gui/app/modbus_config_doc.h"

#include "core/model/project_file.h"
#include "core/resources/messages_gui.h"
#include "gui/app/file_dialogs.h"
#include "gui/app/gui_text.h"
#include "gui/app/recent_files.h"
#include "gui/editor/modbus_config_view.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace brenmoor::gui {

CModbusConfigDoc::CModbusConfigDoc(Prompter& prompter, FileDialogs& dialogs, QObject* parent)
    : QObject(parent), project_(makeNewProject()), prompter_(prompter), dialogs_(dialogs) {}

QString CModbusConfigDoc::name() const {
    return path_.isEmpty() ? qtext(msg::Untitled) : QFileInfo(path_).fileName();
}

QString CModbusConfigDoc::title() const {
    return name() + QStringLiteral(" - ") + qtext(msg::AppTitle);
}

CModbusConfigDoc::SaveAnswer CModbusConfigDoc::askSaveConfiguration() {
    QMessageBox box(window_);
    box.setWindowTitle(qtext(msg::SaveConfigurationTitle));
    box.setIcon(QMessageBox::Question);
    box.setText(qtext(msg::SaveConfigurationQuestion));
    QPushButton* yes = box.addButton(qtext(msg::ButtonYes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(qtext(msg::ButtonNo), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(qtext(msg::ButtonCancel), QMessageBox::RejectRole);
    box.setDefaultButton(no);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return SaveAnswer::Yes;
    if (box.clickedButton() == no)
        return SaveAnswer::No;
    return SaveAnswer::Cancel;
}

bool CModbusConfigDoc::saveModifiedFirst() {
    if (!isModified())
        return true;
    switch (askSaveConfiguration()) {
    case SaveAnswer::Yes:
        return onFileSave();
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        return false;
    }
    return false;
}

void CModbusConfigDoc::newDocument() {
    // A New started by an upload keeps what the upload read; only an empty
    // new document reads the computer's serial ports again.
    const bool empty = !project_.marks.upload;
    applyNewDocument(project_.device);
    path_.clear();
    if (view_)
        view_->newDocument();
    if (empty)
        emit emptyDocumentShown();
    emit titleChanged(title());
}

bool CModbusConfigDoc::onFileNew() {
    if (!saveModifiedFirst())
        return false;
    newDocument();
    return true;
}

bool CModbusConfigDoc::onFileOpen() {
    if (!saveModifiedFirst())
        return false;
    const QString file = dialogs_.openFileName(window_);
    if (file.isEmpty())
        return false;
    return openDocument(file);
}

bool CModbusConfigDoc::openDocument(const QString& file) {
    const OpenOutcome opened = openProjectFile(project_, file.toStdString());
    if (opened.result == OpenResult::Failed) {
        // The reader left the project untouched, so the document stays as it
        // was: name, store, flags and the modified mark.
        prompter_.inform(opened.outcome.message());
        return false;
    }
    if (view_) {
        if (opened.result == OpenResult::Empty)
            view_->newDocument(); // nothing to read: a default configuration
        else
            view_->documentOpened();
    }
    // What was just opened is what the file holds.
    project_.marks.modified = false;
    path_ = file;
    RecentFiles::add(file);
    emit titleChanged(title());
    return true;
}

bool CModbusConfigDoc::writeTo(const QString& file) {
    const Outcome saved = saveProjectFile(project_, file.toStdString());
    if (!saved) {
        prompter_.inform(saved.message());
        return false;
    }
    return true;
}

bool CModbusConfigDoc::onFileSave() {
    if (path_.isEmpty())
        return onFileSaveAs();
    if (!writeTo(path_))
        return false;
    project_.marks.modified = false;
    return true;
}

bool CModbusConfigDoc::onFileSaveAs() {
    const QString file = dialogs_.saveFileName(window_, path_.isEmpty() ? name() : path_);
    if (file.isEmpty() || !writeTo(file))
        return false;
    project_.marks.modified = false;
    path_ = file;
    RecentFiles::add(file);
    emit titleChanged(title());
    return true;
}

bool CModbusConfigDoc::canExit() {
    if (!isModified())
        return true;
    switch (askSaveConfiguration()) {
    case SaveAnswer::No:
        return true;
    case SaveAnswer::Cancel:
        return false;
    case SaveAnswer::Yes: {
        // Leaving only once the edits are safely on disk.
        const QString file = dialogs_.saveFileName(window_, path_.isEmpty() ? name() : path_);
        return !file.isEmpty() && writeTo(file);
    }
    }
    return false;
}

} // namespace brenmoor::gui
