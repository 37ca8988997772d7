#pragma once

#include "core/model/project.h"

#include <nlohmann/json.hpp>
#include <stdexcept>

namespace brenmoor::cli {

// The JSON form of a project used by `show --json` and `import`.
nlohmann::json projectToJson(const Project& project);

// Builds a project from that form: missing fields keep their defaults, the
// counts come from the arrays. Throws JsonImportError with a readable reason
// for anything it cannot hold.
Project projectFromJson(const nlohmann::json& json);

struct JsonImportError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace brenmoor::cli
