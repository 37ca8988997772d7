#include "core/export/command_list_csv.h"

#include "core/export/csv_text.h"
#include "core/export/workbook_content.h"
#include "core/model/derived_fields.h"
#include "core/model/file_io.h"
#include "core/model/text_encoding.h"
#include "core/resources/messages_export.h"
#include "core/resources/string_table.h"

#include <algorithm>

namespace brenmoor {

std::string commandListCsv(const Project& project) {
    const WorkbookContent content = buildWorkbookContent(project);
    const WorksheetContent* sheet = content.sheet(loadString(msg::CommandListSheet));
    std::string text;
    if (!sheet)
        return text;
    int lastRow = 0;
    int lastColumn = 0;
    for (const WorkbookCell& cell : sheet->cells) {
        lastRow = std::max(lastRow, cell.row);
        lastColumn = std::max(lastColumn, cell.column);
    }
    for (int row = kHeaderRow; row <= lastRow; ++row) {
        std::vector<std::string> fields;
        for (int column = 1; column <= lastColumn; ++column)
            fields.push_back(utf8Text(sheet->text(row, column)));
        text += csvRecord(fields);
    }
    return text;
}

Outcome exportCommandList(Project& project, const std::string& path) {
    refreshCheckTypes(project.store);
    const std::string text = commandListCsv(project);
    return writeFileAtomically(path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

} // namespace brenmoor
