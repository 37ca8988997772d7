// Undo, Redo and the comparisons of the File and Tools menus.
#include "gui/app/main_frame.h"

#include "gui/app/command_ids.h"
#include "gui/app/modbus_config_doc.h"
#include "gui/compare/compare_commands.h"
#include "gui/compare/compare_dialog.h"
#include "gui/editor/modbus_config_view.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>

namespace brenmoor::gui {

void CMainFrame::checkpointHistory() {
    // The first call, while the window is still being set up, only takes
    // the starting point; later calls record a step when something changed.
    history_.checkpoint(doc_->project());
    if (QAction* undo = action(cmd::EditUndo))
        undo->setEnabled(history_.canUndo());
    if (QAction* redo = action(cmd::EditRedo))
        redo->setEnabled(history_.canRedo());
}

void CMainFrame::resetHistory() {
    history_.reset(doc_->project());
    updateCommandUi();
}

void CMainFrame::onUndo() {
    // The menu command has already committed an open edit box, so a typed
    // value is the step this takes back.
    if (history_.undo(doc_->project())) {
        view_->listEditor()->hide();
        view_->editBox()->hide();
        view_->editor().storeRestored();
    }
    updateCommandUi();
}

void CMainFrame::onRedo() {
    if (history_.redo(doc_->project())) {
        view_->listEditor()->hide();
        view_->editBox()->hide();
        view_->editor().storeRestored();
    }
    updateCommandUi();
}

void CMainFrame::showComparison(std::vector<ConfigDifference> differences, const QString& otherName,
                                bool againstGateway) {
    if (showComparison_) {
        showComparison_(std::move(differences), otherName);
        return;
    }
    CompareDialog dialog(std::move(differences), otherName, againstGateway, this);
    dialog.exec();
}

void CMainFrame::onCompareWithFile() {
    compareWithFile(this, doc_->project(), *dialogs_, *prompter_,
                    [this](std::vector<ConfigDifference> differences, const QString& name) {
                        showComparison(std::move(differences), name, false);
                    });
}

void CMainFrame::onCompareWithGateway() {
    compareWithGateway(this, doc_->project(), *serial_, *prompter_,
                       [this](std::vector<ConfigDifference> differences, const QString& name) {
                           showComparison(std::move(differences), name, true);
                       });
}

} // namespace brenmoor::gui
