#include "core/editor/property_pages.h"

#include "core/model/function_code.h"
#include "core/model/number_text.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_editor.h"
#include "core/resources/string_table.h"

#include <array>

namespace brenmoor {

namespace {

constexpr int kRowHeightTwips = 300;

void startPage(GridControl& grid) {
    grid.clear();
    grid.setColAlignment(1, kLeftAlignment);
}

void setRow(GridControl& grid, int row, MessageId label, std::string_view value) {
    grid.setTextMatrix(row, 0, loadString(label));
    grid.setTextMatrix(row, 1, value);
}

void paintValue(GridControl& grid, int row, GridColor color) {
    grid.paintCell(row, 1, color);
}

void paintValues(GridControl& grid, int first, int last, GridColor color) {
    for (int row = first; row <= last; ++row)
        paintValue(grid, row, color);
}

constexpr std::array kSubnetLabels = {
    msg::LabelProtocolsMode,    msg::LabelBaudRate,        msg::LabelDataBits,
    msg::LabelParityCheck,      msg::LabelStopBits,        msg::LabelSlaveAddress,
    msg::LabelTransmissionMode, msg::LabelResponseTimeout, msg::LabelPollDelay,
    msg::LabelOutputMode,       msg::LabelOutputPulse,     msg::LabelScanRate,
    msg::LabelCommInterface,    msg::LabelDebugInterface,
};

void paintSubnet(GridControl& grid, const CONFIG& config, const DeviceSettings& device,
                 bool pulse) {
    const std::string& mode = config.protocolMode;
    if (mode == text::ModbusMaster) {
        paintValue(grid, 0, kGreyColor);
        paintValue(grid, 5, kGreyColor);
        paintValues(grid, 6, 9, kWhiteColor);
        paintValue(grid, 11, kWhiteColor);
        paintValue(grid, 10, pulse ? kWhiteColor : kGreyColor);
        paintValue(grid, 13, kGreyColor);
        paintValue(grid, 18, kWhiteColor);
    } else if (mode == text::ModbusSlave) {
        paintValues(grid, 5, 6, kWhiteColor);
        paintValues(grid, 7, 11, kGreyColor);
        paintValue(grid, 13, kGreyColor);
        paintValue(grid, 18, kWhiteColor);
    } else if (mode == text::CustomProtocol) {
        paintValues(grid, 5, 11, kGreyColor);
        paintValue(grid, 18, kWhiteColor);
    } else if (mode == text::CommonMode) {
        paintValue(grid, 0, device.commonMode ? kGreyColor : kWhiteColor);
        paintValues(grid, 5, 11, kGreyColor);
        paintValues(grid, 12, 19, kWhiteColor);
        if (config.common.frameControl == text::CharacterTimeout)
            paintValue(grid, 14, kGreyColor);
        paintValue(grid, 19, kGreyColor);
    }
}

void writeSubnetValues(GridControl& grid, const CONFIG& config) {
    const std::string& mode = config.protocolMode;
    auto put = [&grid](int row, std::string_view value) { grid.setTextMatrix(row, 1, value); };
    put(0, mode);
    if (mode == text::ModbusMaster) {
        const MASTERPARAM& m = config.master;
        put(1, m.masterBaud);
        put(2, m.masterDataBits);
        put(3, m.masterParity);
        put(4, m.masterStopBits);
        put(6, m.masterTransmission);
        put(7, shownValue(m.responseTimeout));
        put(8, shownValue(m.pollDelay));
        put(9, m.outputMode);
        put(10, shownValue(m.outputPulse));
        put(11, shownValue(m.scanRate));
        put(12, config.common.commInterface);
        put(13, otherInterface(config.common.commInterface));
    } else if (mode == text::ModbusSlave) {
        const SLAVEPARAM& s = config.slave;
        put(1, s.slaveBaud);
        put(2, s.slaveDataBits);
        put(3, s.slaveParity);
        put(4, s.slaveStopBits);
        put(5, s.slaveAddress);
        put(6, s.slaveTransmission);
        put(12, config.common.commInterface);
        put(13, otherInterface(config.common.commInterface));
    } else if (mode == text::CustomProtocol) {
        const CUSTOMPARAM& c = config.custom;
        put(1, c.customBaud);
        put(2, c.customDataBits);
        put(3, c.customParity);
        put(4, c.customStopBits);
    } else if (mode == text::CommonMode) {
        const COMMONPARAM& c = config.common;
        put(1, c.commonBaud);
        put(2, c.commonDataBits);
        put(3, c.commonParity);
        put(4, c.commonStopBits);
        put(12, c.frameControl);
        put(13, c.charTimeout);
        put(14, c.charCount);
        put(15, c.autoSend);
        put(16, c.autoSendCycle);
        put(17, c.useCrc);
        put(18, c.commInterface);
        put(19, otherInterface(c.commInterface));
    }
}

bool isOneOf(int code, std::initializer_list<int> codes) {
    for (const int c : codes)
        if (c == code)
            return true;
    return false;
}

} // namespace

std::string shownValue(const std::string& stored) {
    return stored == text::NotSet ? std::string() : stored;
}

std::string otherInterface(const std::string& commInterface) {
    return std::string(commInterface == text::Rs232 ? text::Rs485 : text::Rs232);
}

void fillFieldbusPage(GridControl& grid, const Project& project) {
    const FIELDBUS& f = project.store.fieldbus;
    startPage(grid);
    setRow(grid, 0, msg::LabelTypeOfProtocol, f.fieldbusType);
    paintValue(grid, 0, kGreyColor);
    setRow(grid, 1, msg::LabelDeviceNetAddress, shownValue(f.stationAddress));
    setRow(grid, 2, msg::LabelDeviceNetBaud, f.fieldbusBaud);
    paintValue(grid, 2, kGreyColor);
    setRow(grid, 3, msg::LabelInputBuffer, f.inputSize);
    setRow(grid, 4, msg::LabelOutputBuffer, f.outputSize);
}

void fillSubnetPage(GridControl& grid, const Project& project, int subnetIndex,
                    bool& pulseRowEnabled) {
    const CONFIG& config = project.store.subnets.at(subnetIndex);
    startPage(grid);
    const bool pulse = config.master.outputMode == text::PulseOutput;
    if (config.protocolMode == text::ModbusMaster)
        pulseRowEnabled = pulse;
    paintSubnet(grid, config, project.device, pulse);
    for (int row = 0; row < static_cast<int>(kSubnetLabels.size()); ++row)
        grid.setTextMatrix(row, 0, loadString(kSubnetLabels[row]));
    writeSubnetValues(grid, config);
}

void fillNodePage(GridControl& grid, const Project& project, int node) {
    startPage(grid);
    const CONFIG& config = project.store.subnets[0];
    const std::string address =
        node >= 1 && node <= kMaxNodes ? shownValue(config.nodes[node - 1].address) : "";
    setRow(grid, 0, msg::LabelNodeSlaveAddress, address);
}

void fillCommandPage(GridControl& grid, Project& project, int command) {
    startPage(grid);
    if (command < 1 || command > kMaxCommands)
        return;
    CONFIG& config = project.store.subnets[0];
    INSTRUCTION& ins = config.commands[command - 1];
    if (ins.nodeNumber >= 1 && ins.nodeNumber <= kMaxNodes)
        ins.slaveAddress = config.nodes[ins.nodeNumber - 1].address;
    if (config.master.masterTransmission == text::Rtu)
        ins.checkType = text::Crc;
    else if (config.master.masterTransmission == text::Ascii)
        ins.checkType = text::Lrc;

    const int code = functionCodeOf(ins);
    const bool dataFilter = project.device.dataFilter;

    setRow(grid, 0, msg::LabelNodeSlaveAddress, shownValue(ins.slaveAddress));
    paintValue(grid, 0, kGreyColor);
    setRow(grid, 1, msg::LabelFunctionCode, ins.functionCode);
    paintValue(grid, 1, kGreyColor);
    setRow(grid, 2, msg::LabelStartingAddress, shownValue(ins.startAddress));
    setRow(grid, 3, msg::LabelNumberOfData, shownValue(ins.dataCount));
    if (isOneOf(code, {5, 6}))
        paintValue(grid, 3, kGreyColor);
    const bool mapped = !ins.mapAddress.empty() && ins.mapAddress != text::NotSet;
    setRow(grid, 4, msg::LabelMappingAddress, mapped ? ins.mapAddress + "H" : "");
    setRow(grid, 5, msg::LabelBitOffset, shownValue(ins.bitOffset));
    if (isOneOf(code, {3, 4, 6, 16}))
        paintValue(grid, 5, kGreyColor);
    std::string bytes = shownValue(ins.byteCount);
    if (code == 5)
        bytes = "1";
    else if (code == 6)
        bytes = "2";
    setRow(grid, 6, msg::LabelNumberOfBytes, bytes);
    paintValue(grid, 6, kGreyColor);
    const bool fixedSwap = isOneOf(code, {1, 2, 5, 15}) || (dataFilter && isOneOf(code, {6, 16}));
    std::string swap = ins.swapMode;
    if (fixedSwap)
        swap = dataFilter ? text::FullWord : text::NoSwap;
    setRow(grid, 7, dataFilter ? msg::LabelDataFilter : msg::LabelByteSwap, swap);
    if (fixedSwap)
        paintValue(grid, 7, kGreyColor);
    setRow(grid, 8, msg::LabelTypeOfCheck, ins.checkType);
    paintValue(grid, 8, kGreyColor);
    setRow(grid, 9, msg::LabelTypeOfScan, ins.scanType);
}

void layoutPropertyGrid(GridControl& grid, int gridWidthTwips) {
    const int width = gridWidthTwips / 2;
    if (width <= 0)
        return;
    for (int col = 0; col < kGridCols; ++col)
        grid.setColWidth(col, width);
    for (int row = 0; row < grid.rows(); ++row)
        grid.setRowHeight(row, kRowHeightTwips);
}

std::string pageRowHelp(ItemKind page, int row, const DeviceSettings& device) {
    static constexpr std::array kFieldbus = {msg::HelpFieldbus0, msg::HelpFieldbus1,
                                             msg::HelpFieldbus2, msg::HelpFieldbus3,
                                             msg::HelpFieldbus4};
    static constexpr std::array kSubnet = {
        msg::HelpSubnet0,  msg::HelpSubnet1,  msg::HelpSubnet2,  msg::HelpSubnet3, msg::HelpSubnet4,
        msg::HelpSubnet5,  msg::HelpSubnet6,  msg::HelpSubnet7,  msg::HelpSubnet8, msg::HelpSubnet9,
        msg::HelpSubnet10, msg::HelpSubnet11, msg::HelpSubnet12, msg::HelpSubnet13};
    static constexpr std::array kCommand = {msg::HelpCommand0, msg::HelpCommand1, msg::HelpCommand2,
                                            msg::HelpCommand3, msg::HelpCommand4, msg::HelpCommand5,
                                            msg::HelpCommand6, msg::HelpCommand7, msg::HelpCommand8,
                                            msg::HelpCommand9};

    auto pick = [row](const auto& table) {
        return row >= 0 && row < static_cast<int>(table.size())
                   ? std::string(loadString(table[row]))
                   : std::string();
    };
    switch (page) {
    case ItemKind::Fieldbus:
        return pick(kFieldbus);
    case ItemKind::Subnet:
        if (row == 1 && device.commonMode)
            return std::string(loadString(msg::HelpSubnet1CommonMode));
        return pick(kSubnet);
    case ItemKind::Node:
        return row == 0 ? std::string(loadString(msg::HelpNode0)) : std::string();
    case ItemKind::Command:
        if (row == 3 && device.doubleFault)
            return std::string(loadString(msg::HelpCommand3DoubleFault));
        if (row == 4 && device.doubleFault)
            return std::string(loadString(msg::HelpCommand4DoubleFault));
        if (row == 7 && device.dataFilter)
            return std::string(loadString(msg::HelpCommand7DataFilter));
        return pick(kCommand);
    case ItemKind::None:
        break;
    }
    return {};
}

} // namespace brenmoor
