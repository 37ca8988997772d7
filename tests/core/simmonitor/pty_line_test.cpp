#include "sim/pty_gateway.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace brenmoor::sim {
namespace {

// Auto mode follows the speed a program sets on the device; the gateway
// must see it from its own side of the pseudo-terminal.
TEST(PtyGatewayLine, SeesTheSpeedTheProgramSets) {
    GatewayOptions options;
    options.mode = GatewayMode::Auto;
    PtyGateway gateway{GatewayEngine(options)};
    ASSERT_TRUE(gateway.open()) << gateway.errorText();
    EXPECT_NE(gateway.lineBaud(), 115200);

    const int program = ::open(gateway.devicePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(program, 0);
    termios tio{};
    ASSERT_EQ(::tcgetattr(program, &tio), 0);
    ::cfsetispeed(&tio, B115200);
    ::cfsetospeed(&tio, B115200);
    ASSERT_EQ(::tcsetattr(program, TCSANOW, &tio), 0);
    EXPECT_EQ(gateway.lineBaud(), 115200);

    ::cfsetispeed(&tio, B19200);
    ::cfsetospeed(&tio, B19200);
    ASSERT_EQ(::tcsetattr(program, TCSANOW, &tio), 0);
    ::close(program);
    EXPECT_EQ(gateway.lineBaud(), 19200) << "the setting outlives the program's descriptor";
}

} // namespace
} // namespace brenmoor::sim
