// Serial Connection, Upload and Download.
#include "gui/app/main_frame.h"

#include "gui/app/modbus_config_doc.h"
#include "gui/editor/modbus_config_view.h"
#include "gui/serial/cdownload.h"
#include "gui/serial/cdupload.h"
#include "gui/serial/serial_link.h"

namespace brenmoor::gui {

void CMainFrame::replaceSerialLink(std::unique_ptr<SerialLink> link) {
    serial_ = std::move(link);
}

void CMainFrame::onSerialConnection() {
    serial_->showSettings(this);
}

void CMainFrame::onDownload() {
    if (!serial_->askSettingsIfUnconfirmed(this))
        return;
    CDownload dialog(doc_->project(), mappingState_, *serial_, this);
    dialog.runModal();
    // The opening check recomputes every command's byte count, which the
    // command page shows: the shown page is built again.
    const ItemId shown = view_->editor().tree().selected();
    if (shown != kNoItem)
        view_->selectItem(shown);
    checkpointHistory();
}

void CMainFrame::onUpload() {
    if (!serial_->askSettingsIfUnconfirmed(this))
        return;
    CDUpload dialog(doc_->project(), *serial_, this);
    // An upload starts a new document: unsaved edits get the same question
    // as File New gives them.
    dialog.setBeforeUpload([this] { return doc_->saveModifiedFirst(); });
    dialog.setReceiver([this](Project&& uploaded) {
        // The upload's marks make New keep the store it filled. The tree is
        // built from that store first, so that New shows it as it shows an
        // opened file: expanded, the first root selected. The configuration
        // exists nowhere else yet, so it counts as modified.
        doc_->project() = std::move(uploaded);
        view_->storeReplaced();
        doc_->newDocument();
        doc_->project().marks.modified = true;
        updateCommandUi();
        checkpointHistory();
    });
    dialog.runModal();
}

} // namespace brenmoor::gui
