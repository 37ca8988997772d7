#include "cli/cli_prompter.h"
#include "cli/command_registry.h"
#include "cli/project_io.h"
#include "cli/serial_session.h"

#include "core/jobs/download_job.h"
#include "core/serial/clock.h"

#include <iostream>

namespace brenmoor::cli {
namespace {

// As the Download dialog runs it: the checks when it opens, the port, then
// the node check, the questions and the sequence when Download is pressed.
int runDownload(const std::string& file, const std::string& device, bool yes, bool verify) {
    auto project = openProjectOrReport(file);
    if (!project)
        return kExitFailed;
    CliPrompter prompter(std::cout);
    if (yes)
        prompter.setDefaultAnswer(Answer::Yes);

    MappingState state;
    // A session of the window would have shown Conflict Detection before;
    // here the conflict question rests on a fresh computation of the maps.
    DownloadJob job(*project, state, prompter, ConflictQuestion::Recomputed);
    if (!job.open())
        return kExitFailed;

    std::unique_ptr<SerialPort> port = openPortOrReport(device);
    if (!port)
        return kExitFailed;
    const DownloadStart start = job.start();
    if (start.kind == DownloadStart::Kind::Refused)
        std::cerr << start.outcome.message() << '\n';
    if (!start.go())
        return kExitFailed;

    SteadyClock clock;
    TransferView view;
    ProgressPrinter printer(std::cout);
    const DownloadResult result =
        DownloadJob::transfer(*port, clock, prompter, *project, verify, view, std::ref(printer));
    if (!result.outcome) {
        std::cerr << result.outcome.message() << '\n';
        return kExitFailed;
    }
    if (!result.check)
        return kExitSuccess;

    const VerifyReport& report = *result.check;
    for (const std::string& line : report.differences)
        std::cout << line << '\n';
    if (!report.outcome) {
        std::cerr << report.outcome.message() << '\n';
        return kExitFailed;
    }
    return report.verified() ? kExitSuccess : kExitFailed;
}

const RegisterCommand registration{
    "download", [](CLI::App& app, int& exitCode) {
        auto* cmd =
            app.add_subcommand("download", "Check a project file and download it into a gateway");
        auto file = std::make_shared<std::string>();
        auto device = std::make_shared<std::string>();
        auto yes = std::make_shared<bool>(false);
        auto verify = std::make_shared<bool>(false);
        cmd->add_option("file", *file, "Project file (.chg)")->required();
        cmd->add_option("--port", *device, kPortOptionHelp)->required();
        cmd->add_flag("--yes", *yes, "Answer Yes to the download questions");
        cmd->add_flag("--verify", *verify,
                      "Read the configuration back after the download and compare it");
        cmd->callback([file, device, yes, verify, &exitCode] {
            exitCode = runDownload(*file, *device, *yes, *verify);
        });
    }};

} // namespace
} // namespace brenmoor::cli
