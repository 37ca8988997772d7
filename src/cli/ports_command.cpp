#include "cli/command_registry.h"

#ifdef BRENMOOR_HAVE_PORT
#include "port/system_ports.h"
#endif

#include <iostream>

namespace brenmoor::cli {
namespace {

int listPorts() {
#ifdef BRENMOOR_HAVE_PORT
    for (const auto& path : port::makeSystemPortLister()->listPorts())
        std::cout << path << '\n';
    return kExitSuccess;
#else
    std::cerr << "This build has no serial port support.\n";
    return kExitFailed;
#endif
}

const RegisterCommand registration{"ports", [](CLI::App& app, int& exitCode) {
                                       auto* cmd = app.add_subcommand(
                                           "ports", "List the serial ports of this computer");
                                       cmd->callback([&exitCode] { exitCode = listPorts(); });
                                   }};

} // namespace
} // namespace brenmoor::cli
