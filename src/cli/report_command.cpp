// `report`: the commissioning report as a PDF. Built only where the report's
// render library is (it needs QtGui); the command list commands are not.

#include "cli/command_registry.h"
#include "cli/project_io.h"
#include "core/report/report_builder.h"
#include "report/headless_gui.h"
#include "report/report_painter.h"

#include <ctime>
#include <filesystem>
#include <iostream>

namespace brenmoor::cli {
namespace {

int runReport(const std::string& input, const std::string& output, const std::string& pageSize) {
    const auto size = report::pageSizeNamed(pageSize);
    if (!size)
        throw UsageError("--page-size must be A4 or Letter");
    const auto project = openProjectOrReport(input);
    if (!project)
        return kExitFailed;
    const report::HeadlessGui gui;
    const ReportSource source{std::filesystem::path(input).filename().string(), std::time(nullptr)};
    const Outcome written = report::writeReportPdf(buildReport(*project, source), output, *size);
    if (!written) {
        std::cerr << written.message() << '\n';
        return kExitFailed;
    }
    return kExitSuccess;
}

const RegisterCommand registration{
    "report", [](CLI::App& app, int& exitCode) {
        auto* cmd = app.add_subcommand("report", "Write the commissioning report as a PDF");
        auto input = std::make_shared<std::string>();
        auto output = std::make_shared<std::string>();
        auto pageSize = std::make_shared<std::string>("A4");
        cmd->add_option("file", *input, "Project file (.chg)")->required();
        cmd->add_option("--output", *output, "Report to write (.pdf)")->required();
        cmd->add_option("--page-size", *pageSize, "A4 (the default) or Letter");
        cmd->callback([input, output, pageSize, &exitCode] {
            exitCode = runReport(*input, *output, *pageSize);
        });
    }};

} // namespace
} // namespace brenmoor::cli
