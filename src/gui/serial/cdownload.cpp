#include "gui/serial/cdownload.h"

#include "core/mapping/completeness_check.h"
#include "core/mapping/mapping_checks.h"
#include "core/resources/messages_gui.h"
#include "core/resources/messages_serial_dialogs.h"
#include "core/serial/download_sequence.h"
#include "core/serial/download_verify.h"
#include "gui/app/gui_text.h"
#include "gui/serial/serial_link.h"
#include "gui/serial/transfer_thread.h"

#include <QCheckBox>
#include <QMessageBox>

namespace brenmoor::gui {

namespace {
constexpr std::array<int, 5> kRightEdges = {400, 300, 410, 400, 400};
// The Download dialog has room for the read-back's step under the three.
constexpr int kSteps = 4;
// How many differences the message box lists before "Show Details...".
constexpr int kDifferencesShown = 10;

// The outcome of a verified download as one message: the read-back's own
// failure, or every difference it found, one per line.
Outcome verifyOutcome(const VerifyReport& report) {
    if (!report.outcome)
        return report.outcome;
    if (report.differences.empty())
        return Outcome::success();
    std::string text(loadString(msg::VerifyDifferencesHeading));
    for (const std::string& line : report.differences)
        text += "\n" + line;
    return Outcome::failure(msg::VerifyDifferencesHeading, std::move(text));
}
} // namespace

CDownload::CDownload(Project& project, MappingState& mapping, SerialLink& link, QWidget* parent)
    : TransferDialog(link, msg::DownloadDialogTitle, msg::DownloadButton, kRightEdges, kSteps,
                     parent),
      project_(project), mapping_(mapping) {
    setObjectName(QStringLiteral("CDownload"));
    verify_ = new QCheckBox(qtext(msg::VerifyAfterDownload), this);
    verify_->setChecked(true);
    verify_->setGeometry(80, belowSteps() + 5, 300, 24);
}

bool CDownload::prepare() {
    // The check has shown its messages itself when it fails.
    return runCompletenessCheck(project_, mapping_, prompter());
}

void CDownload::startTransfer() {
    if (Outcome nodes = checkNodeAddresses(project_.store); !nodes) {
        prompter().inform(nodes.message());
        return;
    }
    if (!askDownloadQuestions(mapping_, prompter()))
        return;

    setTransferring(true);
    verify_->setEnabled(false);
    // The transfer reads its own copy: the window stays live (it repaints)
    // while the transfer thread works through the blocks.
    auto project = std::make_shared<const Project>(project_);
    const bool verify = verify_->isChecked();
    thread().post([this, project, verify](TransferSession& session) {
        session.view.verifyLine.clear();
        session.view.verifyPassed = false;
        const TransferProgress progress = progressToUi();
        DownloadSequence download(*session.port, session.clock, thread().prompter(), session.view,
                                  progress);
        Outcome outcome = download.run(*project);
        if (outcome && verify) {
            const VerifyReport report =
                verifyDownload(*session.port, session.clock, *project, download.firmwareVersion(),
                               session.view, progress);
            outcome = verifyOutcome(report);
        }
        thread().toUi([this, outcome] {
            verify_->setEnabled(true);
            endTransfer(outcome);
        });
    });
}

void CDownload::showFailure(const Outcome& outcome) {
    // A full list of differences can run to hundreds of lines: the box shows
    // the first ones and keeps all of them in its scrollable details.
    if (outcome.id() != msg::VerifyDifferencesHeading || link().prompter()) {
        TransferDialog::showFailure(outcome);
        return;
    }
    const QStringList lines = qtext(outcome.message()).split(QLatin1Char('\n'));
    const QStringList differences = lines.mid(1);
    QStringList first = differences.mid(0, kDifferencesShown);
    if (differences.size() > kDifferencesShown)
        first << QStringLiteral("...");
    QMessageBox box(this);
    box.setWindowTitle(qtext(msg::AppTitle));
    box.setIcon(QMessageBox::Warning);
    box.setText(lines.value(0));
    box.setInformativeText(first.join(QLatin1Char('\n')));
    box.setDetailedText(differences.join(QLatin1Char('\n')));
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

} // namespace brenmoor::gui
