#include "port/posix_serial_port.h"

#include "port/open_failure.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

namespace brenmoor::port {

namespace {

// How long a write waits for room before the frame counts as not sent.
// Without flow control only a stuck device stops taking bytes, and the
// step's timeout message serves the user better than a hang.
constexpr int kWriteTimeoutMs = 2000;

speed_t speedFor(int baudRate) {
    struct Rate {
        int baud;
        speed_t speed;
    };
    static constexpr Rate kRates[] = {
        {300, B300},   {600, B600},     {1200, B1200},   {2400, B2400},   {4800, B4800},
        {9600, B9600}, {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200},
    };
    for (const Rate& rate : kRates)
        if (rate.baud == baudRate)
            return rate.speed;
    return B0;
}

tcflag_t sizeFor(int dataBits) {
    switch (dataBits) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

tcflag_t parityFor(Parity parity) {
    switch (parity) {
    case Parity::Odd:
        return PARENB | PARODD;
    case Parity::Even:
        return PARENB;
    case Parity::Mark:
        return PARENB | CMSPAR | PARODD;
    case Parity::Space:
        return PARENB | CMSPAR;
    case Parity::None:
        break;
    }
    return 0;
}

// A pseudo-terminal has no line: it keeps 8 bits without parity whatever it
// is told, which is no refusal of the settings that matter to a real port.
bool isPseudoTerminal(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode))
        return false;
    const unsigned int devMajor = major(st.st_rdev);
    return devMajor >= 136 && devMajor <= 143;
}

// The line settings as the program runs the port: binary, no echo or line
// editing, received parity checked, no flow control of either kind, reads
// that never wait. The rest stays as the device had it.
void applyLine(termios& tio, const LineSettings& line, speed_t speed) {
    tio.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR |
                                          ICRNL | IXON | IXOFF | IXANY);
    tio.c_iflag |= INPCK;
    tio.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    tio.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
    tio.c_cflag |= CLOCAL | CREAD | sizeFor(line.dataBits) | parityFor(line.parity);
    if (line.stopBits == 2)
        tio.c_cflag |= CSTOPB;
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, speed);
    ::cfsetospeed(&tio, speed);
}

// tcsetattr succeeds when any part of the change was made: what the device
// really took is read back.
bool accepted(const termios& wanted, const termios& got, bool pseudoTerminal) {
    tcflag_t checked = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS | CLOCAL | CREAD;
    if (pseudoTerminal)
        checked &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CMSPAR);
    const tcflag_t iflags = INPCK | IXON | IXOFF;
    const tcflag_t lflags = ICANON | ECHO | ISIG;
    return (wanted.c_cflag & checked) == (got.c_cflag & checked) &&
           (wanted.c_iflag & iflags) == (got.c_iflag & iflags) &&
           (wanted.c_lflag & lflags) == (got.c_lflag & lflags) &&
           ::cfgetispeed(&wanted) == ::cfgetispeed(&got) &&
           ::cfgetospeed(&wanted) == ::cfgetospeed(&got);
}

// The device is left as it was found. Its line settings and its exclusive
// mode belong to the device, not to the descriptor: they would outlive the
// port wherever someone else keeps the device open. The simulator does, and
// follows the line speed to tell the monitor from the transfers; a left-over
// exclusive mode would refuse every later open but root's.
void release(int fd, const termios* found) {
    if (found)
        ::tcsetattr(fd, TCSANOW, found);
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);
}

// `err` is the system's error of the failed step (0: the device took the
// call but not the settings), taken before the release can change it.
PortOpenResult failed(int fd, const std::string& device, PortOpenError error, int err,
                      const termios* found = nullptr) {
    release(fd, found);
    return openFailure(error, err, device);
}

} // namespace

PosixSerialPort::~PosixSerialPort() {
    closePort();
}

void PosixSerialPort::closePort() {
    if (fd_ >= 0) {
        release(fd_, &found_);
        fd_ = -1;
    }
}

size_t PosixSerialPort::queryStatus() {
    if (fd_ < 0)
        return 0;
    pollfd watch{fd_, POLLIN, 0};
    if (::poll(&watch, 1, 0) > 0 && (watch.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
        closePort();
        return 0;
    }
    int waiting = 0;
    if (::ioctl(fd_, FIONREAD, &waiting) != 0) {
        closePort();
        return 0;
    }
    return std::min(static_cast<size_t>(std::max(waiting, 0)), kPortQueueBytes);
}

size_t PosixSerialPort::readBytes(std::span<uint8_t> buffer) {
    if (fd_ < 0 || buffer.empty())
        return 0;
    for (;;) {
        const ssize_t got = ::read(fd_, buffer.data(), buffer.size());
        if (got >= 0)
            return static_cast<size_t>(got);
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK)
            closePort();
        return 0;
    }
}

bool PosixSerialPort::writeBytes(std::span<const uint8_t> bytes) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kWriteTimeoutMs);
    size_t sent = 0;
    while (fd_ >= 0 && sent < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + sent, bytes.size() - sent);
        if (n > 0) {
            sent += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            closePort();
            return false;
        }
        // The output queue is full: wait for room, but not for ever.
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd watch{fd_, POLLOUT, 0};
        const int ready = ::poll(&watch, 1, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return false;
        if ((watch.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            closePort();
            return false;
        }
    }
    return fd_ >= 0;
}

PortOpenResult PosixPortOpener::open(const std::string& deviceName, const LineSettings& line) {
    // 1. The device, for reading and writing, never created, never our
    // controlling terminal, and ours alone. Root passes the terminal's
    // exclusive mode, so a lock on the device keeps a second open of ours
    // (another window, the command line) off it as well.
    const int fd = ::open(deviceName.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return openFailure(PortOpenError::OpenFailed, errno, deviceName);
    // Refused, the descriptor is only closed: the exclusive mode on the
    // device is the holder's.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || (::ioctl(fd, TIOCEXCL) != 0 && errno != ENOTTY)) {
        const int err = errno;
        ::close(fd);
        return openFailure(PortOpenError::OpenFailed, err, deviceName);
    }
    // A device without line settings has no exclusive mode either (ENOTTY);
    // it fails at the next step, with that step's message.

    // 2. There are no queue sizes to ask for: the kernel's queues are bounded
    // and the port never reports more than kPortQueueBytes waiting.

    // 3. The current line settings.
    termios found{};
    if (::tcgetattr(fd, &found) != 0)
        return failed(fd, deviceName, PortOpenError::ReadSettingsFailed, errno);

    // 4. Ours, over them.
    const speed_t speed = speedFor(line.baudRate);
    if (speed == B0)
        return failed(fd, deviceName, PortOpenError::WriteSettingsFailed, 0);
    termios tio = found;
    applyLine(tio, line, speed);
    termios applied{};
    if (::tcsetattr(fd, TCSANOW, &tio) != 0 || ::tcgetattr(fd, &applied) != 0)
        return failed(fd, deviceName, PortOpenError::WriteSettingsFailed, errno, &found);
    if (!accepted(tio, applied, isPseudoTerminal(fd)))
        return failed(fd, deviceName, PortOpenError::WriteSettingsFailed, 0, &found);

    // 5. Whatever arrived before, or was still to go out, belongs to an
    // earlier conversation. A device that cannot even purge is gone, and
    // the first status query closes the port.
    ::tcflush(fd, TCIOFLUSH);

    // 6. Reads never wait (VMIN and VTIME are 0 on a non-blocking
    // descriptor): the protocol reads only what the status query reported.
    return {std::make_unique<PosixSerialPort>(fd, found), PortOpenError::None};
}

} // namespace brenmoor::port
