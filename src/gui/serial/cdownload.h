#pragma once

#include "core/jobs/download_job.h"
#include "core/mapping/mapping_state.h"
#include "core/model/project.h"
#include "gui/serial/transfer_dialog.h"

class QCheckBox;

namespace brenmoor::gui {

// "Download Configuration": runs the completeness check when it opens,
// then writes the project into the gateway on "Download" and, with "Verify
// after download" on, reads it back and compares.
class CDownload : public TransferDialog {
    Q_OBJECT

  public:
    CDownload(Project& project, MappingState& mapping, SerialLink& link, QWidget* parent = nullptr);

    QCheckBox* verifyBox() const { return verify_; }

  protected:
    bool prepare() override;
    void startTransfer() override;
    void showFailure(const Outcome& outcome) override;

  private:
    Project& project_;
    DownloadJob job_;
    QCheckBox* verify_;
};

} // namespace brenmoor::gui
