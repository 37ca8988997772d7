#include "cli/cli_prompter.h"
#include "cli/command_registry.h"
#include "cli/project_io.h"
#include "core/jobs/tool_availability.h"
#include "core/mapping/auto_mapping.h"

#include <iostream>

namespace brenmoor::cli {
namespace {

// Said when the flags take Auto Mapping away, as the window greys it out.
constexpr const char* kAutoMappingUnavailable =
    "Auto Mapping is not available: the project's common-mode flag is set";

// A run stopped by the Profibus configuration data changed nothing, so
// nothing is saved and the exit status says so. An overflow (61627) still
// stores the addresses, as the window does: the file is saved and the run
// counts as done; the printed message tells the rest.
int runAutomap(const std::string& input, const std::string& output) {
    auto project = openProjectOrReport(input);
    if (!project)
        return kExitFailed;
    if (!toolAvailable(MappingTool::AutoMapping, project->device)) {
        std::cerr << kAutoMappingUnavailable << '\n';
        return kExitFailed;
    }
    CliPrompter prompter(std::cout);
    prompter.queueAnswer(Answer::Ok);
    MappingState state;
    if (runAutoMapping(*project, state, prompter) != AutoMappingOutcome::Completed)
        return kExitFailed;
    return saveProjectOrReport(*project, output.empty() ? input : output) ? kExitSuccess
                                                                          : kExitFailed;
}

const RegisterCommand registration{
    "automap", [](CLI::App& app, int& exitCode) {
        auto* cmd = app.add_subcommand(
            "automap", "Give every command a mapping address (Auto Mapping) and save");
        auto input = std::make_shared<std::string>();
        auto output = std::make_shared<std::string>();
        cmd->add_option("file", *input, "Project file (.chg)")->required();
        cmd->add_option("--output", *output, "Where to save (default: back into the file)");
        cmd->callback([input, output, &exitCode] { exitCode = runAutomap(*input, *output); });
    }};

} // namespace
} // namespace brenmoor::cli
