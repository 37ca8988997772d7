// brenmoor-cli: scripting and batch commissioning over the core.
#include "brenmoor_version.h"
#include "cli/command_registry.h"
#include "cli/program_console.h"

#include <algorithm>
#include <iostream>

namespace brenmoor::cli {

std::vector<CommandEntry>& commandRegistry() {
    static std::vector<CommandEntry> registry;
    return registry;
}

} // namespace brenmoor::cli

int main(int argc, char** argv) {
    using namespace brenmoor::cli;
    ProgramConsole console(argc, argv);
    CLI::App app{"brenmoor-cli: configure Corvan-Plus gateways from the command line"};
    app.require_subcommand(1);
    app.set_version_flag("--version", "brenmoor-cli " BRENMOOR_VERSION);

    auto& registry = commandRegistry();
    std::sort(registry.begin(), registry.end(),
              [](const CommandEntry& a, const CommandEntry& b) { return a.name < b.name; });
    int exitCode = kExitSuccess;
    for (auto& entry : registry)
        entry.setup(app, exitCode);

    try {
        app.parse(console.argc(), console.argv());
    } catch (const CLI::Success& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return kExitUsage;
    } catch (const UsageError& e) {
        std::cerr << e.what() << '\n';
        return kExitUsage;
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return kExitFailed;
    }
    return exitCode;
}
