#include "cli/command_registry.h"
#include "cli/project_io.h"
#include "cli/serial_session.h"

#include "core/jobs/transfer_jobs.h"
#include "core/serial/clock.h"

#include <iostream>

namespace brenmoor::cli {
namespace {

int runUpload(const std::string& device, const std::string& output, const std::string& flagsFrom) {
    Project project = makeNewProject();
    if (!flagsFrom.empty()) {
        auto opened = openProjectOrReport(flagsFrom);
        if (!opened)
            return kExitFailed;
        project = std::move(*opened);
    }
    std::unique_ptr<SerialPort> port = openPortOrReport(device);
    if (!port)
        return kExitFailed;
    SteadyClock clock;
    TransferView view;
    ProgressPrinter printer(std::cout);
    const UploadResult uploaded =
        uploadConfiguration(*port, clock, project, view, std::ref(printer));
    if (!uploaded.outcome) {
        std::cerr << uploaded.outcome.message() << '\n';
        return kExitFailed;
    }
    return saveProjectOrReport(uploaded.project, output) ? kExitSuccess : kExitFailed;
}

const RegisterCommand registration{
    "upload", [](CLI::App& app, int& exitCode) {
        auto* cmd =
            app.add_subcommand("upload", "Read a gateway's configuration into a project file");
        auto device = std::make_shared<std::string>();
        auto output = std::make_shared<std::string>();
        auto flagsFrom = std::make_shared<std::string>();
        cmd->add_option("--port", *device, kPortOptionHelp)->required();
        cmd->add_option("--output", *output, "Project file to write (.chg)")->required();
        cmd->add_option("--flags-from", *flagsFrom,
                        "Take the flags from this project file, as if it had been opened first");
        cmd->callback([device, output, flagsFrom, &exitCode] {
            exitCode = runUpload(*device, *output, *flagsFrom);
        });
    }};

} // namespace
} // namespace brenmoor::cli
