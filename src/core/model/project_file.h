#pragma once

#include "core/model/device_settings.h"
#include "core/model/parameter_store.h"
#include "core/model/project.h"
#include "core/resources/outcome.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brenmoor {

// Everything read from a project file, held apart from the live project until
// the whole file has been read and checked.
struct LoadedProject {
    ProjectRecords records;
    DeviceSettings device;
    uint32_t formatVersion = kInitialFormatVersion;
    std::string profibusConfigMode;
    std::string profibusConfigData;
};

// The file's bytes for the project as it stands.
std::vector<uint8_t> serializeProject(const Project& project);

// Parses a whole file. `before` is the settings the file starts from (the
// delimiter flag survives files that do not carry it). Nothing is returned
// for a file that does not follow the format.
std::optional<LoadedProject> parseProject(std::span<const uint8_t> bytes,
                                          const DeviceSettings& before);

// Moves a parsed file into the project: settings, store (with the old texts
// converted), format version and the loaded mark. The caller rebuilds the
// tree.
void applyLoadedProject(Project& project, LoadedProject loaded);

enum class OpenResult {
    Read,  // the file was read into the project
    Empty, // an empty file: nothing was read, the project is as it was
    Failed // the outcome says why; the project is exactly as it was
};

struct OpenOutcome {
    OpenResult result = OpenResult::Failed;
    Outcome outcome;
};

// Opens and reads a project file. A file that cannot be read or does not
// follow the format leaves the project untouched.
OpenOutcome openProjectFile(Project& project, const std::string& path);

// Writes the project through a temporary file that replaces the old one only
// once it is complete, so a failed save never destroys the previous file.
Outcome saveProjectFile(const Project& project, const std::string& path);

} // namespace brenmoor
