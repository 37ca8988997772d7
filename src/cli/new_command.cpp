#include "cli/command_registry.h"
#include "cli/project_io.h"

namespace brenmoor::cli {
namespace {

const RegisterCommand registration{
    "new", [](CLI::App& app, int& exitCode) {
        auto* cmd =
            app.add_subcommand("new", "Write the default configuration, as File New then Save");
        auto output = std::make_shared<std::string>();
        cmd->add_option("--output", *output, "Project file to write (.chg)")->required();
        cmd->callback([output, &exitCode] {
            exitCode = saveProjectOrReport(makeNewProject(), *output) ? kExitSuccess : kExitFailed;
        });
    }};

} // namespace
} // namespace brenmoor::cli
