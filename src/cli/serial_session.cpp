#include "cli/serial_session.h"

#include "core/monitor/monitor_port.h"
#include "core/serial/port_settings.h"

#include <iostream>

#ifdef BRENMOOR_HAVE_PORT
#include "port/system_ports.h"
#endif

namespace brenmoor::cli {

namespace {

#ifdef BRENMOOR_HAVE_PORT
PortOpener& commandLineOpener() {
    static const std::unique_ptr<PortOpener> opener = port::makeSystemPortOpener();
    return *opener;
}
#else
// Built without the port library: every device fails to open.
class NoPortOpener : public PortOpener {
  public:
    PortOpenResult open(const std::string&, const LineSettings&) override { return {}; }
};

PortOpener& commandLineOpener() {
    static NoPortOpener opener;
    return opener;
}
#endif

} // namespace

SerialSession openSerialSession(const std::string& device) {
    OpenedPort opened =
        openConfigPort(commandLineOpener(), ComPortNames{device}, SerialPortSettings{});
    return {std::move(opened.port), opened.outcome};
}

SerialSession openMonitorSession(const std::string& device) {
    OpenedPort opened = monitor::openMonitorPort(commandLineOpener(), device);
    return {std::move(opened.port), opened.outcome};
}

std::unique_ptr<SerialPort> openPortOrReport(const std::string& device) {
    SerialSession session = openSerialSession(device);
    if (!session.port)
        reportOpenFailure(session.outcome);
    return std::move(session.port);
}

void reportOpenFailure(const Outcome& failure) {
    std::cerr << failure.message() << '\n';
    if (!failure.details().empty())
        std::cerr << failure.details() << '\n';
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
