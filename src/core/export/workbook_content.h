#pragma once

#include "core/model/project.h"
#include "core/resources/message_id.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brenmoor {

// One cell of the exported workbook. Rows and columns count from 1 the way a
// spreadsheet names them: A2 is row 2, column 1. Every value is text; an
// empty text is an empty cell.
struct WorkbookCell {
    int row = 0;
    int column = 0;
    std::string text;

    friend bool operator==(const WorkbookCell&, const WorkbookCell&) = default;
};

// A sheet's cells, row 1 being its header row.
struct WorksheetContent {
    std::string name;
    std::vector<WorkbookCell> cells;

    // The text at (row, column); empty for a cell that was never written.
    std::string_view text(int row, int column) const;
    // Whether the cell was written at all (an empty text counts).
    bool has(int row, int column) const;
};

// The whole workbook, sheets in the order they appear in the file.
struct WorkbookContent {
    std::vector<WorksheetContent> sheets;

    // The sheet of that name, or nothing.
    const WorksheetContent* sheet(std::string_view name) const;
};

inline constexpr int kHeaderRow = 1;

// One column of the "Command List" sheet: its header (renamed under the
// data-filter flag as the grid renames the row), the command page's row it
// stands for, by that row's label ({} for the running number), and the text
// it takes from a command (null for the running number). The command list
// in CSV reads the same table both ways.
struct CommandListColumn {
    MessageId header;
    MessageId headerUnderDataFilter; // the header's name under the flag, if it has one
    MessageId pageLabel;
    std::string (*value)(const INSTRUCTION& command);

    MessageId pick(const DeviceSettings& device) const {
        return device.dataFilter && headerUnderDataFilter != MessageId{} ? headerUnderDataFilter
                                                                         : header;
    }
};

// Columns A to K in order.
std::span<const CommandListColumn> commandListColumns();

// Lays the configuration out as the "Fieldbus", "Subnet" and "Command List"
// sheets, exactly as the store holds it (the export refreshes the check
// types first).
WorkbookContent buildWorkbookContent(const Project& project);

} // namespace brenmoor
