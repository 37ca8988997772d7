#include "cli/command_registry.h"
#include "cli/project_io.h"
#include "core/jobs/command_list_import.h"
#include "core/resources/messages_documents.h"
#include "core/resources/string_table.h"

#include <iostream>

namespace brenmoor::cli {
namespace {

int runImport(const std::string& input, const std::string& list, const std::string& output,
              bool append) {
    auto project = openProjectOrReport(input);
    if (!project)
        return kExitFailed;
    const CommandListImport imported =
        importCommandListFile(*project, list, append ? ImportMode::Append : ImportMode::Replace);
    if (!imported.ok()) {
        // Nothing is saved: every problem is listed for one correction.
        if (imported.read)
            std::cerr << formatMessage(msg::ImportRefused, list) << '\n';
        for (const std::string& line : imported.lines())
            std::cerr << line << '\n';
        return kExitFailed;
    }
    return saveProjectOrReport(*project, output) ? kExitSuccess : kExitFailed;
}

const RegisterCommand registration{
    "import-commands", [](CLI::App& app, int& exitCode) {
        auto* cmd = app.add_subcommand(
            "import-commands", "Build the subnet's nodes and commands from a CSV command list");
        auto input = std::make_shared<std::string>();
        auto list = std::make_shared<std::string>();
        auto output = std::make_shared<std::string>();
        auto append = std::make_shared<bool>(false);
        cmd->add_option("file", *input, "Project file (.chg)")->required();
        cmd->add_option("list", *list, "Command list (.csv)")->required();
        cmd->add_option("--output", *output, "Project file to write (.chg)")->required();
        cmd->add_flag("--append", *append, "Add to the nodes and commands already there");
        cmd->callback([input, list, output, append, &exitCode] {
            exitCode = runImport(*input, *list, *output, *append);
        });
    }};

} // namespace
} // namespace brenmoor::cli
