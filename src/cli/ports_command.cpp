#include "cli/command_registry.h"

#ifdef BRENMOOR_HAVE_PORT
#include "port/system_port_lister.h"

#include <QCoreApplication>
#endif

#include <iostream>

namespace brenmoor::cli {
namespace {

int listPorts() {
#ifdef BRENMOOR_HAVE_PORT
    int argc = 1;
    char name[] = "brenmoor-cli";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    port::SystemPortLister lister;
    for (const auto& path : lister.listPorts())
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
