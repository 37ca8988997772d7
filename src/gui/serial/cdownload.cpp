#include "gui/serial/cdownload.h"

#include "core/resources/messages_serial_dialogs.h"
#include "gui/app/gui_text.h"
#include "gui/serial/serial_link.h"

#include <QCheckBox>
#include <QPushButton>

namespace brenmoor::gui {

namespace {
constexpr std::array<int, 5> kRightEdges = {400, 300, 410, 400, 400};
// The Download dialog has room for the read-back's step under the three.
constexpr int kSteps = 4;
} // namespace

CDownload::CDownload(Project& project, MappingState& mapping, SerialLink& link, QWidget* parent)
    : TransferDialog(link, msg::DownloadDialogTitle, msg::DownloadButton, kRightEdges, kSteps,
                     parent),
      project_(project), job_(project, mapping, prompter()) {
    setObjectName(QStringLiteral("CDownload"));
    verify_ = new QCheckBox(qtext(msg::VerifyAfterDownload), this);
    verify_->setChecked(true);
    verify_->setGeometry(80, belowSteps() + 5, 300, 24);
    setTabOrder(verify_, actionButton());
    setTabOrder(actionButton(), exitButton());
}

bool CDownload::prepare() {
    // The check has shown its messages itself when it fails.
    return job_.open();
}

void CDownload::startTransfer() {
    const DownloadStart start = job_.start();
    if (start.kind == DownloadStart::Kind::Refused)
        prompter().inform(start.outcome.message());
    if (!start.go())
        return;

    setTransferring(true);
    verify_->setEnabled(false);
    // The transfer reads its own copy: the window stays live (it repaints)
    // while the serial worker goes through the blocks.
    auto project = std::make_shared<const Project>(project_);
    const bool verify = verify_->isChecked();
    post([this, project, verify](TransferSession& session, Clock& clock) {
        const DownloadResult result = DownloadJob::transfer(
            *session.port, clock, jobPrompter(), *project, verify, session.view, progressToUi());
        toUi([this, outcome = result.combined()] {
            verify_->setEnabled(true);
            endTransfer(outcome);
        });
    });
}

void CDownload::showFailure(const Outcome& outcome) {
    if (outcome.id() != msg::VerifyDifferencesHeading) {
        TransferDialog::showFailure(outcome);
        return;
    }
    // A full list of differences can run to hundreds of lines: the prompter
    // decides how much of it a message shows at once.
    const QStringList lines = qtext(outcome.message()).split(QLatin1Char('\n'));
    std::vector<std::string> differences;
    for (qsizetype i = 1; i < lines.size(); ++i)
        differences.push_back(lines[i].toStdString());
    prompter().informList(lines.value(0).toStdString(), differences);
}

} // namespace brenmoor::gui
