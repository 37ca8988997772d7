#pragma once

#include "core/model/project.h"
#include "core/resources/outcome.h"

#include <string>
#include <string_view>

namespace brenmoor {

// The save dialog's default extension; its filter is msg::ExcelFileFilter.
inline constexpr std::string_view kWorkbookExtension = "xlsx";

// Tools "Export Excel" once the user has chosen the file: writes the
// configuration into the workbook at `path`, replacing what was there. The
// commands' `checkType` values are brought up to date on the way; nothing
// else changes, and the modified mark is left alone.
Outcome exportExcel(Project& project, const std::string& path);

} // namespace brenmoor
