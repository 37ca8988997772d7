#include "cli/command_registry.h"
#include "cli/project_io.h"
#include "cli/serial_session.h"

#include "core/compare/config_diff.h"
#include "core/jobs/transfer_jobs.h"
#include "core/resources/messages_compare.h"
#include "core/resources/string_table.h"
#include "core/serial/clock.h"

#include <iostream>
#include <memory>
#include <vector>

namespace brenmoor::cli {
namespace {

// Prints the differences that count and says whether there were any.
int report(const std::vector<ConfigDifference>& diffs, const std::string& leftName,
           const std::string& rightName, bool againstGateway) {
    int shown = 0;
    for (const ConfigDifference& d : diffs) {
        if (againstGateway && !d.differsInGateway())
            continue;
        std::cout << describeDifference(d, leftName, rightName) << '\n';
        ++shown;
    }
    if (shown == 0)
        std::cout << loadString(msg::CompareEqual) << '\n';
    return shown == 0 ? kExitSuccess : kExitFailed;
}

int diffFiles(const std::string& left, const std::string& right) {
    auto a = openProjectOrReport(left);
    if (!a)
        return kExitFailed;
    auto b = openProjectOrReport(right);
    if (!b)
        return kExitFailed;
    return report(compareConfigurations(*a, *b), left, right, false);
}

// A gateway holds only what a download sends, so against one the fields
// that never travel (names, the other subnets) and the texts sent as the
// same bytes ("" and "0") say nothing: they are left out unless asked for,
// and never decide the outcome.
int diffGateway(const std::string& file, const std::string& device, bool all) {
    auto project = openProjectOrReport(file);
    if (!project)
        return kExitFailed;
    std::unique_ptr<SerialPort> port = openPortOrReport(device);
    if (!port)
        return kExitFailed;
    SteadyClock clock;
    TransferView view;
    const GatewayComparison compared = compareWithGateway(*port, clock, *project, view);
    if (!compared.outcome) {
        std::cerr << compared.outcome.message() << '\n';
        return kExitFailed;
    }
    const std::string gatewayName(loadString(msg::GatewayName));
    const auto& diffs = compared.differences;
    const int status = report(diffs, file, gatewayName, true);
    if (all)
        for (const ConfigDifference& d : diffs)
            if (!d.differsInGateway())
                std::cout << describeDifference(d, file, gatewayName) << '\n';
    return status;
}

const RegisterCommand registration{
    "diff", [](CLI::App& app, int& exitCode) {
        auto* cmd = app.add_subcommand(
            "diff", "Compare two project files, or a project file with a gateway's configuration");
        auto files = std::make_shared<std::vector<std::string>>();
        auto device = std::make_shared<std::string>();
        auto all = std::make_shared<bool>(false);
        cmd->add_option("files", *files, "A.chg [B.chg]")->required()->expected(1, 2);
        cmd->add_option("--port", *device,
                        "Compare A.chg with the gateway on this serial device, as an upload "
                        "reads it");
        cmd->add_flag("--all", *all,
                      "With --port: also list the fields that are never sent to the gateway, and "
                      "those sent as the same bytes");
        cmd->callback([files, device, all, &exitCode] {
            if (device->empty()) {
                if (files->size() != 2 || *all)
                    throw UsageError("diff needs two project files, or one and --port");
                exitCode = diffFiles((*files)[0], (*files)[1]);
            } else {
                if (files->size() != 1)
                    throw UsageError("diff --port takes one project file");
                exitCode = diffGateway((*files)[0], *device, *all);
            }
        });
    }};

} // namespace
} // namespace brenmoor::cli
