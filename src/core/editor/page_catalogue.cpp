#include "core/editor/page_catalogue.h"

#include "core/model/number_text.h"
#include "core/model/shown_text.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_compare.h"
#include "core/resources/messages_editor.h"

namespace brenmoor {

namespace {

using Kind = EditorRequest::Kind;

// --- Fields ----------------------------------------------------------------

template <std::string FIELDBUS::*F> constexpr FieldRef fieldbus() {
    return FieldRef{F, nullptr, nullptr, nullptr};
}
template <auto Group, auto F> std::string& groupText(CONFIG& c) {
    return (c.*Group).*F;
}
template <auto Group, auto F> constexpr FieldRef group() {
    return FieldRef{nullptr, &groupText<Group, F>, nullptr, nullptr};
}
std::string& protocolModeText(CONFIG& c) {
    return c.protocolMode;
}
constexpr FieldRef kProtocolMode{nullptr, &protocolModeText, nullptr, nullptr};
template <std::string INSTRUCTION::*F> constexpr FieldRef command() {
    return FieldRef{nullptr, nullptr, nullptr, F};
}

constexpr FieldRef kCommInterface = group<&CONFIG::common, &COMMONPARAM::commInterface>();

// --- Conditions --------------------------------------------------------------

bool pulseOutput(const PageSubject& s) {
    return s.pulseRowEnabled;
}
bool commonModeFlag(const PageSubject& s) {
    return s.project.device.commonMode;
}
bool characterTimeout(const PageSubject& s) {
    return s.subnet.common.frameControl == text::CharacterTimeout;
}
bool singleItem(const PageSubject& s) {
    return s.code() && s.code()->single;
}
bool countEditable(const PageSubject& s) {
    return !singleItem(s);
}
bool bitOffsetFixed(const PageSubject& s) {
    return s.code() && !s.code()->bitOffsetEditable();
}
bool bitOffsetEditable(const PageSubject& s) {
    return !bitOffsetFixed(s);
}
bool swapFixed(const PageSubject& s) {
    return s.code() && s.code()->swapFixed(s.dataFilter());
}
bool swapEditable(const PageSubject& s) {
    return !swapFixed(s);
}

// --- Cells -------------------------------------------------------------------

constexpr Paint kGrey{Colour::Grey};
constexpr Paint kWhite{Colour::White};

// The lists offer the texts of the code tables the gateway's blocks use.
// Interfaces and switches have no table of their own.
constexpr std::array<CodeText, 2> kInterfaces{{{0, text::Rs485}, {1, text::Rs232}}};
constexpr std::array<CodeText, 2> kSwitches{{{1, text::Open}, {0, text::Close}}};
// A stored "Pulse output" (from a file or an upload) is shown, not offered.
constexpr std::span<const CodeText> kOfferedOutputModes{kOutputModes.data(), 3};

constexpr CellEditor list(std::span<const CodeText> choices, Rule rule = Rule::Store) {
    CellEditor e;
    e.kind = Kind::List;
    e.choices = choices;
    e.rule = rule;
    return e;
}
constexpr CellEditor editBox(Rule rule, int low = 0, int high = 0) {
    CellEditor e;
    e.kind = Kind::EditBox;
    e.rule = rule;
    e.low = low;
    e.high = high;
    return e;
}
constexpr CellEditor when(CellEditor e, Condition editable) {
    e.editable = editable;
    return e;
}
constexpr CellEditor also(CellEditor e, Also what, int row) {
    e.also = what;
    e.alsoRow = row;
    return e;
}
constexpr CellEditor into(CellEditor e, FieldRef target) {
    e.target = target;
    return e;
}

constexpr ValueCell cell(FieldRef field, Form form = Form::AsStored, Paint paint = {},
                         CellEditor editor = {}) {
    return ValueCell{field, form, paint, editor, false, {}};
}
// A field of the mode's own group, as the comparison lists it.
constexpr ValueCell groupCell(FieldRef field, Form form, Paint paint, CellEditor editor,
                              MessageId fieldName = {}) {
    return ValueCell{field, form, paint, editor, true, fieldName};
}
constexpr ValueCell paintOnly(Paint paint) {
    return ValueCell{{}, Form::AsStored, paint, {}, false, {}};
}

// --- Fieldbus, node and command pages -----------------------------------------

const PageRow kFieldbusRows[] = {
    {0,
     {msg::LabelTypeOfProtocol},
     {msg::HelpFieldbus0},
     cell(fieldbus<&FIELDBUS::fieldbusType>(), Form::AsStored, kGrey)},
    {1,
     {msg::LabelDeviceNetAddress},
     {msg::HelpFieldbus1},
     cell(fieldbus<&FIELDBUS::stationAddress>(), Form::BlankIfNotSet, {},
          editBox(Rule::Decimal, 0, 63))},
    {2,
     {msg::LabelDeviceNetBaud},
     {msg::HelpFieldbus2},
     cell(fieldbus<&FIELDBUS::fieldbusBaud>(), Form::AsStored, kGrey)},
    {3,
     {msg::LabelInputBuffer},
     {msg::HelpFieldbus3},
     cell(fieldbus<&FIELDBUS::inputSize>(), Form::AsStored, {},
          list(kInputSizes, Rule::BufferSize))},
    {4,
     {msg::LabelOutputBuffer},
     {msg::HelpFieldbus4},
     cell(fieldbus<&FIELDBUS::outputSize>(), Form::AsStored, {},
          list(kOutputSizes, Rule::BufferSize))},
};

const PageRow kNodeRows[] = {
    {0,
     {msg::LabelNodeSlaveAddress},
     {msg::HelpNode0},
     cell(FieldRef{nullptr, nullptr, &NODE::address, nullptr}, Form::BlankIfNotSet, {},
          editBox(Rule::NodeAddress))},
};

constexpr int kByteCountRow = 6;

constexpr CellEditor swapList() {
    CellEditor e = when(list(kSwapModes), swapEditable);
    e.choicesUnderDataFilter = kFilterSwapModes;
    return e;
}

const PageRow kCommandRows[] = {
    {0,
     {msg::LabelNodeSlaveAddress},
     {msg::HelpCommand0},
     cell(command<&INSTRUCTION::slaveAddress>(), Form::BlankIfNotSet, kGrey)},
    {1,
     {msg::LabelFunctionCode},
     {msg::HelpCommand1},
     cell(command<&INSTRUCTION::functionCode>(), Form::AsStored, kGrey)},
    {2,
     {msg::LabelStartingAddress},
     {msg::HelpCommand2},
     cell(command<&INSTRUCTION::startAddress>(), Form::BlankIfNotSet, {},
          editBox(Rule::StartAddress))},
    {3,
     {msg::LabelNumberOfData},
     {msg::HelpCommand3, &DeviceSettings::doubleFault, msg::HelpCommand3DoubleFault},
     cell(command<&INSTRUCTION::dataCount>(), Form::BlankIfNotSet, {Colour::Grey, singleItem},
          also(when(editBox(Rule::DataCount), countEditable), Also::ByteCount, kByteCountRow))},
    {4,
     {msg::LabelMappingAddress},
     {msg::HelpCommand4, &DeviceSettings::doubleFault, msg::HelpCommand4DoubleFault},
     cell(command<&INSTRUCTION::mapAddress>(), Form::MapAddress, {}, editBox(Rule::MapAddress))},
    {5,
     {msg::LabelBitOffset},
     {msg::HelpCommand5},
     cell(command<&INSTRUCTION::bitOffset>(), Form::BlankIfNotSet, {Colour::Grey, bitOffsetFixed},
          when(editBox(Rule::Decimal, 0, 7), bitOffsetEditable))},
    {kByteCountRow,
     {msg::LabelNumberOfBytes},
     {msg::HelpCommand6},
     cell(command<&INSTRUCTION::byteCount>(), Form::ByteCount, kGrey)},
    {7,
     {msg::LabelByteSwap, &DeviceSettings::dataFilter, msg::LabelDataFilter},
     {msg::HelpCommand7, &DeviceSettings::dataFilter, msg::HelpCommand7DataFilter},
     cell(command<&INSTRUCTION::swapMode>(), Form::FixedSwap, {Colour::Grey, swapFixed},
          swapList())},
    {8,
     {msg::LabelTypeOfCheck},
     {msg::HelpCommand8},
     cell(command<&INSTRUCTION::checkType>(), Form::AsStored, kGrey)},
    {9,
     {msg::LabelTypeOfScan},
     {msg::HelpCommand9},
     cell(command<&INSTRUCTION::scanType>(), Form::AsStored, {}, list(kScanTypes))},
};

// --- The subnet page -----------------------------------------------------------

constexpr int kPulseRow = 10;
constexpr int kOtherInterfaceRow = 13;

template <auto Group, auto F> constexpr ValueCell lineSetting(std::span<const CodeText> choices) {
    return groupCell(group<Group, F>(), Form::AsStored, {}, list(choices));
}

// The four line settings of each mode: rows 1 to 4.
template <auto Group, auto Baud, auto DataBits, auto Parity, auto StopBits> struct Line {
    static constexpr ValueCell baud() { return lineSetting<Group, Baud>(kSubnetBauds); }
    static constexpr ValueCell dataBits() { return lineSetting<Group, DataBits>(kDataBits); }
    static constexpr ValueCell parity() { return lineSetting<Group, Parity>(kParities); }
    static constexpr ValueCell stopBits() { return lineSetting<Group, StopBits>(kStopBits); }
};
using MasterLine = Line<&CONFIG::master, &MASTERPARAM::masterBaud, &MASTERPARAM::masterDataBits,
                        &MASTERPARAM::masterParity, &MASTERPARAM::masterStopBits>;
using SlaveLine = Line<&CONFIG::slave, &SLAVEPARAM::slaveBaud, &SLAVEPARAM::slaveDataBits,
                       &SLAVEPARAM::slaveParity, &SLAVEPARAM::slaveStopBits>;
using CustomLine = Line<&CONFIG::custom, &CUSTOMPARAM::customBaud, &CUSTOMPARAM::customDataBits,
                        &CUSTOMPARAM::customParity, &CUSTOMPARAM::customStopBits>;
using CommonLine = Line<&CONFIG::common, &COMMONPARAM::commonBaud, &COMMONPARAM::commonDataBits,
                        &COMMONPARAM::commonParity, &COMMONPARAM::commonStopBits>;

constexpr ValueCell kInterfaceList =
    cell(kCommInterface, Form::AsStored, {},
         also(list(kInterfaces), Also::OtherInterface, kOtherInterfaceRow));
constexpr ValueCell kOtherInterface = cell(kCommInterface, Form::OtherInterface, kGrey);

template <auto F> constexpr ValueCell masterDecimal(int low, int high, Paint paint = kWhite) {
    return groupCell(group<&CONFIG::master, F>(), Form::BlankIfNotSet, paint,
                     editBox(Rule::Decimal, low, high));
}
template <auto F>
constexpr ValueCell common(MessageId name, CellEditor editor, Paint paint = kWhite) {
    return groupCell(group<&CONFIG::common, F>(), Form::AsStored, paint, editor, name);
}

constexpr std::array<ValueCell, kSubnetModes>
modes(ValueCell master, ValueCell slave, ValueCell custom, ValueCell common, ValueCell other = {}) {
    return {master, slave, custom, common, other};
}

const SubnetRow kSubnetRows[] = {
    {0,
     msg::LabelProtocolsMode,
     {msg::HelpSubnet0},
     modes(cell(kProtocolMode, Form::AsStored, kGrey), cell(kProtocolMode), cell(kProtocolMode),
           cell(kProtocolMode, Form::AsStored, {Colour::Grey, commonModeFlag, Colour::White}),
           cell(kProtocolMode))},
    {1,
     msg::LabelBaudRate,
     {msg::HelpSubnet1, &DeviceSettings::commonMode, msg::HelpSubnet1CommonMode},
     modes(MasterLine::baud(), SlaveLine::baud(), CustomLine::baud(), CommonLine::baud())},
    {2,
     msg::LabelDataBits,
     {msg::HelpSubnet2},
     modes(MasterLine::dataBits(), SlaveLine::dataBits(), CustomLine::dataBits(),
           CommonLine::dataBits())},
    {3,
     msg::LabelParityCheck,
     {msg::HelpSubnet3},
     modes(MasterLine::parity(), SlaveLine::parity(), CustomLine::parity(), CommonLine::parity())},
    {4,
     msg::LabelStopBits,
     {msg::HelpSubnet4},
     modes(MasterLine::stopBits(), SlaveLine::stopBits(), CustomLine::stopBits(),
           CommonLine::stopBits())},
    {5,
     msg::LabelSlaveAddress,
     {msg::HelpSubnet5},
     modes(paintOnly(kGrey),
           groupCell(group<&CONFIG::slave, &SLAVEPARAM::slaveAddress>(), Form::AsStored, kWhite,
                     editBox(Rule::Decimal, 0, 247)),
           paintOnly(kGrey), paintOnly(kGrey))},
    {6,
     msg::LabelTransmissionMode,
     {msg::HelpSubnet6},
     modes(groupCell(group<&CONFIG::master, &MASTERPARAM::masterTransmission>(), Form::AsStored,
                     kWhite, list(kTransmissions)),
           groupCell(group<&CONFIG::slave, &SLAVEPARAM::slaveTransmission>(), Form::AsStored,
                     kWhite, list(kTransmissions)),
           paintOnly(kGrey), paintOnly(kGrey))},
    {7,
     msg::LabelResponseTimeout,
     {msg::HelpSubnet7},
     modes(masterDecimal<&MASTERPARAM::responseTimeout>(5, 60000), paintOnly(kGrey),
           paintOnly(kGrey), paintOnly(kGrey))},
    {8,
     msg::LabelPollDelay,
     {msg::HelpSubnet8},
     modes(masterDecimal<&MASTERPARAM::pollDelay>(0, 2500), paintOnly(kGrey), paintOnly(kGrey),
           paintOnly(kGrey))},
    {9,
     msg::LabelOutputMode,
     {msg::HelpSubnet9},
     modes(groupCell(group<&CONFIG::master, &MASTERPARAM::outputMode>(), Form::AsStored, kWhite,
                     also(list(kOfferedOutputModes), Also::PulseRow, kPulseRow)),
           paintOnly(kGrey), paintOnly(kGrey), paintOnly(kGrey))},
    {kPulseRow,
     msg::LabelOutputPulse,
     {msg::HelpSubnet10},
     modes(groupCell(group<&CONFIG::master, &MASTERPARAM::outputPulse>(), Form::BlankIfNotSet,
                     {Colour::White, pulseOutput, Colour::Grey},
                     when(editBox(Rule::Decimal, 200, 2500), pulseOutput)),
           paintOnly(kGrey), paintOnly(kGrey), paintOnly(kGrey))},
    {11,
     msg::LabelScanRate,
     {msg::HelpSubnet11},
     modes(masterDecimal<&MASTERPARAM::scanRate>(1, 255), paintOnly(kGrey), paintOnly(kGrey),
           paintOnly(kGrey))},
    // A common-mode subnet shows its own parameters from here on; on this
    // device they have no labels of their own.
    {12,
     msg::LabelCommInterface,
     {msg::HelpSubnet12},
     modes(kInterfaceList, kInterfaceList, {},
           common<&COMMONPARAM::frameControl>(msg::LabelFrameControl,
                                              into(kInterfaceList.editor, kCommInterface)))},
    {kOtherInterfaceRow,
     msg::LabelDebugInterface,
     {msg::HelpSubnet13},
     modes(kOtherInterface, kOtherInterface, {},
           common<&COMMONPARAM::charTimeout>(msg::LabelCharTimeout,
                                             editBox(Rule::InRange, 10, 60000)))},
    {14,
     {},
     {},
     modes({}, {}, {},
           common<&COMMONPARAM::charCount>(msg::LabelCharCount, editBox(Rule::InRange, 1, 223),
                                           {Colour::Grey, characterTimeout, Colour::White}))},
    {15,
     {},
     {},
     modes({}, {}, {}, common<&COMMONPARAM::autoSend>(msg::LabelAutoSend, editBox(Rule::None)))},
    {16,
     {},
     {},
     modes({}, {}, {},
           common<&COMMONPARAM::autoSendCycle>(msg::LabelAutoSendCycle, editBox(Rule::None)))},
    {17,
     {},
     {},
     modes({}, {}, {},
           common<&COMMONPARAM::useCrc>(msg::LabelUseCrc, list(kSwitches, Rule::None)))},
    {18,
     {},
     {},
     modes(paintOnly(kWhite), paintOnly(kWhite), paintOnly(kWhite),
           cell(kCommInterface, Form::AsStored, kWhite, editBox(Rule::None)))},
    {19,
     {},
     {},
     modes({}, {}, {}, cell(kCommInterface, Form::OtherInterface, kGrey, editBox(Rule::None)))},
};

} // namespace

void acceptDecimal(std::string& editText, std::string& field, int low, int high) {
    const int32_t v = leadingInt(editText);
    if (isCanonicalDecimal(editText) && v >= low && v <= high)
        field = editText;
    else
        editText = field;
}

std::string* FieldRef::in(PageSubject& s) const {
    if (fieldbus)
        return &(s.project.store.fieldbus.*fieldbus);
    if (subnet)
        return &subnet(s.subnet);
    if (node)
        return s.node ? &(s.node->*node) : nullptr;
    if (command)
        return s.command ? &(s.command->*command) : nullptr;
    return nullptr;
}

std::span<const PageRow> pageRows(ItemKind page) {
    switch (page) {
    case ItemKind::Fieldbus:
        return kFieldbusRows;
    case ItemKind::Node:
        return kNodeRows;
    case ItemKind::Command:
        return kCommandRows;
    case ItemKind::Subnet:
    case ItemKind::None:
        break;
    }
    return {};
}

std::span<const SubnetRow> subnetRows() {
    return kSubnetRows;
}

constexpr std::array<std::string_view, kSubnetModes - 1> kModeTexts = {
    text::ModbusMaster, text::ModbusSlave, text::CustomProtocol, text::CommonMode};

size_t subnetModeIndex(const std::string& protocolMode) {
    for (size_t i = 0; i < kModeTexts.size(); ++i)
        if (protocolMode == kModeTexts[i])
            return i;
    return kSubnetModes - 1;
}

std::string_view subnetModeText(size_t index) {
    return index < kModeTexts.size() ? kModeTexts[index] : std::string_view();
}

const ValueCell* pageCell(ItemKind page, int row, const PageSubject& s) {
    if (page == ItemKind::Subnet) {
        for (const SubnetRow& r : kSubnetRows)
            if (r.row == row)
                return &r.byMode[subnetModeIndex(s.subnet.protocolMode)];
        return nullptr;
    }
    for (const PageRow& r : pageRows(page))
        if (r.row == row)
            return &r.cell;
    return nullptr;
}

std::optional<MessageId> pageRowHelpId(ItemKind page, int row, const DeviceSettings& device) {
    if (page == ItemKind::Subnet) {
        for (const SubnetRow& r : kSubnetRows)
            if (r.row == row && r.help.text != MessageId{})
                return r.help.pick(device);
        return std::nullopt;
    }
    for (const PageRow& r : pageRows(page))
        if (r.row == row && r.help.text != MessageId{})
            return r.help.pick(device);
    return std::nullopt;
}

std::span<const CodeText> offeredChoices(const CellEditor& editor, const PageSubject& s) {
    if (s.dataFilter() && !editor.choicesUnderDataFilter.empty())
        return editor.choicesUnderDataFilter;
    return editor.choices;
}

std::string shownCellText(const ValueCell& cell, PageSubject& s) {
    const std::string* field = cell.field.in(s);
    if (!field)
        return {};
    switch (cell.form) {
    case Form::AsStored:
        return *field;
    case Form::BlankIfNotSet:
        return shownValue(*field);
    case Form::MapAddress:
        return shownMapAddress(*field);
    case Form::ByteCount:
        return s.command ? shownByteCount(*s.command) : shownValue(*field);
    case Form::FixedSwap:
        if (swapFixed(s))
            return std::string(s.dataFilter() ? text::FullWord : text::NoSwap);
        return *field;
    case Form::OtherInterface:
        return otherInterface(*field);
    }
    return *field;
}

} // namespace brenmoor
