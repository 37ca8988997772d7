#include "gui/compare/compare_commands.h"

#include "core/jobs/transfer_jobs.h"
#include "core/model/project_file.h"
#include "core/resources/messages_history.h"
#include "gui/app/file_dialogs.h"
#include "gui/app/gui_text.h"
#include "gui/compare/reading_dialog.h"
#include "gui/serial/serial_link.h"

#include <QFileInfo>

namespace brenmoor::gui {

namespace {

// A project that starts as the window's Open starts: the document's flags
// (the delimiter flag survives files that do not carry it), a default store.
Project freshProjectLike(const Project& document) {
    Project other = makeNewProject();
    other.device = document.device;
    return other;
}

} // namespace

void compareWithFile(QWidget* parent, const Project& document, FileDialogs& dialogs,
                     Prompter& prompter, const ShowComparison& show) {
    const QString file = dialogs.openFileName(parent);
    if (file.isEmpty())
        return;
    Project other = freshProjectLike(document);
    const OpenOutcome opened = openProjectFile(other, file.toStdString());
    if (opened.result == OpenResult::Failed) {
        prompter.inform(opened.outcome.message());
        return;
    }
    // An empty file opens as a default configuration, which is what `other`
    // already holds.
    show(compareConfigurations(document, other), QFileInfo(file).fileName());
}

void compareWithGateway(QWidget* parent, const Project& document, SerialLink& link,
                        Prompter& prompter, const ShowComparison& show) {
    if (!link.askSettingsIfUnconfirmed(parent))
        return;
    // The port is opened, used and closed on the serial worker.
    SerialWorker& worker = link.worker();
    std::unique_ptr<SerialPort> port;
    Outcome opened = Outcome::success();
    worker.runAndWait([&] {
        OpenedPort result = openConfigPort(link.opener(), link.portNames(), link.settings());
        opened = result.outcome;
        port = std::move(result.port);
    });
    if (!port) {
        prompter.inform(opened);
        return;
    }
    GatewayComparison compared;
    {
        // The reading window shows the upload's lines while the window
        // keeps painting.
        ReadingDialog progress(parent);
        progress.show();
        worker.runWhileWaiting([&] {
            TransferView view;
            compared = brenmoor::compareWithGateway(
                *port, link.clock(), document, view, [&progress](const TransferView& now) {
                    runOnUi(&progress, [&progress, now] { progress.showView(now); });
                });
            port->closePort();
            port.reset();
        });
    }
    if (!compared.outcome) {
        prompter.inform(compared.outcome.message());
        return;
    }
    show(std::move(compared.differences), qtext(msg::CompareGatewayName));
}

} // namespace brenmoor::gui
