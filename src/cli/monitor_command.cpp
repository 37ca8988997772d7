#include "cli/command_registry.h"
#include "cli/project_io.h"
#include "cli/serial_session.h"

#include "core/jobs/monitor_diagnostics.h"
#include "core/jobs/monitor_driver.h"
#include "core/model/file_io.h"
#include "core/monitor/monitor_answer.h"
#include "core/monitor/monitor_session.h"
#include "core/serial/clock.h"

#include <csignal>
#include <iostream>
#include <memory>
#include <optional>
#include <span>

namespace brenmoor::cli {
namespace {

using monitor::MonitorDriver;
using monitor::MonitorSession;
using monitor::MonitorStep;

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

// A row as the dialog lists it: its four texts, separated by tabs.
class RowPrinter {
  public:
    void operator()(const MonitorStep& step) {
        if (step.shownRow) {
            const auto& row = *step.shownRow;
            std::cout << row.state << '\t' << row.slaveAddress << '\t' << row.startingAddress
                      << '\t' << row.data << std::endl;
        }
        if (!step.outcome) {
            std::cerr << step.outcome.message() << std::endl;
            ok_ = false;
        }
    }
    // False once a message was printed.
    bool ok() const { return ok_; }

  private:
    bool ok_ = true;
};

struct MonitorArgs {
    std::string device;
    std::string savePath;
    size_t rows = 0;
    double seconds = 0;
    std::string send;
    std::string projectPath;
    std::string logPath;
    std::string statsPath;

    bool diagnosing() const {
        return !projectPath.empty() || !logPath.empty() || !statsPath.empty();
    }
};

// What --stats writes, at the end of the run; false when it could not be
// written (the message is printed).
bool writeStatistics(const monitor::MonitorDiagnostics& diagnostics, const std::string& path) {
    const std::string json = diagnostics.statisticsJson();
    const Outcome written = writeFileAtomically(
        path, std::span(reinterpret_cast<const uint8_t*>(json.data()), json.size()));
    if (!written)
        std::cerr << written.message() << '\n';
    return written.ok();
}

// Two options naming one file would leave only what was written last.
bool sameFile(const std::string& a, const std::string& b) {
    return !a.empty() && !b.empty() && samePath(a, b).value_or(a == b);
}

void refuseSharedFiles(const MonitorArgs& args) {
    const std::pair<const char*, const std::string*> files[] = {
        {"--save", &args.savePath}, {"--log", &args.logPath}, {"--stats", &args.statsPath}};
    for (size_t i = 0; i < std::size(files); ++i)
        for (size_t j = i + 1; j < std::size(files); ++j)
            if (sameFile(*files[i].second, *files[j].second))
                throw UsageError(std::string(files[i].first) + " and " + files[j].first +
                                 " name the same file: give each its own");
}

int runMonitor(const MonitorArgs& args) {
    refuseSharedFiles(args);
    // Send's input is checked before the port opens, so a refused text
    // leaves the gateway and the save file untouched.
    std::optional<MonitorDriver::SendTexts> send;
    if (!args.send.empty()) {
        const size_t colon = args.send.find(':');
        if (colon == std::string::npos)
            throw UsageError("--send takes ADDR:DATA, e.g. 4000:\"00 01 02 03\"");
        send = MonitorDriver::SendTexts{args.send.substr(0, colon), args.send.substr(colon + 1)};
        const auto input = monitor::checkSendInput(send->address, send->data);
        if (!input.outcome) {
            std::cerr << input.outcome.message() << '\n';
            return kExitFailed;
        }
    }

    // The project names and reads the records; a file that does not open
    // stops the run before the gateway is touched.
    std::optional<Project> project;
    if (!args.projectPath.empty()) {
        project = openProjectOrReport(args.projectPath);
        if (!project)
            return kExitFailed;
    }

    SteadyClock clock;
    // No plot here: no value history.
    monitor::MonitorDiagnostics diagnostics(
        clock, project ? monitor::ProjectCommands(project->store) : monitor::ProjectCommands{}, 0);
    // The statistics of no record yet: a path they cannot be written to is
    // found now, not after a run of an hour.
    if (!args.statsPath.empty() && !writeStatistics(diagnostics, args.statsPath))
        return kExitFailed;

    SerialSession opened = openMonitorSession(args.device);
    if (!opened.port) {
        reportOpenFailure(opened.outcome);
        return kExitFailed;
    }
    MonitorSession session;
    if (!args.savePath.empty())
        if (const Outcome saving = session.startSaving(args.savePath); !saving) {
            std::cerr << saving.message() << '\n';
            return kExitFailed;
        }

    monitor::MonitorRunLimits limits;
    if (args.rows > 0)
        limits.rows = args.rows;
    if (args.seconds > 0)
        limits.durationMs = static_cast<int64_t>(args.seconds * 1000);

    if (!args.logPath.empty())
        if (const Outcome logging = diagnostics.logTo(args.logPath); !logging) {
            std::cerr << logging.message() << '\n';
            return kExitFailed;
        }

    InterruptScope interrupts;
    MonitorDriver driver(session, clock);
    if (args.diagnosing())
        driver.setObserver(&diagnostics);
    RowPrinter printer;
    driver.run(
        *opened.port, limits, send, [] { return interrupted != 0; },
        [&printer](const MonitorStep& step) { printer(step); });
    session.stopSaving();
    opened.port->closePort();
    bool ok = printer.ok();
    if (!diagnostics.logState()) {
        std::cerr << diagnostics.logState().message() << '\n';
        ok = false;
    }
    if (!args.statsPath.empty())
        ok = writeStatistics(diagnostics, args.statsPath) && ok;
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
            "--project names the records by the project's commands and reads their values by\n"
            "the commands' function codes and byte swap; --log writes every record read (shown,\n"
            "hidden or of an unknown state) as CSV while the run goes on; --stats writes the\n"
            "statistics per slave and starting address as JSON at the end.\n"
            "\n"
            "Exit status: 0 the run reached its end; 1 a message was printed (port, Send, save\n"
            "file, project, log, statistics); 2 usage error.");
        auto args = std::make_shared<MonitorArgs>();
        cmd->add_option("--port", args->device, kPortOptionHelp)->required();
        cmd->add_option("--save", args->savePath, "Save the shown records to this text file");
        cmd->add_option("--records", args->rows, "Stop after this many shown rows")
            ->check(CLI::PositiveNumber);
        cmd->add_option("--seconds", args->seconds, "Stop after this many seconds")
            ->check(CLI::PositiveNumber);
        cmd->add_option("--send", args->send,
                        "Write bytes into the output area once: ADDR:DATA, e.g. "
                        "4000:\"00 01 02 03\"");
        cmd->add_option("--project", args->projectPath,
                        "Name and decode the records by this project's commands (.chg)");
        cmd->add_option("--log", args->logPath, "Write every record read to this CSV file");
        cmd->add_option("--stats", args->statsPath,
                        "Write the statistics per command to this JSON file at the end");
        cmd->callback([args, &exitCode] { exitCode = runMonitor(*args); });
    }};

} // namespace
} // namespace brenmoor::cli
