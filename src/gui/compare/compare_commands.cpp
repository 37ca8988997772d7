#include "gui/compare/compare_commands.h"

#include "core/model/project_file.h"
#include "core/resources/messages_history.h"
#include "core/serial/clock.h"
#include "core/serial/gateway_readback.h"
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
    OpenedPort opened = openConfigPort(link.opener(), link.portNames(), link.settings());
    if (!opened.port) {
        prompter.inform(opened.outcome.message());
        return;
    }
    Project gateway = freshProjectLike(document);
    Outcome read = Outcome::success();
    {
        // The port lives on this thread; the reading window keeps the
        // window painted between the requests, as the transfer dialogs do.
        ReadingDialog progress(parent);
        progress.show();
        SteadyClock clock;
        TransferView view;
        read = readGatewayConfiguration(
            *opened.port, clock, gateway, view,
            [&progress](const TransferView& now) { progress.showView(now); });
        opened.port->closePort();
    }
    if (!read) {
        prompter.inform(read.message());
        return;
    }
    show(compareConfigurations(document, gateway), qtext(msg::CompareGatewayName));
}

} // namespace brenmoor::gui
