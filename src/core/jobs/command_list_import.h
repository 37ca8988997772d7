#pragma once

#include "core/model/project.h"
#include "core/resources/outcome.h"

#include <string>
#include <string_view>
#include <vector>

namespace brenmoor {

// Whether the imported nodes and commands replace the subnet's or join them.
enum class ImportMode { Replace, Append };

// One refused part of a command list: the line of the file, the field
// (1-based; 0 when the whole line or file is meant), the column's title as
// the file has it, and the rule's message.
struct ImportProblem {
    int line = 0;
    int column = 0;
    std::string title;
    std::string message;
};

// File "Import Command List" and `import-commands`: builds the first
// subnet's nodes and commands from a command list in CSV (the form
// commandListCsv writes, or a spreadsheet's). Each row is entered the way a
// user would enter it: its slave address picks the node, or adds one and
// types the address into it; its function code adds the command under the
// node; every other value is typed into the command's page. So every value
// passes exactly the grid's rules, and byte counts, check types and node
// names follow as they do there. Values of cells the page does not let the
// user edit for that command (and the derived columns) are not imported.
//
// All or nothing: when any part is refused, the project is left exactly as
// it was and every problem is returned; otherwise the store holds the
// result and the modified mark is set.
std::vector<ImportProblem> importCommandList(Project& project, std::string_view text,
                                             ImportMode mode);

// "Line 3, column 6 (Mapping Address (HEX)): ..." or "Line 1: ...".
std::string describeImportProblem(const ImportProblem& problem);

// The same from a file: the file's own failure (unreadable, too large)
// in `read`, the list's problems in `problems`.
struct CommandListImport {
    Outcome read;
    std::vector<ImportProblem> problems;

    bool ok() const { return read.ok() && problems.empty(); }
    // One line per problem, or the file's message.
    std::vector<std::string> lines() const;
};
CommandListImport importCommandListFile(Project& project, const std::string& path, ImportMode mode);

} // namespace brenmoor
