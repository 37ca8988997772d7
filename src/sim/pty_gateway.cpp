#include "sim/pty_gateway.h"

#include "core/serial/port_settings.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace brenmoor::sim {
namespace {

int64_t nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void writeAll(int fd, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        done += static_cast<size_t>(n);
    }
}

// How often auto mode looks at the line speed: a change of settings does
// not wake the master side.
constexpr int kLineCheckMs = 50;

int baudOf(speed_t speed) {
    struct Rate {
        speed_t speed;
        int baud;
    };
    static constexpr Rate kRates[] = {
        {B300, 300},     {B600, 600},       {B1200, 1200},     {B2400, 2400},
        {B4800, 4800},   {B9600, 9600},     {B19200, 19200},   {B38400, 38400},
        {B57600, 57600}, {B115200, 115200}, {B230400, 230400},
    };
    for (const auto& rate : kRates)
        if (rate.speed == speed)
            return rate.baud;
    return 0;
}

} // namespace

PtyGateway::PtyGateway(GatewayEngine engine, MonitorEngine monitor)
    : engine_(std::move(engine)), monitor_(std::move(monitor)) {}

int PtyGateway::lineBaud() const {
    // On Linux the master reports the settings the program applied to the
    // device; elsewhere it may not, and our own descriptor of the device
    // shares its settings in any case.
    termios tio{};
    for (const int fd : {master_, slave_})
        if (fd >= 0 && ::tcgetattr(fd, &tio) == 0)
            if (const int baud = baudOf(::cfgetospeed(&tio)); baud != 0)
                return baud;
    return 0;
}

bool PtyGateway::monitorWanted() const {
    return playsMonitor(engine_.options().mode, lineBaud());
}

PtyGateway::~PtyGateway() {
    stop();
    join();
    closeAll();
}

void PtyGateway::closeAll() {
    for (int* fd : {&master_, &slave_, &wakeRead_, &wakeWrite_})
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
    if (!link_.empty()) {
        ::unlink(link_.c_str());
        link_.clear();
    }
}

bool PtyGateway::open() {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error_ = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* name = ::ptsname(master_);
    if (!name) {
        error_ = "cannot name the pseudo-terminal";
        return false;
    }
    devicePath_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY);
    if (slave_ < 0) {
        error_ = std::string("cannot open ") + name + ": " + std::strerror(errno);
        return false;
    }
    // Raw until a client sets its own line settings: no echo, no line editing.
    termios tio{};
    if (::tcgetattr(slave_, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(slave_, TCSANOW, &tio);
    }
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        error_ = std::string("cannot create a pipe: ") + std::strerror(errno);
        return false;
    }
    wakeRead_ = pipeFds[0];
    wakeWrite_ = pipeFds[1];
    ::fcntl(wakeWrite_, F_SETFL, O_NONBLOCK);
    ::fcntl(master_, F_SETFL, O_NONBLOCK);
    return true;
}

bool PtyGateway::linkTo(const std::string& link) {
    ::unlink(link.c_str());
    if (::symlink(devicePath_.c_str(), link.c_str()) != 0) {
        error_ = "cannot link " + link + ": " + std::strerror(errno);
        return false;
    }
    link_ = link;
    return true;
}

void PtyGateway::run() {
    std::multimap<int64_t, std::vector<uint8_t>> outgoing;
    uint8_t buffer[512];
    const bool automatic = engine_.options().mode == GatewayMode::Auto;
    bool monitoring = monitorWanted();
    if (monitoring)
        monitor_.restart(nowMs());
    for (;;) {
        int64_t wakeAt = -1;
        if (!outgoing.empty())
            wakeAt = outgoing.begin()->first;
        if (monitoring)
            wakeAt = wakeAt < 0 ? monitor_.nextDueMs() : std::min(wakeAt, monitor_.nextDueMs());
        int timeout = wakeAt < 0 ? -1 : static_cast<int>(std::max<int64_t>(0, wakeAt - nowMs()));
        if (automatic)
            timeout = timeout < 0 ? kLineCheckMs : std::min(timeout, kLineCheckMs);
        pollfd fds[2] = {{master_, POLLIN, 0}, {wakeRead_, POLLIN, 0}};
        const int ready = ::poll(fds, 2, timeout);
        if (ready < 0 && errno != EINTR)
            return;
        if (fds[1].revents != 0)
            return;
        const int64_t now = nowMs();
        ssize_t n = 0;
        if (fds[0].revents & POLLIN) {
            n = ::read(master_, buffer, sizeof buffer);
        } else if (fds[0].revents & (POLLHUP | POLLERR)) {
            // Cannot happen while our own slave descriptor is open; avoid
            // spinning if it does.
            ::poll(nullptr, 0, 10);
        }
        const std::span<const uint8_t> got(buffer, n > 0 ? static_cast<size_t>(n) : 0);
        const bool wanted = automatic ? monitorWanted() : monitoring;
        if (wanted && !monitoring) {
            monitoring = true;
            outgoing.clear();
            monitor_.note("line at 115200 baud: monitor records");
            monitor_.restart(now);
        }
        // Bytes read as the line leaves 115200 baud are the monitor's last
        // answer: the program wrote it before closing the port, which put
        // the old speed back.
        if (monitoring)
            monitor_.receive(got, now);
        else if (!got.empty())
            for (auto& reply : engine_.receive(got, now))
                outgoing.emplace(now + reply.delayMs, std::move(reply.bytes));
        if (!wanted && monitoring) {
            monitoring = false;
            monitor_.note("line at " + std::to_string(lineBaud()) +
                          " baud: configuration protocol");
        }
        while (!outgoing.empty() && outgoing.begin()->first <= nowMs()) {
            writeAll(master_, outgoing.begin()->second);
            outgoing.erase(outgoing.begin());
        }
        if (monitoring)
            if (const auto record = monitor_.due(nowMs()); !record.empty())
                writeAll(master_, record);
    }
}

void PtyGateway::start() {
    thread_ = std::thread([this] { run(); });
}

void PtyGateway::stop() {
    if (wakeWrite_ >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(wakeWrite_, &byte, 1);
    }
}

void PtyGateway::join() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace brenmoor::sim
