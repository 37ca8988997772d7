#pragma once

#include "core/resources/outcome.h"
#include "core/serial/port_settings.h"
#include "core/serial/serial_port.h"
#include "core/serial/transfer_view.h"

#include <memory>
#include <ostream>
#include <string>

namespace brenmoor::cli {

// What --port takes, in the help, with an example of this system's names.
#ifdef _WIN32
inline constexpr const char* kPortOptionHelp = "Serial port, e.g. COM3";
#else
inline constexpr const char* kPortOptionHelp = "Serial device, e.g. /dev/ttyUSB0";
#endif

// Opens the device given by --port with the line settings the Serial Port
// Configuration dialog proposes (19200 baud, 8 data bits, no parity, one
// stop bit). The outcome carries the program's message on failure.
struct SerialSession {
    std::unique_ptr<SerialPort> port;
    Outcome outcome;
};
SerialSession openSerialSession(const std::string& device);
// The device as the I/O monitor opens it (115200 8N1, its own failure text).
SerialSession openMonitorSession(const std::string& device);
// Opens the device for a transfer, or prints the failure on stderr.
std::unique_ptr<SerialPort> openPortOrReport(const std::string& device);
// A port that did not open, on stderr: the program's message, then on a
// line of its own why, where the system said.
void reportOpenFailure(const Outcome& failure);

// Prints what a transfer dialog would show, one line per text as it
// appears: the status lines, the step lines and the line of the check that
// follows a download.
class ProgressPrinter {
  public:
    explicit ProgressPrinter(std::ostream& out) : out_(out) {}
    void operator()(const TransferView& view);

  private:
    std::ostream& out_;
    TransferView last_;
};

} // namespace brenmoor::cli
