#include "core/export/excel_export.h"

#include "core/export/workbook_content.h"
#include "core/export/xlsx_writer.h"
#include "core/model/derived_fields.h"

namespace brenmoor {

Outcome exportExcel(Project& project, const std::string& path) {
    // Like showing a command's page, listing the commands brings every
    // check type up to date with its subnet's transmission mode; that is the
    // only change the export makes to the store.
    refreshCheckTypes(project.store);
    const WorkbookContent content = buildWorkbookContent(project);
    return writeXlsxWorkbook(content, path);
}

} // namespace brenmoor
