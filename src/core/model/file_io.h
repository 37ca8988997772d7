#pragma once

#include "core/resources/outcome.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace brenmoor {

// The framework's message for a failed file operation, naming the file.
Outcome fileErrorOutcome(int errorNumber, const std::string& path);

// Reads a whole regular file. Larger files than `limit` are refused as not
// being project files (a device node would otherwise be read forever).
Outcome readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, size_t limit);

// Writes a temporary file beside `path`, flushes it to disk and renames it
// over `path`; on failure the temporary file is removed and `path` is as it
// was.
Outcome writeFileAtomically(const std::string& path, std::span<const uint8_t> bytes);

} // namespace brenmoor
