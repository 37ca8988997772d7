#include "cli/command_registry.h"
#include "cli/project_io.h"
#include "cli/project_json.h"

#include "core/model/file_io.h"

#include <iostream>

namespace brenmoor::cli {
namespace {

// A whole configuration is some hundred kilobytes of JSON.
constexpr size_t kMaxJsonBytes = size_t{16} << 20;

int runImport(const std::string& input, const std::string& output) {
    std::vector<uint8_t> bytes;
    if (const Outcome read = readWholeFile(input, bytes, kMaxJsonBytes); !read) {
        std::cerr << read.message() << '\n';
        return kExitFailed;
    }
    nlohmann::json json;
    try {
        json = nlohmann::json::parse(bytes.begin(), bytes.end());
    } catch (const nlohmann::json::parse_error& e) {
        // The library's own wording is for programmers; the place is what
        // the user needs.
        std::cerr << input << " is not valid JSON (at byte " << e.byte << ")." << '\n';
        return kExitFailed;
    } catch (const nlohmann::json::out_of_range&) {
        // A number beyond what the reader holds (1E400) fails the parse too.
        std::cerr << input << " is not valid JSON (a number is out of range)." << '\n';
        return kExitFailed;
    }
    try {
        const Project project = projectFromJson(json);
        return saveProjectOrReport(project, output) ? kExitSuccess : kExitFailed;
    } catch (const JsonImportError& e) {
        std::cerr << input << ": " << e.what() << '\n';
        return kExitFailed;
    } catch (const nlohmann::json::exception&) {
        // The checks above leave the library nothing to refuse; should one
        // slip through, its text still stays with the programmers.
        std::cerr << input << " could not be read as a configuration." << '\n';
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
