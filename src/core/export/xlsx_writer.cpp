#include "core/export/xlsx_writer.h"

#include "core/model/file_io.h"
#include "core/model/text_encoding.h"
#include "core/resources/message_text.h"
#include "core/resources/messages_export.h"
#include "core/resources/string_table.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <stdlib.h>
#include <unistd.h>

namespace brenmoor {
namespace {

constexpr double kMinColumnWidth = 8;
constexpr double kMaxColumnWidth = 48;
// What a workbook cell holds, in characters.
constexpr size_t kMaxCellCharacters = 32767;

Outcome notWritten(const std::string& path) {
    return Outcome::failure(msg::WorkbookNotWritten, formatMessage(msg::WorkbookNotWritten, path));
}

// Width in characters of each used column (0-based), from its longest text.
std::map<lxw_col_t, double> columnWidths(const WorksheetContent& sheet) {
    std::map<lxw_col_t, double> widths;
    for (const auto& cell : sheet.cells) {
        const auto column = static_cast<lxw_col_t>(cell.column - 1);
        const double wanted =
            std::clamp(static_cast<double>(cell.text.size()) + 2, kMinColumnWidth, kMaxColumnWidth);
        widths[column] = std::max(widths[column], wanted);
    }
    return widths;
}

// The first cell whose text a cell cannot hold, named by its column's header.
Outcome checkCellLengths(const WorkbookContent& content, const std::string& path) {
    for (const auto& sheet : content.sheets)
        for (const auto& cell : sheet.cells)
            if (utf8Length(utf8Text(cell.text)) > kMaxCellCharacters)
                return Outcome::failure(msg::WorkbookCellTooLong,
                                        fillIn(msg::WorkbookCellTooLong,
                                               {path, utf8Text(sheet.text(kHeaderRow, cell.column)),
                                                std::to_string(cell.row), sheet.name}));
    return Outcome::success();
}

bool writeSheet(lxw_workbook* workbook, const WorksheetContent& sheet, lxw_format* header,
                lxw_format* body) {
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook, sheet.name.c_str());
    if (worksheet == nullptr)
        return false;
    for (const auto& [column, width] : columnWidths(sheet))
        if (worksheet_set_column(worksheet, column, column, width, body) != LXW_NO_ERROR)
            return false;
    if (worksheet_set_row(worksheet, 0, LXW_DEF_ROW_HEIGHT, header) != LXW_NO_ERROR)
        return false;
    for (const auto& cell : sheet.cells) {
        if (cell.row < 1 || cell.column < 1)
            return false;
        const auto row = static_cast<lxw_row_t>(cell.row - 1);
        const auto column = static_cast<lxw_col_t>(cell.column - 1);
        lxw_format* format = cell.row == kHeaderRow ? header : body;
        // The workbook's XML must be UTF-8 whatever code page a text came in.
        const std::string text = utf8Text(cell.text);
        const lxw_error error =
            text.empty() ? worksheet_write_blank(worksheet, row, column, format)
                         : worksheet_write_string(worksheet, row, column, text.c_str(), format);
        if (error != LXW_NO_ERROR)
            return false;
    }
    return true;
}

// libxlsxwriter can only write to a named file, so the workbook is built in
// a private temporary file first and then put in place by the same atomic
// replace that saves project files.
class TemporaryFile {
  public:
    TemporaryFile() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brenmoor-export-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd >= 0) {
            ::close(fd);
            path_ = pattern;
        }
    }
    ~TemporaryFile() {
        if (!path_.empty())
            ::unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool valid() const { return !path_.empty(); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

} // namespace

Outcome writeXlsxWorkbook(const WorkbookContent& content, const std::string& path) {
    if (Outcome fits = checkCellLengths(content, path); !fits)
        return fits;
    TemporaryFile temp;
    if (!temp.valid())
        return notWritten(path);

    lxw_workbook* workbook = workbook_new(temp.path().c_str());
    if (workbook == nullptr)
        return notWritten(path);

    lxw_format* header = workbook_add_format(workbook);
    format_set_bold(header);
    format_set_align(header, LXW_ALIGN_VERTICAL_CENTER);
    lxw_format* body = workbook_add_format(workbook);
    format_set_align(body, LXW_ALIGN_VERTICAL_CENTER);
    // Every value is text, including the numbers, exactly as the grid holds it.
    format_set_num_format(body, "@");
    format_set_num_format(header, "@");

    bool filled = true;
    for (const auto& sheet : content.sheets)
        filled = filled && writeSheet(workbook, sheet, header, body);
    // workbook_close frees the workbook whatever happens, so it is called
    // even when filling failed.
    const lxw_error closed = workbook_close(workbook);
    if (!filled || closed != LXW_NO_ERROR)
        return notWritten(path);

    std::vector<uint8_t> bytes;
    if (const Outcome read = readWholeFile(temp.path(), bytes, std::size_t{64} << 20); !read)
        return notWritten(path);
    return writeFileAtomically(path, bytes);
}

} // namespace brenmoor
