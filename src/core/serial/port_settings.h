#pragma once

#include "core/resources/outcome.h"
#include "core/serial/serial_port.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace brenmoor {

// The rates the Serial Port Configuration dialog offers, in its order.
inline constexpr std::array<int, 8> kBaudRates = {300, 600, 1200, 2400, 4800, 9600, 19200, 115200};
inline constexpr int kDefaultBaudIndex = 6; // 19200

enum class Parity { None = 0, Odd = 1, Even = 2, Mark = 3, Space = 4 };

// The program-wide choice of port and line settings for this run; never
// saved in a project file.
struct SerialPortSettings {
    int portIndex = 0; // into comPortNames; -1: nothing chosen
    int baudIndex = kDefaultBaudIndex;
    int parityIndex = 0;   // Parity
    int dataBitsIndex = 0; // 0 "8", 1 "7", 2 "6", 3 "5"
    int stopBitsIndex = 0; // 0 "1", 1 "2"
    bool confirmed = false;
};

// The serial ports of this computer, in the order the system lists them
// (never sorted): device paths such as /dev/ttyUSB0.
using ComPortNames = std::vector<std::string>;

// What the port is opened with.
struct LineSettings {
    int baudRate = 19200;
    int dataBits = 8;
    Parity parity = Parity::None;
    int stopBits = 1;

    friend bool operator==(const LineSettings&, const LineSettings&) = default;
};

// The line settings the dialog's indices stand for (out-of-range indices
// fall back to the defaults).
LineSettings lineSettingsFrom(const SerialPortSettings& settings);
// The I/O monitor's fixed settings.
inline constexpr LineSettings kMonitorLineSettings{115200, 8, Parity::None, 1};

// Where the computer's port list comes from: the port library on the
// desktop and the command line, a fixed list in tests.
class PortLister {
  public:
    virtual ~PortLister() = default;
    virtual ComPortNames listPorts() = 0;
};

// Re-reads the port list and re-sets the baud rate to 19200.
void enumerateComPorts(PortLister& lister, ComPortNames& names, SerialPortSettings& settings);

// How far opening a device got.
enum class PortOpenError { None, OpenFailed, ReadSettingsFailed, WriteSettingsFailed };

struct PortOpenResult {
    std::unique_ptr<SerialPort> port; // set when error is None
    PortOpenError error = PortOpenError::OpenFailed;
};

// Opens a device exclusively, applies the line settings (binary mode, the
// parity as given) and purges both directions.
class PortOpener {
  public:
    virtual ~PortOpener() = default;
    virtual PortOpenResult open(const std::string& deviceName, const LineSettings& line) = 0;
};

struct OpenedPort {
    std::unique_ptr<SerialPort> port; // null on failure
    Outcome outcome;
};

// The name at settings.portIndex of names (a negative index counts as 0);
// nothing when the list is empty or too short.
std::optional<std::string> chosenPortName(const ComPortNames& names,
                                          const SerialPortSettings& settings);

// The transfer dialogs' open: the port at settings.portIndex of names (a
// negative index counts as 0). An empty or too short list is reported
// without touching any device. The failure texts name the port as listed.
OpenedPort openConfigPort(PortOpener& opener, const ComPortNames& names,
                          const SerialPortSettings& settings);
// The same with explicit line settings (the monitor's 115200 baud).
OpenedPort openConfigPort(PortOpener& opener, const std::string& name, const LineSettings& line);

} // namespace brenmoor
