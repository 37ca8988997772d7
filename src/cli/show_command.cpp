#include "cli/command_registry.h"
#include "cli/project_io.h"
#include "cli/project_json.h"
#include "cli/project_listing.h"

#include <iostream>

namespace brenmoor::cli {
namespace {

const RegisterCommand registration{
    "show", [](CLI::App& app, int& exitCode) {
        auto* cmd = app.add_subcommand("show", "Print the whole configuration of a project file");
        auto input = std::make_shared<std::string>();
        auto asJson = std::make_shared<bool>(false);
        cmd->add_option("file", *input, "Project file (.chg)")->required();
        cmd->add_flag("--json", *asJson, "Print JSON (the form `import` reads)");
        cmd->callback([input, asJson, &exitCode] {
            const auto project = openProjectOrReport(*input);
            if (!project) {
                exitCode = kExitFailed;
                return;
            }
            if (*asJson)
                std::cout << projectToJson(*project).dump(2) << '\n';
            else
                printProjectListing(std::cout, *project);
            exitCode = kExitSuccess;
        });
    }};

} // namespace
} // namespace brenmoor::cli
