// The editor commands of `brenmoor-cli edit`; each drives the code path the
// window takes for the same action and prints one outcome line.
#include "cli/command_registry.h"
#include "cli/edit_session.h"
#include "core/editor/command_catalog.h"
#include "core/jobs/item_lookup.h"
#include "core/model/text_encoding.h"

#include <algorithm>

namespace brenmoor::cli {
namespace {

std::string_view kindName(ItemKind kind) {
    switch (kind) {
    case ItemKind::Fieldbus:
        return "fieldbus";
    case ItemKind::Subnet:
        return "subnet";
    case ItemKind::Node:
        return "node";
    case ItemKind::Command:
        return "command";
    case ItemKind::None:
        break;
    }
    return "nothing";
}

std::string describeSelection(const ConfigurationEditor& editor) {
    const ItemId item = editor.tree().selected();
    const ItemKind kind = editor.kindOf(item);
    std::string text(kindName(kind));
    if (kind == ItemKind::Node || kind == ItemKind::Command)
        text += " " + std::to_string(editor.tree().data(item));
    return text;
}

void expectNoArguments(std::string_view name, std::string_view args) {
    if (!trimmed(args).empty())
        throw UsageError(std::string(name) + " takes no arguments");
}

// A disabled menu entry cannot be chosen; say so instead.
bool checkEnabled(EditContext& c, StructureCommand command, std::string_view name) {
    if (c.editor.isEnabled(command))
        return true;
    c.out << "disabled: " << name << '\n';
    return false;
}

const RegisterEditCommand selectCommand{
    "select", [](EditContext& c, std::string_view args) {
        const auto parsed = parseItemName(args);
        if (const auto* error = std::get_if<ItemNameError>(&parsed)) {
            switch (error->kind) {
            case ItemNameError::Kind::TrailingText:
                throw UsageError("select " + error->word + " takes no arguments");
            case ItemNameError::Kind::NotANumber:
                throw UsageError(error->word + " number must be a number: '" + error->text + "'");
            case ItemNameError::Kind::UnknownKind:
                break;
            }
            throw UsageError("select fieldbus|subnet|node N|command N");
        }
        const ItemName& name = std::get<ItemName>(parsed);
        const ItemId item = findItem(c.editor, name);
        if (item == kNoItem)
            throw UsageError("the tree has no " + std::string(kindName(name.kind)) + " " +
                             std::to_string(name.number));
        c.editor.selectItem(item);
        c.out << "selected " << describeSelection(c.editor) << '\n';
    }};

const RegisterEditCommand setCommand{
    "set", [](EditContext& c, std::string_view args) {
        const auto [rowText, value] = splitWord(args);
        const int row = parseNumber(rowText, "row");
        if (row < 0 || row >= c.grid.rows())
            throw UsageError("the grid has no row " + std::to_string(row));
        c.grid.click(row, 1);
        const EditorRequest request = c.editor.gridClicked();
        switch (request.kind) {
        case EditorRequest::Kind::None:
            c.out << "not editable: row " << row << '\n';
            return;
        case EditorRequest::Kind::List: {
            const auto& choices = request.choices;
            if (std::find(choices.begin(), choices.end(), value) == choices.end()) {
                c.editor.closeList();
                std::string offered;
                for (const auto& choice : choices)
                    offered += (offered.empty() ? "" : ", ") + choice;
                throw UsageError("row " + std::to_string(row) + " offers only: " + offered);
            }
            c.editor.commitListChoice(value);
            break;
        }
        case EditorRequest::Kind::EditBox:
            c.editor.commitEditBox(value);
            break;
        }
        c.out << "set row " << row << " -> " << utf8Text(c.grid.textMatrix(row, 1)) << '\n';
    }};

const RegisterEditCommand addNodeCommand{
    "add-node", [](EditContext& c, std::string_view args) {
        expectNoArguments("add-node", args);
        if (!checkEnabled(c, StructureCommand::AddNode, "add-node"))
            return;
        const int before = c.editor.project().store.subnets[0].nodeCount;
        c.editor.addNode();
        const int after = c.editor.project().store.subnets[0].nodeCount;
        if (after > before)
            c.out << "added node " << after << '\n';
        else
            c.out << "refused: add-node\n";
    }};

const RegisterEditCommand deleteNodeCommand{
    "delete-node", [](EditContext& c, std::string_view args) {
        expectNoArguments("delete-node", args);
        if (!checkEnabled(c, StructureCommand::DeleteNode, "delete-node"))
            return;
        const int node = c.editor.tree().data(c.editor.tree().selected());
        c.editor.deleteNode(MenuVariant::EditMenu);
        c.out << "deleted node " << node << '\n';
    }};

const RegisterEditCommand addCommandCommand{
    "add-command", [](EditContext& c, std::string_view args) {
        const int code = parseNumber(trimmed(args), "function code");
        const auto position = listPositionOfCode(code);
        if (!position)
            throw UsageError("function code must be 1, 2, 3, 4, 5, 6, 15 or 16");
        if (!checkEnabled(c, StructureCommand::AddCommand, "add-command"))
            return;
        const int before = c.editor.project().store.subnets[0].commandCount;
        c.editor.addCommandFromList(*position);
        const int after = c.editor.project().store.subnets[0].commandCount;
        if (after > before)
            c.out << "added command " << after << " (code " << code << ") to node "
                  << c.editor.tree().data(c.editor.tree().selected()) << '\n';
        else
            c.out << "refused: add-command\n";
    }};

const RegisterEditCommand deleteCommandCommand{
    "delete-command", [](EditContext& c, std::string_view args) {
        expectNoArguments("delete-command", args);
        if (!checkEnabled(c, StructureCommand::DeleteCommand, "delete-command"))
            return;
        const int command = c.editor.tree().data(c.editor.tree().selected());
        c.editor.deleteCommand(MenuVariant::EditMenu);
        c.out << "deleted command " << command << '\n';
    }};

const RegisterEditCommand copyNodeCommand{
    "copy-node", [](EditContext& c, std::string_view args) {
        expectNoArguments("copy-node", args);
        if (!checkEnabled(c, StructureCommand::CopyNode, "copy-node"))
            return;
        c.editor.copyNode();
        if (c.editor.state().copyValid)
            c.out << "copied node address " << c.editor.state().copyAddress << '\n';
        else
            c.out << "refused: copy-node\n";
    }};

const RegisterEditCommand pasteNodeCommand{
    "paste-node", [](EditContext& c, std::string_view args) {
        expectNoArguments("paste-node", args);
        if (!checkEnabled(c, StructureCommand::PasteNode, "paste-node"))
            return;
        const int before = c.editor.project().store.subnets[0].commandCount;
        c.editor.pasteNode();
        const int after = c.editor.project().store.subnets[0].commandCount;
        const auto& nodes = c.editor.tree().children(findSubnetRoot(c.editor.tree()));
        c.out << "pasted " << after - before << " commands into node "
              << (nodes.empty() ? 0 : c.editor.tree().data(nodes.back())) << '\n';
    }};

std::string_view colourName(GridColor color) {
    if (color == kGreyColor)
        return "grey";
    if (color == kWhiteColor)
        return "white";
    if (color == kDefaultColor)
        return "default";
    return "other";
}

const RegisterEditCommand pageCommand{"page", [](EditContext& c, std::string_view args) {
                                          expectNoArguments("page", args);
                                          c.out << "page " << describeSelection(c.editor) << '\n';
                                          for (int row = 0; row < c.grid.rows(); ++row) {
                                              const std::string label = c.grid.textMatrix(row, 0);
                                              const std::string value = c.grid.textMatrix(row, 1);
                                              if (label.empty() && value.empty())
                                                  continue;
                                              c.out << row << '\t' << label << '\t'
                                                    << utf8Text(value) << '\t'
                                                    << colourName(c.grid.cellBackColor(row, 1))
                                                    << '\n';
                                          }
                                      }};

const RegisterEditCommand answerCommand{"answer", [](EditContext& c, std::string_view args) {
                                            const std::string_view word = trimmed(args);
                                            Answer answer;
                                            if (word == "ok")
                                                answer = Answer::Ok;
                                            else if (word == "cancel")
                                                answer = Answer::Cancel;
                                            else if (word == "yes")
                                                answer = Answer::Yes;
                                            else if (word == "no")
                                                answer = Answer::No;
                                            else
                                                throw UsageError("answer ok|cancel|yes|no");
                                            c.prompter.queueAnswer(answer);
                                            c.out << "answer queued: " << word << '\n';
                                        }};

} // namespace
} // namespace brenmoor::cli
