// brenmoor-gateway-sim: a Corvan-Plus gateway in configuration mode on a
// pseudo-terminal. The first line of standard output is the device path.
#include "sim/gateway_config.h"
#include "sim/pty_gateway.h"

#include <CLI/CLI.hpp>

#include <csignal>
#include <cstdio>
#include <iostream>

namespace {

brenmoor::sim::PtyGateway* running = nullptr;

extern "C" void onSignal(int) {
    if (running)
        running->stop();
}

} // namespace

int main(int argc, char** argv) {
    using namespace brenmoor::sim;
    CLI::App app{"brenmoor-gateway-sim: a simulated gateway on a pseudo-terminal"};
    std::string link, loadPath, savePath, mode = "config";
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
    app.add_option("--fault", faultTexts,
                   "CODE:OCCURRENCE:none|badsum|negative[:D0[:D1]]|late:MS (code in hex, "
                   "occurrence from 1, 0 = every)");
    app.add_option("--mode", mode, "What the gateway plays")->check(CLI::IsMember({"config"}));
    CLI11_PARSE(app, argc, argv);
    options.deviceType = static_cast<uint8_t>(deviceType);

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

    PtyGateway gateway(std::move(engine));
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

    if (!savePath.empty()) {
        const auto saved = saveGatewayConfig(gateway.engine().config(), savePath);
        if (!saved) {
            std::cerr << saved.message() << '\n';
            return 1;
        }
    }
    return 0;
}
