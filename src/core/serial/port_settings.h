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

// One port of the list and what the system knows of it. Only `name` is
// required; the rest is shown beside it where the system says anything.
struct PortDescription {
    // What is opened, stored and shown as the device: the stable name where
    // the system gives one (/dev/serial/by-id/...), else the device path.
    std::string name;
    // The device node the name leads to (/dev/ttyUSB0), when known.
    std::string device{};
    std::string description{};
    std::string manufacturer{};
    std::string serialNumber{};
};
using PortDescriptions = std::vector<PortDescription>;

// The name, the short device name when the name does not show it, and what
// else is known: "/dev/serial/by-id/usb-X-if00-port0 (ttyUSB0) - FT232R USB
// UART, FTDI, A50285BI".
std::string portLabel(const PortDescription& port);

// Where the computer's port list comes from: the port library on the
// desktop and the command line, a fixed list in tests.
class PortLister {
  public:
    virtual ~PortLister() = default;
    virtual ComPortNames listPorts() = 0;
    // The same ports in the same order with what the system knows of each;
    // by default their names alone.
    virtual PortDescriptions describePorts();
};

// Re-reads the port list and re-sets the baud rate to 19200.
void enumerateComPorts(PortLister& lister, ComPortNames& names, SerialPortSettings& settings);
// The same, keeping what the system knows of each port beside its name.
void enumerateComPorts(PortLister& lister, ComPortNames& names, PortDescriptions& described,
                       SerialPortSettings& settings);
// The names of a described list, in its order.
ComPortNames portNames(const PortDescriptions& described);
// Ports known by their names alone.
PortDescriptions portsNamed(const ComPortNames& names);

// How far opening a device got.
enum class PortOpenError { None, OpenFailed, ReadSettingsFailed, WriteSettingsFailed };

// Why a step failed, as far as the system tells: the failure's message stays
// the step's own, and this says what the user can do about it.
enum class PortOpenCause {
    Unknown,          // the system's own words in systemText, if any
    PermissionDenied, // the user is not in the group that may use the device
    OwnerOnly,        // the device's permissions leave out every group
    Busy,             // another program holds it
    BusyOrDenied,     // Windows: in use elsewhere, or refused to this user
    Gone,             // unplugged, or no hardware behind the device node
    NoSuchDevice,     // no device of that name
    NotASerialPort,   // the device has no line settings
};

struct PortOpenResult {
    std::unique_ptr<SerialPort> port; // set when error is None
    PortOpenError error = PortOpenError::OpenFailed;
    PortOpenCause cause = PortOpenCause::Unknown;
    std::string holder{};     // Busy: the program holding the device, when known
    std::string group{};      // PermissionDenied: the group that may use it, when known
    std::string systemText{}; // Unknown: what the system said, when anything
};

// What the user is told beside a failure's message; empty when nothing is
// known.
std::string portOpenDetails(const PortOpenResult& result);

// Opens a device exclusively, applies the line settings (binary mode, the
// parity as given) and purges both directions.
class PortOpener {
  public:
    virtual ~PortOpener() = default;
    virtual PortOpenResult open(const std::string& deviceName, const LineSettings& line) = 0;
};

struct OpenedPort {
    std::unique_ptr<SerialPort> port; // null on failure
    Outcome outcome;                  // on failure, with portOpenDetails() as details
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
