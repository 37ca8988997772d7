#include "cli/cli_prompter.h"
#include "cli/command_registry.h"
#include "cli/project_io.h"
#include "core/mapping/completeness_check.h"

#include <iostream>

namespace brenmoor::cli {
namespace {

// What the Download dialog shows when it opens; prints nothing when the
// download could start.
int runCheck(const std::string& input) {
    auto project = openProjectOrReport(input);
    if (!project)
        return kExitFailed;
    CliPrompter prompter(std::cout);
    MappingState state;
    return runCompletenessCheck(*project, state, prompter) ? kExitSuccess : kExitFailed;
}

const RegisterCommand registration{
    "check", [](CLI::App& app, int& exitCode) {
        auto* cmd =
            app.add_subcommand("check", "Run the checks the Download dialog makes when it opens");
        auto input = std::make_shared<std::string>();
        cmd->add_option("file", *input, "Project file (.chg)")->required();
        cmd->callback([input, &exitCode] { exitCode = runCheck(*input); });
    }};

} // namespace
} // namespace brenmoor::cli
