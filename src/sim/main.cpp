// brenmoor-gateway-sim: a Corvan-Plus gateway on a pseudo-terminal, in
// configuration mode, reporting monitor records, or either by the line speed
// the program sets. The first line of standard output is the device path.
#include "brenmoor_version.h"
#include "sim/gateway_config.h"
#include "sim/monitor_script.h"
#include "sim/pty_gateway.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>

namespace {

brenmoor::sim::PtyGateway* running = nullptr;

extern "C" void onSignal(int) {
    if (running)
        running->stop();
}

const char* const kMonitorHelp = R"(
Monitor mode (--mode monitor, or --mode auto while the program has set the
line to 115200 baud) reports one record at a time and waits for its answer:
0x00 to go on, or 0x01 ADDR_H ADDR_L N DATA... to write N bytes into the
output area 4000-406F. The next record follows --record-gap ms after the
answer; an unanswered record is sent again every --answer-timeout ms, at most
--resends times, and then skipped. Records, answers and writes are logged to
standard error or to --log FILE.

--full-speed puts each record on the line as soon as the answer to the last
one is in (records back to back at 115200 baud).

--records FILE holds one record per line ('#' starts a comment):
  STATE SLAVE START [DATA...]
STATE: 0-255 or ok (0), abnormal (1), error (2), timeout (3), hidden (255);
several joined by '/' are taken in turn, one each time the record is sent
(ok/ok/abnormal:02/timeout; abnormal:CC sends exception code CC in hex).
SLAVE and START in decimal; SLAVE may be a range A-B (one record per slave).
DATA: bytes as two hex digits; out:ADDR:N for N bytes of the output area from
hex ADDR as they are when the record is sent; inc:HHHH:STEP a 16-bit word from
hex HHHH, STEP more each time; sine:AMP:PERIOD a signed 16-bit sine wave;
rand:N N bytes that change each time.
The records repeat in a cycle. Without --records the gateway reports this
cycle (--print-records prints it):
)";

} // namespace

int main(int argc, char** argv) {
    using namespace brenmoor::sim;
    CLI::App app{"brenmoor-gateway-sim: a simulated gateway on a pseudo-terminal"};
    app.set_version_flag("--version", "brenmoor-gateway-sim " BRENMOOR_VERSION);
    std::string link, loadPath, savePath, framesPath, mode = "config";
    std::vector<std::string> faultTexts;
    GatewayOptions options;
    int deviceType = options.deviceType;
    app.add_option("--link", link, "Also make this path a link to the device");
    app.add_option("--device-type", deviceType, "Device type code reported")
        ->check(CLI::Range(0, 255));
    app.add_option("--firmware", options.firmwareVersion, "Firmware version reported (31 = 3.1)")
        ->check(CLI::Range(0, 2559));
    app.add_option("--baud", options.baudRate, "Line speed the reply timing follows")
        ->check(CLI::Range(300, 1000000));
    app.add_option("--turnaround", options.turnaroundMs, "The gateway's own reply time in ms")
        ->check(CLI::Range(0, 10000));
    app.add_option("--load", loadPath, "Start with the configuration of this project file");
    app.add_option("--save", savePath, "Save the configuration to this project file on exit");
    app.add_option("--frames", framesPath,
                   "On exit, write every configuration request received to this file, one "
                   "frame a line in hex");
    app.add_option("--fault", faultTexts,
                   "CODE:OCCURRENCE:none|badsum|negative[:D0[:D1]]|late:MS|miswrite[:BYTE[:MASK]] "
                   "(code in hex, occurrence from 1, 0 = every; miswrite acknowledges a write "
                   "but stores it with a byte flipped)");
    app.add_option("--mode", mode,
                   "What the gateway plays: config (default), monitor, or auto (monitor while "
                   "the line is at 115200 baud, config otherwise)")
        ->check(CLI::IsMember({"config", "monitor", "auto"}));
    std::string recordsPath, logPath;
    MonitorOptions monitorOptions;
    bool printRecords = false;
    app.add_option("--records", recordsPath, "Monitor records script (see below)");
    app.add_option("--log", logPath, "Log monitor records and answers to this file");
    app.add_option("--record-gap", monitorOptions.recordGapMs,
                   "Monitor: ms from an answer to the next record")
        ->check(CLI::Range(0, 60000));
    app.add_option("--answer-timeout", monitorOptions.answerTimeoutMs,
                   "Monitor: ms a record waits for its answer")
        ->check(CLI::Range(1, 60000));
    app.add_option("--resends", monitorOptions.maxResends,
                   "Monitor: times an unanswered record is sent again")
        ->check(CLI::Range(0, 1000));
    bool fullSpeed = false;
    app.add_flag("--full-speed", fullSpeed,
                 "Monitor: the next record as soon as the answer is in (as --record-gap 0)");
    app.add_flag("--print-records", printRecords, "Print the default monitor cycle and exit");
    app.footer(std::string(kMonitorHelp) + std::string(defaultMonitorCycleText()));
    CLI11_PARSE(app, argc, argv);
    options.deviceType = static_cast<uint8_t>(deviceType);
    if (fullSpeed)
        monitorOptions.recordGapMs = 0;
    if (printRecords) {
        std::cout << defaultMonitorCycleText();
        return 0;
    }
    const std::map<std::string, GatewayMode> modes{{"config", GatewayMode::Configuration},
                                                   {"monitor", GatewayMode::Monitor},
                                                   {"auto", GatewayMode::Auto}};
    options.mode = modes.at(mode);

    MonitorScript script = defaultMonitorCycle();
    if (!recordsPath.empty()) {
        script = loadMonitorScript(recordsPath);
        if (!script.ok()) {
            std::cerr << script.error << '\n';
            return 1;
        }
    }
    auto logFile = std::make_shared<std::ofstream>();
    if (!logPath.empty()) {
        logFile->open(logPath, std::ios::trunc);
        if (!*logFile) {
            std::cerr << "cannot write " << logPath << '\n';
            return 1;
        }
    }
    MonitorLog log = [logFile](const std::string& line) {
        std::ostream& out = logFile->is_open() ? static_cast<std::ostream&>(*logFile) : std::cerr;
        out << line << std::endl; // flushed: tests and users read it live
    };

    GatewayConfig config;
    if (!loadPath.empty()) {
        const auto loaded = loadGatewayConfig(loadPath, config);
        if (!loaded) {
            std::cerr << loaded.message() << '\n';
            return 1;
        }
    }
    GatewayEngine engine(options, config);
    for (const auto& text : faultTexts) {
        const auto rule = parseFaultRule(text);
        if (!rule) {
            std::cerr << "Bad --fault: " << text << '\n';
            return 2;
        }
        engine.addFault(*rule);
    }

    PtyGateway gateway(std::move(engine), MonitorEngine(monitorOptions, std::move(script), log));
    if (!gateway.open() || (!link.empty() && !gateway.linkTo(link))) {
        std::cerr << gateway.errorText() << '\n';
        return 1;
    }
    running = &gateway;
    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    std::signal(SIGPIPE, SIG_IGN);
    std::cout << gateway.devicePath() << std::endl; // flushed: the tests wait for it
    gateway.run();
    running = nullptr;

    if (!framesPath.empty()) {
        std::ofstream frames(framesPath, std::ios::trunc);
        for (const auto& frame : gateway.engine().requests())
            frames << hexText(frame) << '\n';
        if (!frames) {
            std::cerr << "cannot write " << framesPath << '\n';
            return 1;
        }
    }
    if (!savePath.empty()) {
        const auto saved = saveGatewayConfig(gateway.engine().config(), savePath);
        if (!saved) {
            std::cerr << saved.message() << '\n';
            return 1;
        }
    }
    return 0;
}
