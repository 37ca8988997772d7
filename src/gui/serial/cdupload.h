#pragma once

#include "core/model/project.h"
#include "gui/serial/transfer_dialog.h"

#include <functional>

namespace brenmoor::gui {

// "Upload Configuration": reads the gateway's configuration on "Upload";
// a complete upload replaces the document through the receiver.
class CDUpload : public TransferDialog {
    Q_OBJECT

  public:
    // `project` gives the flags the upload reads with.
    CDUpload(const Project& project, SerialLink& link, QWidget* parent = nullptr);

    // Asked before each upload; false leaves the document and the gateway
    // alone (the user kept unsaved edits).
    void setBeforeUpload(std::function<bool()> ask) { beforeUpload_ = std::move(ask); }
    // Takes the uploaded project, marks set, on the user-interface thread.
    void setReceiver(std::function<void(Project&&)> receiver) { receiver_ = std::move(receiver); }

  protected:
    void startTransfer() override;

  private:
    const Project& project_;
    std::function<bool()> beforeUpload_;
    std::function<void(Project&&)> receiver_;
};

} // namespace brenmoor::gui
