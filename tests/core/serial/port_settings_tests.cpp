#include "core/resources/messages_serial.h"
#include "core/serial/clock.h"
#include "core/serial/port_settings.h"
#include "scripted_port.h"

#include <gtest/gtest.h>

namespace brenmoor {
namespace {

struct RecordingOpener : PortOpener {
    PortOpenError result = PortOpenError::None;
    std::vector<std::string> opened;
    LineSettings line;
    FakeClock clock;

    PortOpenResult open(const std::string& name, const LineSettings& settings) override {
        opened.push_back(name);
        line = settings;
        if (result != PortOpenError::None)
            return {nullptr, result};
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

} // namespace
} // namespace brenmoor
