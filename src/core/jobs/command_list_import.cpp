#include "core/jobs/command_list_import.h"

#include "core/editor/command_catalog.h"
#include "core/editor/configuration_editor.h"
#include "core/editor/memory_grid.h"
#include "core/editor/property_pages.h"
#include "core/editor/rule_messages.h"
#include "core/export/csv_text.h"
#include "core/export/workbook_content.h"
#include "core/model/file_io.h"
#include "core/resources/collecting_prompter.h"
#include "core/resources/message_text.h"
#include "core/resources/messages_documents.h"
#include "core/resources/messages_editor.h"
#include "core/resources/string_table.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace brenmoor {

namespace {

// An editor as the window has it after opening a file, over a project of
// the import's own.
struct Session {
    explicit Session(Project& project) : editor(project, grid, prompter, info) {
        editor.documentOpened();
    }
    CONFIG& subnet() { return editor.project().store.subnets[0]; }

    MemoryGrid grid;
    MemoryInfoPanel info;
    CollectingPrompter prompter;
    ConfigurationEditor editor;
};

void emptySubnet(CONFIG& subnet, const DeviceSettings& device) {
    subnet.nodeCount = 0;
    subnet.commandCount = 0;
    subnet.nodes.fill(defaultNode());
    subnet.commands.fill(defaultInstruction(device));
}

std::optional<int> rowOfLabel(ItemKind page, MessageId label) {
    for (const PageRow& row : pageRows(page))
        if (row.label.text == label)
            return row.row;
    return std::nullopt;
}

std::string lowered(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string functionCodes() {
    std::string codes;
    for (const FunctionCodeRecord& record : functionCodeRecords())
        codes += (codes.empty() ? "" : ", ") + std::to_string(record.code);
    return codes;
}

// The list position of a function code written as the grid shows one.
std::optional<int> positionOfCode(const std::string& text) {
    for (const FunctionCodeRecord& record : functionCodeRecords())
        if (std::to_string(record.code) == text)
            return listPositionOfCode(record.code);
    return std::nullopt;
}

// The problems so far are about the text; these are about one data row.
class RowImport {
  public:
    RowImport(const CsvRecord& header, const std::vector<int>& fieldOf, const CsvRecord& row,
              std::vector<ImportProblem>& problems)
        : header_(header), fieldOf_(fieldOf), row_(row), problems_(problems) {}

    // The value of a column of the list; nothing when the file lacks it.
    std::optional<std::string> value(size_t column) const {
        const int f = fieldOf_[column];
        if (f < 0)
            return std::nullopt;
        return row_.fields[static_cast<size_t>(f)];
    }

    void problem(size_t column, std::string message) {
        const int f = fieldOf_[column];
        problems_.push_back(
            {row_.line, f + 1, header_.fields[static_cast<size_t>(f)], std::move(message)});
    }
    void problem(size_t column, const CollectingPrompter& prompter, std::string otherwise) {
        if (prompter.messages().empty()) {
            problem(column, std::move(otherwise));
            return;
        }
        for (const std::string& message : prompter.messages())
            problem(column, message);
    }

  private:
    const CsvRecord& header_;
    const std::vector<int>& fieldOf_;
    const CsvRecord& row_;
    std::vector<ImportProblem>& problems_;
};

size_t columnOfLabel(MessageId label) {
    const auto columns = commandListColumns();
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].pageLabel == label)
            return i;
    return columns.size();
}

// The node item of `address`, made and named the way the user makes one
// when the subnet has none yet; nothing after a refusal.
std::optional<ItemId> nodeFor(Session& s, const std::string& address, RowImport& row) {
    CONFIG& subnet = s.subnet();
    for (int j = 0; j < subnet.nodeCount; ++j)
        if (subnet.nodes[static_cast<size_t>(j)].address == address)
            return s.editor.nodeItem(j + 1);

    const size_t column = columnOfLabel(msg::LabelNodeSlaveAddress);
    s.editor.selectItem(findSubnetRoot(s.editor.tree()));
    s.prompter.clear();
    const int before = subnet.nodeCount;
    s.editor.addNode();
    if (subnet.nodeCount == before) {
        row.problem(column, s.prompter, {});
        return std::nullopt;
    }
    const int n = subnet.nodeCount;
    const ItemId item = s.editor.nodeItem(n);
    s.editor.selectItem(item);
    const int addressRow = rowOfLabel(ItemKind::Node, msg::LabelNodeSlaveAddress).value_or(0);
    s.grid.click(addressRow, 1);
    s.prompter.clear();
    if (s.editor.gridClicked().kind == EditorRequest::Kind::EditBox)
        s.editor.commitEditBox(address);
    if (subnet.nodes[static_cast<size_t>(n - 1)].address == address)
        return item;

    const PageSubject page = pageSubject(s.editor.project(), ItemKind::Node, n, false);
    const ValueCell* cell = pageCell(ItemKind::Node, addressRow, page);
    row.problem(column, s.prompter, cell ? ruleMessage(cell->editor, page) : std::string());
    // The node never got its address: it goes again, as the user would
    // delete it.
    s.editor.selectItem(item);
    s.editor.deleteNode(MenuVariant::EditMenu);
    return std::nullopt;
}

// Adds a command of the list position under the node; its number, or
// nothing when the subnet is full.
std::optional<int> addCommand(Session& s, ItemId node, int position, RowImport& row) {
    CONFIG& subnet = s.subnet();
    s.editor.selectItem(node);
    s.prompter.clear();
    const int before = subnet.commandCount;
    s.editor.addCommand(position);
    if (subnet.commandCount == before) {
        row.problem(columnOfLabel(msg::LabelFunctionCode), s.prompter, {});
        return std::nullopt;
    }
    return subnet.commandCount;
}

// Types each value of the row into the command's page.
void setValues(Session& s, int command, RowImport& row) {
    s.editor.selectItem(s.editor.commandItem(command));
    const auto columns = commandListColumns();
    for (size_t i = 0; i < columns.size(); ++i) {
        const MessageId label = columns[i].pageLabel;
        if (label == MessageId{} || label == msg::LabelNodeSlaveAddress ||
            label == msg::LabelFunctionCode)
            continue;
        const auto value = row.value(i);
        const auto pageRow = rowOfLabel(ItemKind::Command, label);
        // An empty cell leaves the new command's value, as not typing does.
        if (!value || value->empty() || !pageRow)
            continue;
        s.grid.click(*pageRow, 1);
        const EditorRequest request = s.editor.gridClicked();
        PageSubject page = pageSubject(s.editor.project(), ItemKind::Command, command, false);
        const ValueCell* cell = pageCell(ItemKind::Command, *pageRow, page);
        if (!cell)
            continue;
        switch (request.kind) {
        case EditorRequest::Kind::None:
            break; // a grey cell: the value follows from the others
        case EditorRequest::Kind::List:
            if (std::find(request.choices.begin(), request.choices.end(), *value) !=
                request.choices.end()) {
                s.editor.commitListChoice(*value);
            } else {
                s.editor.closeList();
                row.problem(i, ruleMessage(cell->editor, page));
            }
            break;
        case EditorRequest::Kind::EditBox: {
            std::string typed = *value;
            // The list shows a mapping address as the grid does, with its
            // "H"; the user types the digits alone.
            if (cell->form == Form::MapAddress && typed.size() > 1 && typed.back() == 'H')
                typed.pop_back();
            s.prompter.clear();
            s.editor.commitEditBox(typed);
            const std::string* stored = cell->field.in(page);
            const bool accepted =
                stored && (*stored == typed ||
                           (cell->editor.rule == Rule::MapAddress && *stored == lowered(typed)));
            if (!accepted)
                row.problem(i, s.prompter, ruleMessage(cell->editor, page));
            break;
        }
        }
    }
}

// A row that cannot join the subnet (a limit reached, a refused address)
// is still checked, on a command of its own in a copy of the subnet's
// settings, so that all of its problems are listed at once.
void checkApart(const Project& work, int position, RowImport& row) {
    Project apart = work;
    emptySubnet(apart.store.subnets[0], apart.device);
    Session s(apart);
    s.editor.selectItem(findSubnetRoot(s.editor.tree()));
    s.editor.addNode();
    if (const auto command = addCommand(s, s.editor.nodeItem(1), position, row))
        setValues(s, *command, row);
}

void importRow(Session& s, const Project& work, RowImport& row) {
    const size_t codeColumn = columnOfLabel(msg::LabelFunctionCode);
    const auto position = positionOfCode(row.value(codeColumn).value_or(""));
    const auto node =
        nodeFor(s, row.value(columnOfLabel(msg::LabelNodeSlaveAddress)).value_or(""), row);
    if (!position) {
        row.problem(codeColumn, formatMessage(msg::RuleFunctionCode, functionCodes()));
        return; // the other values' rules depend on the code
    }
    const auto command = node ? addCommand(s, *node, *position, row) : std::nullopt;
    if (command)
        setValues(s, *command, row);
    else
        checkApart(work, *position, row);
}

// Which field of the file each column of the list is in (-1: none); false
// when a column every row needs is missing.
bool readHeader(const CsvRecord& header, std::vector<int>& fieldOf,
                std::vector<ImportProblem>& problems) {
    const auto columns = commandListColumns();
    fieldOf.assign(columns.size(), -1);
    bool complete = true;
    for (size_t f = 0; f < header.fields.size(); ++f) {
        const std::string& title = header.fields[f];
        size_t match = columns.size();
        for (size_t i = 0; i < columns.size(); ++i) {
            const CommandListColumn& c = columns[i];
            if (loadString(c.header) == title || (c.headerUnderDataFilter != MessageId{} &&
                                                  loadString(c.headerUnderDataFilter) == title))
                match = i;
        }
        const int column = static_cast<int>(f) + 1;
        if (match == columns.size())
            problems.push_back(
                {header.line, column, title, formatMessage(msg::CsvUnknownColumn, title)});
        else if (fieldOf[match] >= 0)
            problems.push_back(
                {header.line, column, title, formatMessage(msg::CsvDuplicateColumn, title)});
        else
            fieldOf[match] = static_cast<int>(f);
    }
    // Without these two a row names no node and no command.
    for (const MessageId required : {msg::LabelNodeSlaveAddress, msg::LabelFunctionCode}) {
        const size_t i = columnOfLabel(required);
        if (fieldOf[i] >= 0)
            continue;
        complete = false;
        problems.push_back(
            {header.line,
             0,
             {},
             formatMessage(msg::CsvMissingColumn, std::string(loadString(columns[i].header)))});
    }
    return complete;
}

ImportProblem fromCsv(const CsvProblem& problem) {
    return {problem.line, problem.column, {}, std::string(loadString(problem.message))};
}

} // namespace

std::vector<ImportProblem> importCommandList(Project& project, std::string_view text,
                                             ImportMode mode) {
    std::vector<ImportProblem> problems;
    auto parsed = parseCsv(text);
    if (const auto* bad = std::get_if<CsvProblem>(&parsed)) {
        problems.push_back(fromCsv(*bad));
        return problems;
    }
    const CsvTable& table = std::get<CsvTable>(parsed);
    const CsvRecord& header = table.records.front();
    std::vector<int> fieldOf;
    // The rows are checked even under a header with columns it should not
    // have, so that one reading lists everything to mend.
    if (!readHeader(header, fieldOf, problems))
        return problems;
    // A header alone would replace the subnet's commands with none: more
    // likely a file saved before its rows were filled in than a wish.
    const CONFIG& subnet = project.store.subnets[0];
    if (table.records.size() == 1 && table.problems.empty() && mode == ImportMode::Replace &&
        (subnet.nodeCount > 0 || subnet.commandCount > 0)) {
        problems.push_back({header.line, 0, {}, std::string(loadString(msg::CsvNoRows))});
        return problems;
    }

    Project work = project;
    if (mode == ImportMode::Replace)
        emptySubnet(work.store.subnets[0], work.device);
    Session s(work);
    s.editor.selectItem(findSubnetRoot(s.editor.tree()));
    if (!s.editor.isEnabled(StructureCommand::AddNode)) {
        problems.push_back({header.line, 0, {}, std::string(loadString(msg::CsvNotMaster))});
        return problems;
    }
    for (size_t r = 1; r < table.records.size(); ++r) {
        const CsvRecord& record = table.records[r];
        if (record.fields.size() != header.fields.size()) {
            problems.push_back(
                {record.line,
                 0,
                 {},
                 fillIn(msg::CsvFieldCount, {std::to_string(record.fields.size()),
                                             std::to_string(header.fields.size())})});
            continue;
        }
        RowImport row(header, fieldOf, record, problems);
        importRow(s, work, row);
    }
    for (const CsvProblem& broken : table.problems)
        problems.push_back(fromCsv(broken));
    std::stable_sort(
        problems.begin(), problems.end(),
        [](const ImportProblem& a, const ImportProblem& b) { return a.line < b.line; });
    if (!problems.empty())
        return problems;
    project.store = work.store;
    project.marks.modified = true;
    return problems;
}

std::string describeImportProblem(const ImportProblem& problem) {
    const std::string line = std::to_string(problem.line);
    const std::string column = std::to_string(problem.column);
    if (problem.column > 0 && !problem.title.empty())
        return fillIn(msg::ImportErrorLine, {line, column, problem.title, problem.message});
    if (problem.column > 0)
        return fillIn(msg::ImportErrorField, {line, column, problem.message});
    return fillIn(msg::ImportFileError, {line, problem.message});
}

std::vector<std::string> CommandListImport::lines() const {
    if (!read)
        return {read.message()};
    std::vector<std::string> out;
    for (const ImportProblem& problem : problems)
        out.push_back(describeImportProblem(problem));
    return out;
}

CommandListImport importCommandListFile(Project& project, const std::string& path,
                                        ImportMode mode) {
    CommandListImport result;
    std::vector<uint8_t> bytes;
    result.read = readWholeFile(path, bytes, kMaxCsvBytes);
    if (!result.read)
        return result;
    result.problems = importCommandList(
        project, {reinterpret_cast<const char*>(bytes.data()), bytes.size()}, mode);
    return result;
}

} // namespace brenmoor
