// Opening the in-place editors on a grid click and committing them.
#include "core/editor/configuration_editor.h"
#include "core/editor/property_pages.h"
#include "core/model/function_code.h"
#include "core/model/number_text.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_editor.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace brenmoor {

namespace {

using Choices = std::vector<std::string>;

const Choices kInputSizes = {"8", "16", "32", "64", "96", "128", "160"};
const Choices kOutputSizes = {"8", "16", "32", "64", "96", "112"};
const Choices kBaudRates = {"300",   "600",   "1200",  "2400",  "9600",
                            "19200", "38400", "57600", "115200"};
const Choices kDataBits = {"8", "7"};
const Choices kParities = {"None", "Odd", "Even", "Mark", "Space"};
const Choices kStopBits = {"1", "2"};
const Choices kTransmissions = {std::string(text::Rtu), std::string(text::Ascii)};
const Choices kOutputModes = {std::string(text::Cycle), std::string(text::Forbidden),
                              std::string(text::ChangeOfValue)};
const Choices kInterfaces = {std::string(text::Rs485), std::string(text::Rs232)};
const Choices kSwitches = {std::string(text::Open), std::string(text::Close)};
const Choices kSwapModes = {std::string(text::NoSwap), std::string(text::TwoBytesSwap),
                            std::string(text::FourBytesSwap)};
const Choices kDataFilters = {std::string(text::FullWord), std::string(text::HighByte),
                              std::string(text::LowByte)};
const Choices kScanTypes = {std::string(text::FastScan), std::string(text::SlowScan)};

struct CellEditor {
    EditorRequest::Kind kind = EditorRequest::Kind::None;
    const Choices* choices = nullptr;
};

constexpr CellEditor kNoEditor{};
constexpr CellEditor kEditBox{EditorRequest::Kind::EditBox, nullptr};
CellEditor list(const Choices& choices) {
    return {EditorRequest::Kind::List, &choices};
}

bool isOneOf(int code, std::initializer_list<int> codes) {
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

bool isBitCode(int code) {
    return isOneOf(code, {1, 2, 15});
}
bool isRegisterCode(int code) {
    return isOneOf(code, {3, 4, 16});
}

CellEditor subnetCellEditor(const CONFIG& config, int row, bool pulseRowEnabled) {
    const std::string& mode = config.protocolMode;
    const bool master = mode == text::ModbusMaster;
    const bool slave = mode == text::ModbusSlave;
    const bool common = mode == text::CommonMode;
    const bool known = master || slave || common || mode == text::CustomProtocol;
    switch (row) {
    case 1:
        return known ? list(kBaudRates) : kNoEditor;
    case 2:
        return known ? list(kDataBits) : kNoEditor;
    case 3:
        return known ? list(kParities) : kNoEditor;
    case 4:
        return known ? list(kStopBits) : kNoEditor;
    case 5:
        return slave ? kEditBox : kNoEditor;
    case 6:
        return master || slave ? list(kTransmissions) : kNoEditor;
    case 7:
    case 8:
    case 11:
        return master ? kEditBox : kNoEditor;
    case 9:
        return master ? list(kOutputModes) : kNoEditor;
    case 10:
        return master && pulseRowEnabled ? kEditBox : kNoEditor;
    case 12:
        return master || slave || common ? list(kInterfaces) : kNoEditor;
    case 17:
        return common ? list(kSwitches) : kNoEditor;
    case 13:
    case 14:
    case 15:
    case 16:
    case 18:
    case 19:
        return common ? kEditBox : kNoEditor;
    default:
        return kNoEditor;
    }
}

CellEditor commandCellEditor(const INSTRUCTION& command, int row, bool dataFilter) {
    const int code = functionCodeOf(command);
    switch (row) {
    case 2:
    case 4:
        return kEditBox;
    case 3:
        return isOneOf(code, {5, 6}) ? kNoEditor : kEditBox;
    case 5:
        return isOneOf(code, {3, 4, 6, 16}) ? kNoEditor : kEditBox;
    case 7:
        if (isOneOf(code, {1, 2, 5, 15}) || (dataFilter && isOneOf(code, {6, 16})))
            return kNoEditor;
        return list(dataFilter ? kDataFilters : kSwapModes);
    case 9:
        return list(kScanTypes);
    default:
        return kNoEditor;
    }
}

// A canonical decimal within [low, high] is stored; anything else brings
// the stored text back.
void acceptDecimal(std::string& editText, std::string& field, int low, int high) {
    const int32_t v = leadingInt(editText);
    if (isCanonicalDecimal(editText) && v >= low && v <= high)
        field = editText;
    else
        editText = field;
}

// The pairs of buffer sizes whose sum would reach 240 bytes.
bool inputSizeRefused(const std::string& input, const std::string& output) {
    return (output == "96" && input == "160") ||
           (output == "112" && (input == "128" || input == "160"));
}

} // namespace

bool ConfigurationEditor::pageItemSelected() const {
    return state_.pageItem != kNoItem && tree_.selected() == state_.pageItem;
}

INSTRUCTION* ConfigurationEditor::pageCommand() {
    const int c = tree_.data(state_.pageItem);
    if (!tree_.contains(state_.pageItem) || c < 1 || c > kMaxCommands)
        return nullptr;
    return &subnet().commands[c - 1];
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

    CellEditor editor;
    const int row = state_.clickedRow;
    switch (state_.pageKind) {
    case ItemKind::Fieldbus:
        if (row == 1)
            editor = kEditBox;
        else if (row == 3)
            editor = list(kInputSizes);
        else if (row == 4)
            editor = list(kOutputSizes);
        break;
    case ItemKind::Subnet:
        editor = subnetCellEditor(subnet(), row, state_.pulseRowEnabled);
        break;
    case ItemKind::Node:
        if (row == 0)
            editor = kEditBox;
        break;
    case ItemKind::Command:
        if (const INSTRUCTION* command = pageCommand())
            editor = commandCellEditor(*command, row, project_.device.dataFilter);
        break;
    case ItemKind::None:
        break;
    }
    request.kind = editor.kind;
    openEditor_ = editor.kind;
    if (editor.choices)
        request.choices = *editor.choices;
    if (editor.kind == EditorRequest::Kind::EditBox)
        request.text = grid_.textMatrix(row, state_.clickedColumn);
    return request;
}

void ConfigurationEditor::closeList() {
    if (openEditor_ == EditorRequest::Kind::List)
        openEditor_ = EditorRequest::Kind::None;
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
    const int row = state_.clickedRow;
    const bool onPage = pageItemSelected();
    CONFIG& config = subnet();
    switch (state_.pageKind) {
    case ItemKind::Fieldbus: {
        FIELDBUS& f = project_.store.fieldbus;
        if (row != 3 && row != 4)
            return;
        const bool input = row == 3;
        const bool refused =
            input ? inputSizeRefused(s, f.outputSize) : inputSizeRefused(f.inputSize, s);
        std::string& field = input ? f.inputSize : f.outputSize;
        if (refused) {
            if (onPage)
                grid_.setTextMatrix(row, 1, field);
            prompter_.notice(loadString(msg::BufferSizeTooLarge), NoticeKind::BufferSize);
            return;
        }
        field = s;
        return;
    }
    case ItemKind::Subnet: {
        const std::string& mode = config.protocolMode;
        if (row >= 1 && row <= 4) {
            if (const auto line = lineSettingFields(config, mode)) {
                std::string* const fields[] = {line->baud, line->dataBits, line->parity,
                                               line->stopBits};
                *fields[row - 1] = s;
            }
        } else if (row == 6) {
            if (mode == text::ModbusMaster)
                config.master.masterTransmission = s;
            else if (mode == text::ModbusSlave)
                config.slave.slaveTransmission = s;
        } else if (row == 9) {
            config.master.outputMode = s;
            state_.pulseRowEnabled = s == text::PulseOutput;
            if (onPage)
                grid_.paintCell(10, 1, state_.pulseRowEnabled ? kWhiteColor : kGreyColor);
        } else if (row == 12) {
            config.common.commInterface = s;
            if (onPage)
                grid_.setTextMatrix(13, 1, otherInterface(s));
        }
        return;
    }
    case ItemKind::Command:
        if (INSTRUCTION* command = pageCommand()) {
            if (row == 7)
                command->swapMode = s;
            else if (row == 9)
                command->scanType = s;
        }
        return;
    case ItemKind::Node:
    case ItemKind::None:
        return;
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
        std::string cell;
        if (state_.pageKind == ItemKind::Command && state_.clickedRow == 4) {
            cell = state_.editText.empty() ? "" : state_.editText + "H";
        } else {
            if (state_.editText == text::NotSet)
                state_.editText.clear();
            cell = state_.editText;
        }
        grid_.setTextMatrix(state_.clickedRow, state_.clickedColumn, cell);
    }
    markModified();
    return state_.editText;
}

void ConfigurationEditor::applyEditRule() {
    std::string& editText = state_.editText;
    const int row = state_.clickedRow;
    CONFIG& config = subnet();
    switch (state_.pageKind) {
    case ItemKind::Fieldbus:
        if (row == 1)
            acceptDecimal(editText, project_.store.fieldbus.stationAddress, 0, 63);
        return;
    case ItemKind::Subnet: {
        const int32_t v = leadingInt(editText);
        switch (row) {
        case 5:
            acceptDecimal(editText, config.slave.slaveAddress, 0, 247);
            break;
        case 7:
            acceptDecimal(editText, config.master.responseTimeout, 5, 60000);
            break;
        case 8:
            acceptDecimal(editText, config.master.pollDelay, 0, 2500);
            break;
        case 10:
            if (state_.pulseRowEnabled)
                acceptDecimal(editText, config.master.outputPulse, 200, 2500);
            else
                editText = config.master.outputPulse;
            break;
        case 11:
            acceptDecimal(editText, config.master.scanRate, 1, 255);
            break;
        case 13:
            if (v >= 10 && v <= 60000)
                config.common.charTimeout = editText;
            else
                editText.clear();
            break;
        case 14:
            if (v >= 1 && v <= 223)
                config.common.charCount = editText;
            else
                editText.clear();
            break;
        default:
            break; // the remaining rows keep the typed text in the cell only
        }
        return;
    }
    case ItemKind::Node:
        if (row == 0) {
            const int n = tree_.data(state_.pageItem);
            if (tree_.contains(state_.pageItem) && n >= 1 && n <= config.nodeCount)
                editNodeAddress(n);
        }
        return;
    case ItemKind::Command: {
        INSTRUCTION* command = pageCommand();
        if (!command)
            return;
        if (row == 2)
            editStartAddress(*command);
        else if (row == 3)
            editDataCount(*command);
        else if (row == 4)
            editMapAddress(*command);
        else if (row == 5)
            acceptDecimal(editText, command->bitOffset, 0, 7);
        return;
    }
    case ItemKind::None:
        return;
    }
}

void ConfigurationEditor::editNodeAddress(int n) {
    std::string& editText = state_.editText;
    CONFIG& config = subnet();
    NODE& node = config.nodes[n - 1];
    const int32_t v = leadingInt(editText);
    if (v > 247 || v < 0 || editText.empty()) {
        prompter_.notice(loadString(msg::SlaveAddressOutOfRange), NoticeKind::SlaveAddress);
        editText = node.address;
    }
    for (int j = 0; j < config.nodeCount; ++j) {
        if (config.nodes[j].address == editText && node.address != editText) {
            prompter_.notice(loadString(msg::SlaveAddressDuplicate), NoticeKind::SlaveAddress);
            editText = node.address;
        }
    }
    if (!pageItemSelected() || state_.clickedRow != 0 || state_.clickedColumn != 1)
        return;
    const int32_t accepted = leadingInt(editText);
    if (isCanonicalDecimal(editText) && accepted >= 0 && accepted <= 247 &&
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
    acceptDecimal(editText, command.startAddress, 0, 65535);
    if (!pageItemSelected())
        return;

    struct PlcRange {
        std::initializer_list<int> codes;
        int above, below, offset;
    };
    static const PlcRange kRanges[] = {
        {{5, 15}, 0, 10000, 1},
        {{2}, 10000, 20000, 10001},
        {{4}, 30000, 40000, 30001},
        {{3, 6, 16}, 40000, 50000, 40001},
    };
    const int code = functionCodeOf(command);
    for (const PlcRange& range : kRanges) {
        const int32_t v = leadingInt(editText);
        if (!isOneOf(code, range.codes) || v <= range.above || v >= range.below)
            continue;
        if (prompter_.ask(msg::PlcAddressQuestion, Buttons::OkCancel) == Answer::Ok)
            editText = std::to_string(v - range.offset);
    }
    const int c = state_.currentCommand;
    if (c < 1 || c > kMaxCommands)
        return;
    acceptDecimal(editText, subnet().commands[c - 1].startAddress, 0, 65535);
}

void ConfigurationEditor::editDataCount(INSTRUCTION& command) {
    std::string& editText = state_.editText;
    const bool onPage = pageItemSelected();
    const int32_t v = leadingInt(editText);
    if (v <= 0) {
        editText = command.dataCount;
        if (onPage)
            grid_.setTextMatrix(6, 1, shownValue(command.byteCount));
        return;
    }
    if (!isCanonicalDecimal(editText)) {
        editText = command.dataCount;
        return;
    }
    const int code = functionCodeOf(command);
    const int registerLimit = project_.device.doubleFault ? 84 : 36;
    if ((isBitCode(code) && v <= 400) || (isRegisterCode(code) && v <= registerLimit))
        command.dataCount = editText;
    else
        editText = command.dataCount;

    const int32_t w = leadingInt(editText);
    if (w <= 0 || !(isBitCode(code) || isRegisterCode(code)))
        return;
    const int32_t bytes = isBitCode(code) ? (w - 1) / 8 + 1 : 2 * w;
    command.byteCount = std::to_string(bytes);
    if (onPage)
        grid_.setTextMatrix(6, 1, command.byteCount);
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
    const int code = functionCodeOf(command);
    const bool read = isOneOf(code, {1, 2, 3, 4});
    const bool write = isOneOf(code, {5, 6, 15, 16});
    const bool inRange = (read && m >= 0x0002 && m <= 0x009F) ||
                         (write && ((m >= 0x0000 && m <= 0x009F) || (m >= 0x4000 && m <= 0x406F)));
    if (inRange)
        command.mapAddress = r;
    else
        editText = command.mapAddress;
}

} // namespace brenmoor
