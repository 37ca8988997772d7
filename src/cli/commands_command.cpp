#include "cli/command_registry.h"
#include "cli/project_io.h"
#include "core/export/command_list_csv.h"

#include <iostream>

namespace brenmoor::cli {
namespace {

const RegisterCommand registration{
    "commands", [](CLI::App& app, int& exitCode) {
        auto* cmd = app.add_subcommand("commands", "Write the command list as CSV");
        auto input = std::make_shared<std::string>();
        auto output = std::make_shared<std::string>();
        cmd->add_option("file", *input, "Project file (.chg)")->required();
        cmd->add_option("--output", *output, "Command list to write (.csv)")->required();
        cmd->callback([input, output, &exitCode] {
            auto project = openProjectOrReport(*input);
            if (!project) {
                exitCode = kExitFailed;
                return;
            }
            const Outcome written = exportCommandList(*project, *output);
            if (!written)
                std::cerr << written.message() << '\n';
            exitCode = written ? kExitSuccess : kExitFailed;
        });
    }};

} // namespace
} // namespace brenmoor::cli
