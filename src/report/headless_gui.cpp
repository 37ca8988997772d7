#include "report/headless_gui.h"

#include <QGuiApplication>

namespace brenmoor::report {

namespace {
char kProgram[] = "brenmoor-cli";
QtMessageHandler previousHandler = nullptr;

// The command line prints the program's own messages and nothing else: the
// notes a platform makes about an environment it finds bare (no runtime
// folder, no display) are not for its user.
void keepToErrors(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && previousHandler)
        previousHandler(type, context, message);
}
char kPlatformOption[] = "-platform";
char kOffscreen[] = "offscreen";
} // namespace

HeadlessGui::HeadlessGui() : argv_{kProgram, kPlatformOption, kOffscreen, nullptr} {
    if (QCoreApplication::instance())
        return;
    previousHandler = qInstallMessageHandler(keepToErrors);
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

HeadlessGui::~HeadlessGui() {
    if (!app_)
        return;
    app_.reset();
    qInstallMessageHandler(previousHandler);
}

} // namespace brenmoor::report
