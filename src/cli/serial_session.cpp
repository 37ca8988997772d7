#include "cli/serial_session.h"

#include "core/resources/messages_serial.h"
#include "core/resources/string_table.h"
#include "core/serial/port_settings.h"

#ifdef BRENMOOR_HAVE_PORT
#include "port/qt_serial_port.h"

#include <QCoreApplication>
#endif

namespace brenmoor::cli {

namespace {

#ifdef BRENMOOR_HAVE_PORT
// Qt's serial port wants an application object; the command line never runs
// its event loop.
void ensureApplication() {
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char name[] = "brenmoor-cli";
        static char* argv[] = {name, nullptr};
        static QCoreApplication app(argc, argv);
    }
}
#else
SerialSession notBuiltWithPorts(const std::string& device) {
    return {nullptr,
            Outcome::failure(msg::PortFailedToOpen, formatMessage(msg::PortFailedToOpen, device))};
}
#endif

} // namespace

SerialSession openSerialSession(const std::string& device) {
#ifdef BRENMOOR_HAVE_PORT
    ensureApplication();
    port::QtPortOpener opener;
    OpenedPort opened = openConfigPort(opener, ComPortNames{device}, SerialPortSettings{});
    return {std::move(opened.port), opened.outcome};
#else
    return notBuiltWithPorts(device);
#endif
}

SerialSession openSerialSession(const std::string& device, const LineSettings& line) {
#ifdef BRENMOOR_HAVE_PORT
    ensureApplication();
    port::QtPortOpener opener;
    OpenedPort opened = openConfigPort(opener, device, line);
    return {std::move(opened.port), opened.outcome};
#else
    (void)line;
    return notBuiltWithPorts(device);
#endif
}

void ProgressPrinter::operator()(const TransferView& view) {
    if (view.lineA != last_.lineA && !view.lineA.empty())
        out_ << view.lineA << '\n';
    if (view.lineB != last_.lineB && !view.lineB.empty())
        out_ << view.lineB << '\n';
    for (size_t i = 0; i < view.stepLines.size(); ++i)
        if (view.stepLines[i] != last_.stepLines[i] && !view.stepLines[i].empty() &&
            view.stepLinesVisible)
            out_ << view.stepLines[i] << '\n';
    if (view.verifyLine != last_.verifyLine && !view.verifyLine.empty())
        out_ << view.verifyLine << '\n';
    out_.flush();
    last_ = view;
}

} // namespace brenmoor::cli
