#include "cli/command_registry.h"
#include "cli/project_io.h"

#include "core/export/excel_export.h"

#include <iostream>

namespace brenmoor::cli {
namespace {

const RegisterCommand registration{
    "export", [](CLI::App& app, int& exitCode) {
        auto* cmd = app.add_subcommand("export", "Write the configuration into an Excel workbook");
        auto input = std::make_shared<std::string>();
        auto output = std::make_shared<std::string>();
        cmd->add_option("file", *input, "Project file (.chg)")->required();
        cmd->add_option("--output", *output, "Workbook to write (.xlsx)")->required();
        cmd->callback([input, output, &exitCode] {
            auto project = openProjectOrReport(*input);
            if (!project) {
                exitCode = kExitFailed;
                return;
            }
            const Outcome exported = exportExcel(*project, *output);
            if (!exported) {
                std::cerr << exported.message() << '\n';
                exitCode = kExitFailed;
                return;
            }
            exitCode = kExitSuccess;
        });
    }};

} // namespace
} // namespace brenmoor::cli
