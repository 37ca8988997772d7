#include "cli/project_io.h"

#include "core/model/project_file.h"

#include <iostream>

namespace brenmoor::cli {

std::optional<Project> openProjectOrReport(const std::string& path) {
    Project project = makeNewProject();
    const OpenOutcome opened = openProjectFile(project, path);
    if (opened.result == OpenResult::Failed) {
        std::cerr << opened.outcome.message() << '\n';
        return std::nullopt;
    }
    return project;
}

bool saveProjectOrReport(const Project& project, const std::string& path) {
    const Outcome saved = saveProjectFile(project, path);
    if (!saved)
        std::cerr << saved.message() << '\n';
    return saved.ok();
}

} // namespace brenmoor::cli
