#pragma once

#include "core/model/project.h"
#include "core/resources/outcome.h"

#include <string>
#include <string_view>

namespace brenmoor {

// The save dialog's default extension; its filter is msg::CsvFileFilter.
inline constexpr std::string_view kCommandListExtension = "csv";

// The workbook's "Command List" sheet as CSV text (UTF-8, comma-separated,
// CRLF): its header row, then one row per command with the texts the
// workbook gets.
std::string commandListCsv(const Project& project);

// File "Export Command List" once the user has chosen the file: like the
// workbook export, it brings every command's check type up to date first;
// nothing else changes. The file is replaced only by a complete one.
Outcome exportCommandList(Project& project, const std::string& path);

} // namespace brenmoor
