// The edit rules of their own: a node's slave address, and a command's
// starting address, number of data and mapping address.
#include "core/editor/configuration_editor.h"
#include "core/editor/edit_limits.h"
#include "core/model/number_text.h"
#include "core/model/shown_text.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_editor.h"

#include <algorithm>
#include <cctype>

namespace brenmoor {

void ConfigurationEditor::editNodeAddress(int n) {
    std::string& editText = state_.editText;
    CONFIG& config = subnet();
    NODE& node = config.nodes[n - 1];
    const int32_t v = leadingInt(editText);
    if (v > kMaxSlaveAddress || v < 0 || editText.empty()) {
        prompter_.notice(loadString(msg::SlaveAddressOutOfRange), NoticeKind::SlaveAddress);
        editText = node.address;
    }
    for (int j = 0; j < config.nodeCount; ++j) {
        if (config.nodes[j].address == editText && node.address != editText) {
            prompter_.notice(loadString(msg::SlaveAddressDuplicate), NoticeKind::SlaveAddress);
            editText = node.address;
        }
    }
    if (!pageItemSelected())
        return;
    const int32_t accepted = leadingInt(editText);
    if (isCanonicalDecimal(editText) && accepted >= 0 && accepted <= kMaxSlaveAddress &&
        kindOf(tree_.selected()) == ItemKind::Node) {
        node.address = editText;
        node.name = std::string(text::NodePrefix) + editText;
        tree_.setText(state_.pageItem, node.name);
        for (const ItemId item : tree_.children(state_.pageItem)) {
            const int c = tree_.data(item);
            if (c >= 1 && c <= kMaxCommands)
                config.commands[c - 1].slaveAddress = editText;
        }
        return;
    }
    // A rejected address leaves the node and its commands as they were.
    // Clearing the commands' copies here would let a mistyped "05" make a
    // download refuse the configuration and put "-1" into the saved file
    // until each command page had been shown again.
    editText = node.address;
}

void ConfigurationEditor::editStartAddress(INSTRUCTION& command) {
    std::string& editText = state_.editText;
    if (!isCanonicalDecimal(editText)) {
        editText = command.startAddress;
        return;
    }
    acceptDecimal(editText, command.startAddress, 0, kMaxStartAddress);
    if (!pageItemSelected())
        return;
    const FunctionCodeRecord* record = functionCodeRecord(command);
    if (record && record->plc) {
        const PlcAddressRange& plc = *record->plc;
        const int32_t v = leadingInt(editText);
        if (v > plc.above && v < plc.below &&
            prompter_.ask(msg::PlcAddressQuestion, Buttons::OkCancel) == Answer::Ok)
            editText = std::to_string(v - plc.offset);
    }
    const int c = state_.currentCommand;
    if (c < 1 || c > kMaxCommands)
        return;
    acceptDecimal(editText, subnet().commands[c - 1].startAddress, 0, kMaxStartAddress);
}

void ConfigurationEditor::editDataCount(INSTRUCTION& command, int byteCountRow) {
    std::string& editText = state_.editText;
    const bool onPage = pageItemSelected();
    const int32_t v = leadingInt(editText);
    if (v <= 0) {
        editText = command.dataCount;
        if (onPage)
            grid_.setTextMatrix(byteCountRow, 1, shownValue(command.byteCount));
        return;
    }
    if (!isCanonicalDecimal(editText)) {
        editText = command.dataCount;
        return;
    }
    const FunctionCodeRecord* record = functionCodeRecord(command);
    // Only a command of several items takes a number of data.
    const bool counted = record && !record->single;
    if (counted && v <= record->dataCountLimit(project_.device.doubleFault))
        command.dataCount = editText;
    else
        editText = command.dataCount;

    const int32_t w = leadingInt(editText);
    if (w <= 0 || !counted)
        return;
    command.byteCount = std::to_string(record->downloadByteCount(w));
    if (onPage)
        grid_.setTextMatrix(byteCountRow, 1, command.byteCount);
}

void ConfigurationEditor::editMapAddress(INSTRUCTION& command) {
    std::string& editText = state_.editText;
    std::string lowered = editText;
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const int32_t m = leadingHex(lowered);
    const std::string r = lowerHex(m);
    // The upper-case suffix form can no longer match once the text is
    // lowered, so "1ah" is refused like any other malformed address.
    if (lowered != r && lowered != r + "H") {
        editText = command.mapAddress;
        return;
    }
    editText = r;
    const FunctionCodeRecord* record = functionCodeRecord(command);
    const bool inRange =
        record && (record->read ? kReadMapAddresses.holds(m)
                                : kWriteMapAddresses[0].holds(m) || kWriteMapAddresses[1].holds(m));
    if (inRange)
        command.mapAddress = r;
    else
        editText = command.mapAddress;
}

} // namespace brenmoor
