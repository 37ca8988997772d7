#include "core/export/excel_export.h"

#include "core/export/workbook_content.h"
#include "core/export/xlsx_writer.h"

namespace brenmoor {

Outcome exportExcel(Project& project, const std::string& path) {
    const WorkbookContent content = buildWorkbookContent(project.device, project.store);
    return writeXlsxWorkbook(content, path);
}

} // namespace brenmoor
