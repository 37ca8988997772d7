// The port library on real devices: pseudo-terminals, whose master side the
// test plays as the gateway, and /dev/null, which opens but has no line.
#include "port/open_failure.h"
#include "port/posix_serial_port.h"
#include "port/system_port_lister.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <string>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

using namespace brenmoor;
using namespace brenmoor::port;

namespace {

using Bytes = std::vector<uint8_t>;

// Nothing here waits on a clock: what the kernel has yet to move from one
// side of a pseudo-terminal to the other is looked for this many times.
constexpr int kLooks = 100000;

class PseudoTerminal {
  public:
    PseudoTerminal() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0)
            if (const char* name = ::ptsname(master_))
                device_ = name;
    }
    ~PseudoTerminal() { hangUp(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& device() const { return device_; }
    // What a pulled adapter does to the device: the line is hung up.
    void hangUp() {
        if (master_ >= 0)
            ::close(master_);
        master_ = -1;
    }
    // Sends what the device takes now; how much that was.
    size_t offer(const Bytes& bytes) {
        const ssize_t n = ::write(master_, bytes.data(), bytes.size());
        return n > 0 ? static_cast<size_t>(n) : 0;
    }
    Bytes received() {
        Bytes all;
        uint8_t buffer[256];
        for (ssize_t n; (n = ::read(master_, buffer, sizeof buffer)) > 0;)
            all.insert(all.end(), buffer, buffer + n);
        return all;
    }
    termios lineSettings() const {
        termios tio{};
        ::tcgetattr(master_, &tio);
        return tio;
    }

  private:
    int master_ = -1;
    std::string device_;
};

// Waits until the port reports `count` bytes, or gives up.
size_t awaitWaiting(SerialPort& port, size_t count) {
    size_t waiting = 0;
    for (int look = 0; look < kLooks && waiting < count; ++look)
        waiting = port.queryStatus();
    return waiting;
}

class PosixPortTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_FALSE(pty.device().empty()); }

    PseudoTerminal pty;
    PosixPortOpener opener;
};

TEST_F(PosixPortTest, OpensRawWithTheLineSettingsAndDropsEarlierInput) {
    ASSERT_EQ(pty.offer({'o', 'l', 'd', '\n'}), 4u);
    const LineSettings line{9600, 8, Parity::Odd, 2};
    PortOpenResult opened = opener.open(pty.device(), line);
    ASSERT_EQ(opened.error, PortOpenError::None);
    SerialPort& port = *opened.port;
    EXPECT_TRUE(port.isOpen());
    EXPECT_EQ(port.queryStatus(), 0u);
    pty.received(); // the echo of the old line, before the port took over

    const termios tio = pty.lineSettings();
    EXPECT_EQ(cfgetospeed(&tio), speed_t(B9600));
    EXPECT_EQ(cfgetispeed(&tio), speed_t(B9600));
    EXPECT_NE(tio.c_cflag & CSTOPB, 0u);
    EXPECT_NE(tio.c_cflag & (CLOCAL | CREAD), 0u);
    EXPECT_NE(tio.c_iflag & INPCK, 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF), 0u);
    EXPECT_EQ(tio.c_cflag & CRTSCTS, 0u);

    // Binary both ways: a new-line byte is no end of line, nothing is echoed
    // and nothing is added on the way out.
    const Bytes frame = {0x0A, 0x0D, 0x03, 0x11, 0x13, 0xFF};
    ASSERT_EQ(pty.offer(frame), frame.size());
    ASSERT_EQ(awaitWaiting(port, frame.size()), frame.size());
    Bytes got(16);
    got.resize(port.readBytes(got));
    EXPECT_EQ(got, frame);
    ASSERT_TRUE(port.writeBytes(frame));
    EXPECT_EQ(pty.received(), frame);
}

TEST_F(PosixPortTest, OnlyOneOpenAtATime) {
    PortOpenResult first = opener.open(pty.device(), kMonitorLineSettings);
    ASSERT_EQ(first.error, PortOpenError::None);
    PortOpenResult second = opener.open(pty.device(), kMonitorLineSettings);
    EXPECT_EQ(second.error, PortOpenError::OpenFailed);
    EXPECT_FALSE(second.port);
    // The refused open left the holder's exclusive mode alone (root passes
    // it; anyone else is refused at the door).
    if (const int look = ::open(pty.device().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK); look < 0) {
        EXPECT_EQ(errno, EBUSY);
    } else {
        int exclusive = 0;
        EXPECT_EQ(::ioctl(look, TIOCGEXCL, &exclusive), 0);
        EXPECT_NE(exclusive, 0);
        ::close(look);
    }
    first.port->closePort();
    EXPECT_FALSE(first.port->isOpen());
    EXPECT_EQ(opener.open(pty.device(), kMonitorLineSettings).error, PortOpenError::None);
}

TEST_F(PosixPortTest, EachStepFailsWithItsOwnError) {
    EXPECT_EQ(opener.open("/dev/brenmoor-no-such-device", kMonitorLineSettings).error,
              PortOpenError::OpenFailed);
    // Opens for reading and writing, but has no line settings to read.
    EXPECT_EQ(opener.open("/dev/null", kMonitorLineSettings).error,
              PortOpenError::ReadSettingsFailed);
    EXPECT_EQ(opener.open(pty.device(), LineSettings{12345, 8, Parity::None, 1}).error,
              PortOpenError::WriteSettingsFailed);
}

TEST_F(PosixPortTest, RefusalsSayWhy) {
    EXPECT_EQ(opener.open("/dev/brenmoor-no-such-device", kMonitorLineSettings).cause,
              PortOpenCause::NoSuchDevice);
    EXPECT_EQ(opener.open("/dev/null", kMonitorLineSettings).cause, PortOpenCause::NotASerialPort);

    // A pseudo-terminal not yet unlocked refuses as a node without hardware,
    // or a pulled adapter's node, does.
    const int locked = ::posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(locked, 0);
    ASSERT_EQ(::grantpt(locked), 0);
    const std::string lockedDevice = ::ptsname(locked);
    EXPECT_EQ(opener.open(lockedDevice, kMonitorLineSettings).cause, PortOpenCause::Gone);
    ::close(locked);

    // A device another program holds names that program.
    const int holder = ::open(pty.device().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    const PortOpenResult busy = opener.open(pty.device(), kMonitorLineSettings);
    ::close(holder);
    EXPECT_EQ(busy.error, PortOpenError::OpenFailed);
    EXPECT_EQ(busy.cause, PortOpenCause::Busy);
    std::string self;
    std::getline(std::ifstream("/proc/self/comm"), self);
    EXPECT_EQ(busy.holder, self);
}

// Refused by its permissions: the group that would let the user in is
// named; a device open to its owner alone (or to root's group) says so.
TEST(PortOpenFailure, APermissionRefusalNamesWhoMayUseTheDevice) {
    const brenmoor::test::TempDir dir;
    const std::string device = dir.file("ttyUSB9");
    std::ofstream(device).put('\0');
    ASSERT_EQ(::chmod(device.c_str(), 0600), 0);
    EXPECT_EQ(openFailure(PortOpenError::OpenFailed, EACCES, device).cause,
              PortOpenCause::OwnerOnly);
    ASSERT_EQ(::chmod(device.c_str(), 0660), 0);
    const group* dialout = ::getgrnam("dialout");
    if (!dialout || ::chown(device.c_str(), static_cast<uid_t>(-1), dialout->gr_gid) != 0)
        GTEST_SKIP() << "the device cannot be given to the group dialout here";
    const PortOpenResult refused = openFailure(PortOpenError::OpenFailed, EACCES, device);
    EXPECT_EQ(refused.cause, PortOpenCause::PermissionDenied);
    EXPECT_EQ(refused.group, "dialout");
}

// An adapter's stable name (here a link in a folder of the test's) stands
// for its device: listed in its place, once, in the order found, and opened.
// Built-in port nodes the kernel knows no hardware for are left out.
TEST_F(PosixPortTest, AStableNameIsListedAndOpenedInsteadOfItsDevice) {
    PseudoTerminal other;
    ASSERT_FALSE(other.device().empty());
    const brenmoor::test::TempDir byId;
    const std::string stable = byId.file("usb-Kestrin_Gateway_K0042-if00-port0");
    std::filesystem::create_symlink(pty.device(), stable);
    const brenmoor::test::TempDir dev;
    const brenmoor::test::TempDir ttyClass;
    for (const auto& [node, uart] : {std::pair{"ttyS0", "4\n"}, {"ttyS1", "0\n"}, {"ttyS2", ""}}) {
        std::ofstream(dev.file(node)).put('\0');
        if (*uart) {
            std::filesystem::create_directory(ttyClass.file(node));
            std::ofstream(ttyClass.file(node) + "/type") << uart;
        }
    }
    SystemPortLister lister({dev.path().string(), byId.path().string(), ttyClass.path().string()});
    std::vector<std::string> builtIn;
    for (const PortDescription& port : lister.describePorts())
        if (port.name.starts_with(dev.path().string()))
            builtIn.push_back(port.name);
    EXPECT_EQ(builtIn, (std::vector{dev.file("ttyS0"), dev.file("ttyS2")}));

    lister.addDevice(other.device());
    lister.addDevice(pty.device());
    lister.addDevice(stable);
    const PortDescriptions ports = lister.describePorts();
    ASSERT_GE(ports.size(), 2u);
    const PortDescription& first = ports[ports.size() - 2];
    const PortDescription& last = ports.back();
    EXPECT_EQ(first.name, other.device());
    EXPECT_EQ(last.name, stable);
    EXPECT_EQ(last.device, pty.device());
    EXPECT_EQ(lister.listPorts(), portNames(ports));
    EXPECT_EQ(opener.open(last.name, kMonitorLineSettings).error, PortOpenError::None);
}

TEST_F(PosixPortTest, AFloodNeverShowsMoreThanTheQueueAndLosesNothingItHolds) {
    PortOpenResult opened = opener.open(pty.device(), kMonitorLineSettings);
    ASSERT_EQ(opened.error, PortOpenError::None);
    SerialPort& port = *opened.port;
    const Bytes chunk(1024, 0x5A);
    size_t offered = 0;
    for (size_t taken; (taken = pty.offer(chunk)) > 0;)
        offered += taken;
    ASSERT_GT(offered, 2 * kPortQueueBytes);

    // The monitor takes a record's worth at a time, far slower than the
    // flood comes.
    size_t largest = awaitWaiting(port, kPortQueueBytes);
    size_t read = 0;
    Bytes buffer(200);
    for (int look = 0; look < kLooks && read < offered; ++look) {
        const size_t waiting = port.queryStatus();
        largest = std::max(largest, waiting);
        read += port.readBytes(std::span(buffer).first(std::min(waiting, buffer.size())));
    }
    EXPECT_EQ(largest, kPortQueueBytes);
    EXPECT_EQ(read, offered);
}

TEST_F(PosixPortTest, AHungUpDeviceClosesThePort) {
    PortOpenResult opened = opener.open(pty.device(), kMonitorLineSettings);
    ASSERT_EQ(opened.error, PortOpenError::None);
    SerialPort& port = *opened.port;
    pty.hangUp();
    EXPECT_EQ(port.queryStatus(), 0u);
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.writeBytes(Bytes{0x00}));
}

} // namespace
