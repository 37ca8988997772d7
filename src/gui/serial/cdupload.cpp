#include "gui/serial/cdupload.h"

#include "core/resources/messages_serial_dialogs.h"
#include "core/serial/upload_sequence.h"
#include "gui/serial/transfer_thread.h"

#include <optional>

namespace brenmoor::gui {

namespace {
constexpr std::array<int, 5> kRightEdges = {380, 300, 385, 380, 380};
constexpr int kSteps = 3;
} // namespace

CDUpload::CDUpload(const Project& project, SerialLink& link, QWidget* parent)
    : TransferDialog(link, msg::UploadDialogTitle, msg::UploadButton, kRightEdges, kSteps, parent),
      project_(project) {
    setObjectName(QStringLiteral("CDUpload"));
}

void CDUpload::startTransfer() {
    if (beforeUpload_ && !beforeUpload_())
        return;
    setTransferring(true);
    // The sequence fills a copy; the document is replaced only once the
    // whole configuration has been read.
    auto project = std::make_shared<Project>(project_);
    thread().post([this, project](TransferSession& session) {
        // Each step is shown as it is reported, one step late: a failed
        // block empties the lines, and that must come after its message.
        auto held = std::make_shared<std::optional<TransferView>>();
        const TransferProgress progress = progressToUi();
        UploadSequence upload(*session.port, session.clock, session.view,
                              [held, progress](const TransferView& view) {
                                  if (*held)
                                      progress(**held);
                                  *held = view;
                              });
        const Outcome outcome = upload.run(*project);
        thread().toUi([this, project, outcome, last = *held] {
            if (outcome && receiver_)
                receiver_(std::move(*project));
            endTransfer(outcome, last);
        });
    });
}

} // namespace brenmoor::gui
