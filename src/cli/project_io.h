#pragma once

#include "core/model/project.h"

#include <optional>
#include <string>

namespace brenmoor::cli {

// Opens a project as the window does after start-up: Select Device
// confirmed, a new document, then the file. Prints the program's message to
// stderr and returns nothing when the file cannot be opened.
std::optional<Project> openProjectOrReport(const std::string& path);

// Saves and prints the program's message on failure.
bool saveProjectOrReport(const Project& project, const std::string& path);

} // namespace brenmoor::cli
