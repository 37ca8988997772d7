#include "cli/command_registry.h"
#include "cli/project_io.h"
#include "cli/project_json.h"

#include <fstream>
#include <iostream>

namespace brenmoor::cli {
namespace {

int runImport(const std::string& input, const std::string& output) {
    std::ifstream in(input, std::ios::binary);
    if (!in) {
        std::cerr << "Cannot read " << input << '\n';
        return kExitFailed;
    }
    nlohmann::json json;
    try {
        json = nlohmann::json::parse(in);
    } catch (const nlohmann::json::parse_error& e) {
        std::cerr << input << " is not valid JSON: " << e.what() << '\n';
        return kExitFailed;
    }
    try {
        const Project project = projectFromJson(json);
        return saveProjectOrReport(project, output) ? kExitSuccess : kExitFailed;
    } catch (const JsonImportError& e) {
        std::cerr << input << ": " << e.what() << '\n';
        return kExitFailed;
    }
}

const RegisterCommand registration{
    "import", [](CLI::App& app, int& exitCode) {
        auto* cmd = app.add_subcommand("import", "Build a configuration from JSON and save it");
        auto input = std::make_shared<std::string>();
        auto output = std::make_shared<std::string>();
        cmd->add_option("input", *input, "JSON file in the form `show --json` prints")->required();
        cmd->add_option("--output", *output, "Project file to write (.chg)")->required();
        cmd->callback([input, output, &exitCode] { exitCode = runImport(*input, *output); });
    }};

} // namespace
} // namespace brenmoor::cli
