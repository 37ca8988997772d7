#include "core/monitor/monitor_port.h"
#include "core/resources/messages_monitor.h"
#include "core/resources/messages_serial.h"
#include "core/resources/string_table.h"
#include "core/serial/clock.h"
#include "core/serial/port_settings.h"
#include "scripted_port.h"

#include <gtest/gtest.h>

namespace brenmoor {
namespace {

struct RecordingOpener : PortOpener {
    PortOpenError result = PortOpenError::None;
    PortOpenCause cause = PortOpenCause::Unknown;
    std::string holder;
    std::string systemText;
    std::string group;
    std::vector<std::string> opened;
    LineSettings line;
    FakeClock clock;

    PortOpenResult open(const std::string& name, const LineSettings& settings) override {
        opened.push_back(name);
        line = settings;
        if (result != PortOpenError::None)
            return {nullptr, result, cause, holder, group, systemText};
        return {std::make_unique<ScriptedPort>(clock), PortOpenError::None};
    }
};

struct FixedLister : PortLister {
    ComPortNames names;
    ComPortNames listPorts() override { return names; }
};

TEST(PortSettings, DefaultsAreTheDialogsProposal) {
    const SerialPortSettings settings;
    EXPECT_EQ(settings.portIndex, 0);
    EXPECT_FALSE(settings.confirmed);
    EXPECT_EQ(lineSettingsFrom(settings), (LineSettings{19200, 8, Parity::None, 1}));
    EXPECT_EQ(kBaudRates, (std::array<int, 8>{300, 600, 1200, 2400, 4800, 9600, 19200, 115200}));

    SerialPortSettings other;
    other.baudIndex = 7;
    other.parityIndex = 3;
    other.dataBitsIndex = 3;
    other.stopBitsIndex = 1;
    EXPECT_EQ(lineSettingsFrom(other), (LineSettings{115200, 5, Parity::Mark, 2}));
}

TEST(PortSettings, EnumeratingKeepsTheSystemOrderAndResetsTheBaudRate) {
    FixedLister lister;
    lister.names = {"/dev/ttyUSB1", "/dev/ttyS0", "/dev/ttyUSB0"};
    ComPortNames names{"old"};
    SerialPortSettings settings;
    settings.baudIndex = 2;
    enumerateComPorts(lister, names, settings);
    EXPECT_EQ(names, lister.names);
    EXPECT_EQ(settings.baudIndex, 6);
}

TEST(PortSettings, OpenUsesTheListedNameAndANegativeIndexCountsAsZero) {
    RecordingOpener opener;
    SerialPortSettings settings;
    settings.portIndex = -1;
    const OpenedPort opened = openConfigPort(opener, {"/dev/ttyUSB0", "/dev/ttyUSB1"}, settings);
    EXPECT_TRUE(opened.outcome);
    EXPECT_NE(opened.port, nullptr);
    EXPECT_EQ(opener.opened, std::vector<std::string>{"/dev/ttyUSB0"});
    EXPECT_EQ(opener.line.baudRate, 19200);
}

TEST(PortSettings, OpenFailuresNameThePortAsListed) {
    RecordingOpener opener;
    SerialPortSettings settings;
    settings.portIndex = 1;
    const ComPortNames names{"/dev/ttyS0", "/dev/ttyUSB12"};
    opener.result = PortOpenError::OpenFailed;
    EXPECT_EQ(openConfigPort(opener, names, settings).outcome.message(),
              "Port /dev/ttyUSB12 failed to open!");
    opener.result = PortOpenError::ReadSettingsFailed;
    EXPECT_EQ(openConfigPort(opener, names, settings).outcome.id(),
              msg::ErrorReadingPortParameters);
    opener.result = PortOpenError::WriteSettingsFailed;
    EXPECT_EQ(openConfigPort(opener, names, settings).outcome.message(), "Serial setting error");
}

TEST(PortSettings, NoPortToOpenTouchesNoDevice) {
    RecordingOpener opener;
    SerialPortSettings settings;
    EXPECT_EQ(openConfigPort(opener, {}, settings).outcome.id(), msg::NoSerialPort);
    settings.portIndex = 2;
    const OpenedPort opened = openConfigPort(opener, {"/dev/ttyS0", "/dev/ttyS1"}, settings);
    EXPECT_FALSE(opened.outcome);
    EXPECT_EQ(opened.port, nullptr);
    EXPECT_TRUE(opener.opened.empty());
}

TEST(PortSettings, DescribedPortsKeepTheirOrderAndShowWhatIsKnown) {
    struct DescribingLister : PortLister {
        ComPortNames listPorts() override { return portNames(describePorts()); }
        PortDescriptions describePorts() override {
            PortDescription adapter{"/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0"};
            adapter.device = "/dev/ttyUSB0";
            adapter.description = "FT232R USB UART";
            adapter.manufacturer = "FTDI";
            adapter.serialNumber = "A50285BI";
            PortDescription plain{"/dev/ttyS0"};
            plain.device = "/dev/ttyS0";
            return {plain, adapter};
        }
    } lister;
    ComPortNames names;
    PortDescriptions described;
    SerialPortSettings settings;
    settings.baudIndex = 1;
    enumerateComPorts(lister, names, described, settings);
    EXPECT_EQ(names, (ComPortNames{"/dev/ttyS0",
                                   "/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0"}));
    EXPECT_EQ(settings.baudIndex, 6);
    EXPECT_EQ(portLabel(described[0]), "/dev/ttyS0");
    EXPECT_EQ(portLabel(described[1]), "/dev/serial/by-id/usb-FTDI_FT232R_A50285BI-if00-port0 "
                                       "(ttyUSB0) - FT232R USB UART, FTDI, A50285BI");
}

// The message of the step that failed stays word for word; what the user
// can do about it comes as its details.
TEST(PortSettings, OpenFailuresSayWhyBesideTheirMessage) {
    RecordingOpener opener;
    opener.result = PortOpenError::OpenFailed;
    auto details = [&opener](PortOpenCause cause, std::string holder = {},
                             std::string systemText = {}) {
        opener.cause = cause;
        opener.holder = std::move(holder);
        opener.systemText = std::move(systemText);
        const OpenedPort opened = openConfigPort(opener, "/dev/ttyUSB0", LineSettings{});
        EXPECT_EQ(opened.outcome.message(), "Port /dev/ttyUSB0 failed to open!");
        return opened.outcome.details();
    };
    const std::string denied = details(PortOpenCause::PermissionDenied);
    EXPECT_NE(denied.find("\"sudo usermod -aG dialout $USER\""), std::string::npos) << denied;
    EXPECT_NE(denied.find("next login"), std::string::npos) << denied;
    EXPECT_EQ(denied.find("chmod"), std::string::npos) << denied;
    opener.group = "uucp"; // the group the device's permissions name
    EXPECT_NE(details(PortOpenCause::PermissionDenied).find("\"sudo usermod -aG uucp $USER\""),
              std::string::npos);
    opener.group.clear();
    EXPECT_NE(details(PortOpenCause::OwnerOnly).find("only its owner"), std::string::npos);
    const std::string busy = details(PortOpenCause::Busy);
    EXPECT_NE(busy.find("ModemManager"), std::string::npos) << busy;
    EXPECT_NE(busy.find("brltty"), std::string::npos) << busy;
    EXPECT_EQ(details(PortOpenCause::Busy, "minicom"),
              "The program \"minicom\" is using this device. Close it and try again.");
    EXPECT_NE(details(PortOpenCause::Gone).find("unplugged"), std::string::npos);
    EXPECT_NE(details(PortOpenCause::NoSuchDevice).find("no such device"), std::string::npos);
    EXPECT_EQ(details(PortOpenCause::Unknown, {}, "Invalid argument"),
              "The system reports: Invalid argument.");
    EXPECT_EQ(details(PortOpenCause::Unknown), "");

    // The later steps and the monitor keep their own messages, and the why.
    opener.result = PortOpenError::ReadSettingsFailed;
    opener.cause = PortOpenCause::NotASerialPort;
    OpenedPort opened = openConfigPort(opener, "/dev/null", LineSettings{});
    EXPECT_EQ(opened.outcome.message(), "Error reading the serial port parameters");
    EXPECT_EQ(opened.outcome.details(), "This device is not a serial port.");
    opener.result = PortOpenError::OpenFailed;
    opener.cause = PortOpenCause::Gone;
    opened = monitor::openMonitorPort(opener, std::string("/dev/ttyUSB0"));
    EXPECT_EQ(opened.outcome.id(), msg::OpenSerialPortFailed);
    EXPECT_EQ(opened.outcome.details(), loadString(msg::PortGone));
}

} // namespace
} // namespace brenmoor
