#include "cli/command_registry.h"

#ifdef BRENMOOR_HAVE_PORT
#include "port/system_ports.h"
#endif

#include <algorithm>
#include <iostream>
#include <string>

namespace brenmoor::cli {
namespace {

#ifdef BRENMOOR_HAVE_PORT
// A field never breaks the line into two, nor into more fields.
std::string field(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return text;
}
#endif

int listPorts() {
#ifdef BRENMOOR_HAVE_PORT
    // The name --port takes comes first, so that a script can cut it off
    // at the first tab.
    for (const PortDescription& port : port::makeSystemPortLister()->describePorts())
        std::cout << port.name << '\t' << field(port.device) << '\t' << field(port.description)
                  << '\t' << field(port.manufacturer) << '\t' << field(port.serialNumber) << '\n';
    return kExitSuccess;
#else
    std::cerr << "This build has no serial port support.\n";
    return kExitFailed;
#endif
}

const RegisterCommand registration{
    "ports", [](CLI::App& app, int& exitCode) {
        auto* cmd = app.add_subcommand("ports", "List the serial ports of this computer");
#ifdef _WIN32
        cmd->footer("Each line is a port name that --port takes, in the order\n"
                    "the system's registry lists them, then four empty\n"
                    "fields separated by tabs, so that a script reads the\n"
                    "lines as it does on other systems.");
#else
        cmd->footer("Each line is the device path that --port takes, then,\n"
                    "separated by tabs: the device node it leads to, and the\n"
                    "description, manufacturer and serial number the system\n"
                    "gives (empty where it gives none). A USB adapter is\n"
                    "listed under its stable name in /dev/serial/by-id,\n"
                    "which stays the same when it is plugged in again.");
#endif
        cmd->callback([&exitCode] { exitCode = listPorts(); });
    }};

} // namespace
} // namespace brenmoor::cli
