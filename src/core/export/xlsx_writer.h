#pragma once

#include "core/export/workbook_content.h"
#include "core/resources/outcome.h"

#include <string>

namespace brenmoor {

// Writes the content as an Office Open XML workbook: a bold header row, every
// cell as text, vertically centred, columns wide enough for their texts.
// The file at `path` is replaced only by a complete workbook; on failure it
// is left as it was and the outcome names it.
Outcome writeXlsxWorkbook(const WorkbookContent& content, const std::string& path);

} // namespace brenmoor
