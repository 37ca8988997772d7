// Opening the in-place editors on a grid click and committing them, by the
// rules of the page catalogue.
#include "core/editor/configuration_editor.h"
#include "core/editor/page_catalogue.h"
#include "core/editor/property_pages.h"
#include "core/model/number_text.h"
#include "core/model/shown_text.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_editor.h"

#include <algorithm>
#include <cctype>

namespace brenmoor {

namespace {

// The pairs of buffer sizes whose sum would reach 240 bytes.
bool bufferPairRefused(const std::string& input, const std::string& output) {
    return (output == "96" && input == "160") ||
           (output == "112" && (input == "128" || input == "160"));
}

std::string* committedField(const ValueCell& cell, PageSubject& s) {
    return (cell.editor.target.empty() ? cell.field : cell.editor.target).in(s);
}

} // namespace

bool ConfigurationEditor::pageItemSelected() const {
    return state_.pageItem != kNoItem && tree_.selected() == state_.pageItem;
}

PageSubject ConfigurationEditor::clickedPage() {
    const bool numbered = state_.pageKind == ItemKind::Node || state_.pageKind == ItemKind::Command;
    const int number =
        numbered && tree_.contains(state_.pageItem) ? tree_.data(state_.pageItem) : 0;
    return pageSubject(project_, state_.pageKind, number, state_.pulseRowEnabled);
}

const ValueCell* ConfigurationEditor::clickedCell(const PageSubject& s) const {
    const ValueCell* cell = pageCell(state_.pageKind, state_.clickedRow, s);
    // A command page whose command is gone has nothing to edit.
    if (!cell || (state_.pageKind == ItemKind::Command && !s.command))
        return nullptr;
    return cell;
}

std::string ConfigurationEditor::rowHelp(ItemKind page, int row) const {
    return pageRowHelp(page, row, project_.device);
}

EditorRequest ConfigurationEditor::gridClicked() {
    EditorRequest request;
    if (!state_.treeReady)
        return request;
    state_.pageItem = tree_.selected();
    state_.pageKind = kindOf(state_.pageItem);
    state_.clickedRow = grid_.rowSel();
    state_.clickedColumn = grid_.colSel();
    request.row = state_.clickedRow;
    request.col = state_.clickedColumn;
    info_.bringToFront();
    info_.setText(rowHelp(state_.pageKind, state_.clickedRow));
    if (state_.clickedColumn != 1)
        return request;

    const PageSubject s = clickedPage();
    const ValueCell* cell = clickedCell(s);
    if (!cell || (cell->editor.editable && !cell->editor.editable(s)))
        return request;
    request.kind = cell->editor.kind;
    openEditor_ = cell->editor.kind;
    for (const CodeText& choice : offeredChoices(cell->editor, s))
        request.choices.emplace_back(choice.text);
    if (request.kind == EditorRequest::Kind::EditBox)
        request.text = grid_.textMatrix(state_.clickedRow, state_.clickedColumn);
    return request;
}

void ConfigurationEditor::closeList() {
    if (openEditor_ == EditorRequest::Kind::List)
        openEditor_ = EditorRequest::Kind::None;
}

std::string ConfigurationEditor::cancelEditBox() {
    if (openEditor_ == EditorRequest::Kind::EditBox)
        openEditor_ = EditorRequest::Kind::None;
    state_.editText = grid_.textMatrix(state_.clickedRow, state_.clickedColumn);
    return state_.editText;
}

void ConfigurationEditor::gridScrolled(std::string_view editBoxText) {
    if (openEditor_ == EditorRequest::Kind::EditBox)
        commitEditBox(editBoxText);
    else
        closeList();
}

// --- The drop-down list ------------------------------------------------

void ConfigurationEditor::commitListChoice(std::string_view choice) {
    if (openEditor_ != EditorRequest::Kind::List)
        return;
    const std::string s(choice);
    if (pageItemSelected())
        grid_.setTextMatrix(state_.clickedRow, state_.clickedColumn, s);
    openEditor_ = EditorRequest::Kind::None;
    storeListChoice(s);
    markModified();
}

void ConfigurationEditor::storeListChoice(const std::string& s) {
    PageSubject page = clickedPage();
    const ValueCell* cell = clickedCell(page);
    if (!cell || cell->editor.kind != EditorRequest::Kind::List)
        return;
    const CellEditor& editor = cell->editor;
    std::string* field = committedField(*cell, page);
    if (!field || editor.rule == Rule::None)
        return;
    const bool onPage = pageItemSelected();
    if (editor.rule == Rule::BufferSize) {
        FIELDBUS& f = project_.store.fieldbus;
        const bool input = field == &f.inputSize;
        if (input ? bufferPairRefused(s, f.outputSize) : bufferPairRefused(f.inputSize, s)) {
            if (onPage)
                grid_.setTextMatrix(state_.clickedRow, 1, *field);
            prompter_.notice(loadString(msg::BufferSizeTooLarge), NoticeKind::BufferSize);
            return;
        }
    }
    *field = s;
    switch (editor.also) {
    case Also::PulseRow:
        state_.pulseRowEnabled = s == text::PulseOutput;
        if (onPage)
            grid_.paintCell(editor.alsoRow, 1, state_.pulseRowEnabled ? kWhiteColor : kGreyColor);
        break;
    case Also::OtherInterface:
        if (onPage)
            grid_.setTextMatrix(editor.alsoRow, 1, otherInterface(s));
        break;
    case Also::ByteCount:
    case Also::Nothing:
        break;
    }
}

// --- The edit box --------------------------------------------------------

std::string ConfigurationEditor::commitEditBox(std::string_view text) {
    if (openEditor_ != EditorRequest::Kind::EditBox)
        return std::string(text);
    openEditor_ = EditorRequest::Kind::None;
    state_.editText = text;
    if (state_.clickedColumn == 1)
        applyEditRule();
    if (pageItemSelected()) {
        const ValueCell* cell = pageCell(state_.pageKind, state_.clickedRow, clickedPage());
        std::string shown;
        if (cell && cell->form == Form::MapAddress) {
            shown = shownMapAddress(state_.editText);
        } else {
            if (state_.editText == text::NotSet)
                state_.editText.clear();
            shown = state_.editText;
        }
        grid_.setTextMatrix(state_.clickedRow, state_.clickedColumn, shown);
    }
    markModified();
    return state_.editText;
}

void ConfigurationEditor::applyEditRule() {
    std::string& editText = state_.editText;
    PageSubject page = clickedPage();
    const ValueCell* cell = clickedCell(page);
    if (!cell || cell->editor.kind != EditorRequest::Kind::EditBox)
        return;
    const CellEditor& editor = cell->editor;
    std::string* field = committedField(*cell, page);
    switch (editor.rule) {
    case Rule::Decimal:
        if (!field)
            return;
        // The pulse time's row may have turned grey since it was opened.
        if (editor.editable && !editor.editable(page))
            editText = *field;
        else
            acceptDecimal(editText, *field, editor.low, editor.high);
        return;
    case Rule::InRange: {
        const int32_t v = leadingInt(editText);
        if (field && v >= editor.low && v <= editor.high)
            *field = editText;
        else
            editText.clear();
        return;
    }
    case Rule::NodeAddress: {
        const int n = tree_.data(state_.pageItem);
        if (tree_.contains(state_.pageItem) && n >= 1 && n <= subnet().nodeCount)
            editNodeAddress(n);
        return;
    }
    case Rule::StartAddress:
        editStartAddress(*page.command);
        return;
    case Rule::DataCount:
        editDataCount(*page.command, editor.alsoRow);
        return;
    case Rule::MapAddress:
        editMapAddress(*page.command);
        return;
    case Rule::None:
    case Rule::Store:
    case Rule::BufferSize:
        return; // the typed text only reaches the cell
    }
}

} // namespace brenmoor
