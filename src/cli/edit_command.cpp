#include "cli/command_registry.h"
#include "cli/edit_session.h"
#include "cli/project_io.h"

#include "core/model/file_io.h"

#include <iostream>
#include <sstream>

namespace brenmoor::cli {
namespace {

// Far more than any configuration needs: 48 nodes with 48 commands take a
// few thousand lines.
constexpr size_t kMaxScriptBytes = size_t{1} << 20;

std::vector<std::string> readScript(const std::string& path) {
    std::vector<uint8_t> bytes;
    if (const Outcome read = readWholeFile(path, bytes, kMaxScriptBytes); !read)
        throw UsageError("cannot read the script " + path + ": " + read.message());
    std::vector<std::string> lines;
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

const RegisterCommand registration{
    "edit", [](CLI::App& app, int& exitCode) {
        auto* cmd = app.add_subcommand("edit", "Run editor commands on a project file and save it");
        auto input = std::make_shared<std::string>();
        auto output = std::make_shared<std::string>();
        auto commands = std::make_shared<std::vector<std::string>>();
        auto script = std::make_shared<std::string>();
        cmd->add_option("file", *input, "Project file (.chg)")->required();
        cmd->add_option("--output", *output, "Save here instead of back into the file");
        cmd->add_option("--do", *commands, "One editor command (repeatable)")
            ->allow_extra_args(false);
        cmd->add_option("--script", *script, "A file of editor commands, one per line");
        cmd->callback([input, output, commands, script, &exitCode] {
            // A bad script is a usage error before anything is opened or saved.
            std::vector<std::string> lines = *commands;
            if (!script->empty())
                for (auto& line : readScript(*script))
                    lines.push_back(std::move(line));

            auto project = openProjectOrReport(*input);
            if (!project) {
                exitCode = kExitFailed;
                return;
            }
            EditSession session(*project, std::cout);
            for (const auto& line : lines)
                session.run(line); // a UsageError ends the run without saving
            std::cout.flush();
            const std::string& target = output->empty() ? *input : *output;
            exitCode = saveProjectOrReport(*project, target) ? kExitSuccess : kExitFailed;
        });
    }};

} // namespace
} // namespace brenmoor::cli
