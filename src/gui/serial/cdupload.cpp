#include "gui/serial/cdupload.h"

#include "core/jobs/transfer_jobs.h"
#include "core/resources/messages_serial_dialogs.h"

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
    // The job fills a copy; the document is replaced only once the whole
    // configuration has been read.
    auto project = std::make_shared<const Project>(project_);
    post([this, project](TransferSession& session, Clock& clock) {
        // Each step is shown as it is reported, one step late: a failed
        // block empties the lines, and that must come after its message.
        auto held = std::make_shared<std::optional<TransferView>>();
        const TransferProgress progress = progressToUi();
        auto result = std::make_shared<UploadResult>(
            uploadConfiguration(*session.port, clock, *project, session.view,
                                [held, progress](const TransferView& view) {
                                    if (*held)
                                        progress(**held);
                                    *held = view;
                                }));
        toUi([this, result, last = *held] {
            if (result->outcome && receiver_)
                receiver_(std::move(result->project));
            endTransfer(result->outcome, last);
        });
    });
}

} // namespace brenmoor::gui
