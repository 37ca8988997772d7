#include "cli/command_registry.h"
#include "cli/serial_session.h"

#include "core/monitor/monitor_answer.h"
#include "core/monitor/monitor_record.h"
#include "core/monitor/monitor_session.h"
#include "core/resources/messages_monitor.h"
#include "core/resources/string_table.h"
#include "core/serial/clock.h"

#include <algorithm>
#include <csignal>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace brenmoor::cli {
namespace {

using monitor::MonitorSession;
using monitor::MonitorStep;
using monitor::WriteRequest;

// The dialog's timer 1, and Send's waits for the record it answers.
constexpr int kTimerMs = 200;
constexpr int kSendSettleMs = 100;
constexpr int kSendPolls = 5;
constexpr int kSendPollMs = 200;

volatile std::sig_atomic_t interrupted = 0;

extern "C" void onInterrupt(int) {
    interrupted = 1;
}

// Ctrl+C and a plain kill end the run between two ticks, so the save file
// is closed with every block complete.
class InterruptScope {
  public:
    InterruptScope() {
        interrupted = 0;
        oldInt_ = std::signal(SIGINT, onInterrupt);
        oldTerm_ = std::signal(SIGTERM, onInterrupt);
    }
    ~InterruptScope() {
        std::signal(SIGINT, oldInt_);
        std::signal(SIGTERM, oldTerm_);
    }
    InterruptScope(const InterruptScope&) = delete;
    InterruptScope& operator=(const InterruptScope&) = delete;

  private:
    void (*oldInt_)(int) = SIG_DFL;
    void (*oldTerm_)(int) = SIG_DFL;
};

struct MonitorLimits {
    std::optional<size_t> rows;        // stop after this many shown rows
    std::optional<int64_t> durationMs; // stop after this long
};

// The monitor dialog's timer and Send over a port and a clock, printing rows
// instead of listing them.
class CliMonitor {
  public:
    CliMonitor(SerialPort& port, Clock& clock, MonitorSession& session)
        : port_(port), clock_(clock), session_(session) {}

    // Performs Send first, when asked, then polls until a limit is reached,
    // the user interrupts or the port is gone; false when a message was
    // printed on the way.
    bool run(const MonitorLimits& limits, const std::optional<WriteRequest>& send) {
        const int64_t start = clock_.now();
        // No limit is a deadline that never comes (GCC's optimiser cannot
        // follow an optional one through the loop).
        const int64_t deadline =
            limits.durationMs ? start + *limits.durationMs : std::numeric_limits<int64_t>::max();
        auto done = [&] {
            return interrupted || portGone_ || (limits.rows && shown_ >= *limits.rows) ||
                   clock_.now() >= deadline;
        };
        // As if Send were pressed the moment the dialog opened: the first
        // record of the run gets the write request.
        if (send)
            performSend(*send);
        int64_t nextTick = clock_.now();
        while (!done()) {
            tick();
            nextTick += kTimerMs;
            const int64_t wakeAt = std::min(std::max(nextTick, clock_.now()), deadline);
            nextTick = std::max(nextTick, clock_.now());
            if (!done())
                clock_.sleepMs(static_cast<int>(std::max<int64_t>(0, wakeAt - clock_.now())));
        }
        return ok_;
    }

  private:
    // One read of what waits, as timer 1 takes it. A port whose device went
    // away closed itself: like the dialog's timer, say so once and stop.
    void tick() {
        if (!port_.isOpen()) {
            std::cerr << loadString(msg::OpenSerialPortFailed) << std::endl;
            ok_ = false;
            portGone_ = true;
            return;
        }
        const std::vector<uint8_t> bytes = readWaiting();
        if (!bytes.empty())
            apply(session_.tick(bytes));
    }

    void performSend(const WriteRequest& request) {
        clock_.sleepMs(kSendSettleMs);
        std::vector<uint8_t> bytes;
        for (int poll = 0; poll < kSendPolls && bytes.empty(); ++poll) {
            if (poll > 0)
                clock_.sleepMs(kSendPollMs);
            bytes = readWaiting();
        }
        apply(session_.send(bytes, request));
    }

    std::vector<uint8_t> readWaiting() {
        const size_t waiting = std::min(port_.queryStatus(), monitor::kMaxRecordBytes);
        std::vector<uint8_t> bytes(waiting);
        bytes.resize(waiting == 0 ? 0 : port_.readBytes(bytes));
        return bytes;
    }

    void apply(const MonitorStep& step) {
        if (!step.answer.empty())
            port_.writeBytes(step.answer);
        if (step.shownRow) {
            const auto& row = *step.shownRow;
            std::cout << row.state << '\t' << row.slaveAddress << '\t' << row.startingAddress
                      << '\t' << row.data << std::endl;
            ++shown_;
        }
        if (!step.outcome)
            report(step.outcome);
    }

    void report(const Outcome& outcome) {
        std::cerr << outcome.message() << std::endl;
        ok_ = false;
    }

    SerialPort& port_;
    Clock& clock_;
    MonitorSession& session_;
    size_t shown_ = 0;
    bool ok_ = true;
    bool portGone_ = false;
};

struct MonitorArgs {
    std::string device;
    std::string savePath;
    size_t rows = 0;
    double seconds = 0;
    std::string send;
};

int runMonitor(const MonitorArgs& args) {
    // Send's input is checked before the port opens, so a refused text
    // leaves the gateway and the save file untouched.
    std::optional<WriteRequest> send;
    if (!args.send.empty()) {
        const size_t colon = args.send.find(':');
        if (colon == std::string::npos)
            throw UsageError("--send takes ADDR:DATA, e.g. 4000:\"00 01 02 03\"");
        const auto input =
            monitor::checkSendInput(args.send.substr(0, colon), args.send.substr(colon + 1));
        if (!input.outcome) {
            std::cerr << input.outcome.message() << '\n';
            return kExitFailed;
        }
        send = input.request;
    }

    SerialSession opened = openMonitorSession(args.device);
    if (!opened.port) {
        std::cerr << opened.outcome.message() << '\n';
        return kExitFailed;
    }
    MonitorSession session;
    if (!args.savePath.empty())
        if (const Outcome saving = session.startSaving(args.savePath); !saving) {
            std::cerr << saving.message() << '\n';
            return kExitFailed;
        }

    MonitorLimits limits;
    if (args.rows > 0)
        limits.rows = args.rows;
    if (args.seconds > 0)
        limits.durationMs = static_cast<int64_t>(args.seconds * 1000);

    InterruptScope interrupts;
    SteadyClock clock;
    CliMonitor monitor(*opened.port, clock, session);
    const bool ok = monitor.run(limits, send);
    session.stopSaving();
    opened.port->closePort();
    return ok ? kExitSuccess : kExitFailed;
}

const RegisterCommand registration{
    "monitor", [](CLI::App& app, int& exitCode) {
        auto* cmd = app.add_subcommand(
            "monitor", "Monitor the gateway's Modbus transactions (the I/O monitor)");
        cmd->footer(
            "Opens the port at 115200 baud, 8N1, and polls it every 200 ms. Each shown record\n"
            "prints one line: state, slave address, starting address and data, separated by\n"
            "tabs. Runs until --records or --seconds is reached, or until interrupted (Ctrl+C),\n"
            "which closes the save file with whole blocks. A device that goes away meanwhile\n"
            "(a pulled adapter) ends the run with \"Open the serial port failed!\".\n"
            "\n"
            "--send is checked before the port opens; a refused text exits 1 with its message.\n"
            "It is performed once, as the run starts, as if Send were pressed as the monitor\n"
            "opens: after 100 ms the first record is awaited (up to five looks, 200 ms apart),\n"
            "listed, and answered with the write request instead of the continue byte. When\n"
            "none comes, \"Reading the serial failure!\" is printed, the run goes on and exits 1.\n"
            "\n"
            "Exit status: 0 the run reached its end; 1 a message was printed (port, Send, save\n"
            "file); 2 usage error.");
        auto args = std::make_shared<MonitorArgs>();
        cmd->add_option("--port", args->device, "Serial device, e.g. /dev/ttyUSB0")->required();
        cmd->add_option("--save", args->savePath, "Save the shown records to this text file");
        cmd->add_option("--records", args->rows, "Stop after this many shown rows")
            ->check(CLI::PositiveNumber);
        cmd->add_option("--seconds", args->seconds, "Stop after this many seconds")
            ->check(CLI::PositiveNumber);
        cmd->add_option("--send", args->send,
                        "Write bytes into the output area once: ADDR:DATA, e.g. "
                        "4000:\"00 01 02 03\"");
        cmd->callback([args, &exitCode] { exitCode = runMonitor(*args); });
    }};

} // namespace
} // namespace brenmoor::cli
