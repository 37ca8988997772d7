#include "core/export/workbook_content.h"

#include "core/model/shown_text.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_editor.h"
#include "core/resources/messages_export.h"
#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"

#include <algorithm>
#include <initializer_list>

namespace brenmoor {
namespace {

class SheetBuilder {
  public:
    explicit SheetBuilder(MessageId name) { sheet_.name = std::string(loadString(name)); }

    void put(int row, int column, std::string text) {
        sheet_.cells.push_back({row, column, std::move(text)});
    }
    void putRow(int row, int firstColumn, std::initializer_list<std::string> texts) {
        int column = firstColumn;
        for (const auto& text : texts)
            put(row, column++, text);
    }
    void putHeaders(std::initializer_list<MessageId> ids) {
        int column = 1;
        for (const MessageId id : ids)
            put(kHeaderRow, column++, std::string(loadString(id)));
    }
    WorksheetContent take() { return std::move(sheet_); }

  private:
    WorksheetContent sheet_;
};

std::string slaveAddressText(const INSTRUCTION& c) {
    return shownValue(c.slaveAddress);
}
std::string functionCodeText(const INSTRUCTION& c) {
    return c.functionCode;
}
std::string startAddressText(const INSTRUCTION& c) {
    return shownValue(c.startAddress);
}
std::string dataCountText(const INSTRUCTION& c) {
    return shownValue(c.dataCount);
}
std::string mapAddressText(const INSTRUCTION& c) {
    return shownMapAddress(c.mapAddress);
}
std::string bitOffsetText(const INSTRUCTION& c) {
    return c.bitOffset;
}
std::string byteCountText(const INSTRUCTION& c) {
    return shownByteCount(c);
}
std::string swapModeText(const INSTRUCTION& c) {
    return c.swapMode;
}
std::string checkTypeText(const INSTRUCTION& c) {
    return c.checkType;
}
std::string scanTypeText(const INSTRUCTION& c) {
    return c.scanType;
}

const CommandListColumn kCommandListColumns[] = {
    {msg::HeaderNumber, {}, {}, nullptr},
    {msg::HeaderSlaveAddress, {}, msg::LabelNodeSlaveAddress, slaveAddressText},
    {msg::HeaderFunctionCode, {}, msg::LabelFunctionCode, functionCodeText},
    {msg::HeaderStartingAddress, {}, msg::LabelStartingAddress, startAddressText},
    {msg::HeaderNumberOfData, {}, msg::LabelNumberOfData, dataCountText},
    {msg::HeaderMappingAddress, {}, msg::LabelMappingAddress, mapAddressText},
    {msg::HeaderBitOffset, {}, msg::LabelBitOffset, bitOffsetText},
    {msg::HeaderNumberOfBytes, {}, msg::LabelNumberOfBytes, byteCountText},
    {msg::HeaderByteSwap, msg::HeaderDataFilter, msg::LabelByteSwap, swapModeText},
    {msg::HeaderTypeOfCheck, {}, msg::LabelTypeOfCheck, checkTypeText},
    {msg::HeaderTypeOfScan, {}, msg::LabelTypeOfScan, scanTypeText},
};

WorksheetContent commandListSheet(const DeviceSettings& device, const ParameterStore& store) {
    SheetBuilder sheet(msg::CommandListSheet);
    int column = 1;
    for (const CommandListColumn& c : kCommandListColumns)
        sheet.put(kHeaderRow, column++, std::string(loadString(c.pick(device))));
    int row = kHeaderRow + 1;
    for (const CONFIG& subnet : store.subnets) {
        const int count = std::clamp(subnet.commandCount, 0, kMaxCommands);
        for (int k = 0; k < count; ++k, ++row) {
            const INSTRUCTION& command = subnet.commands[static_cast<size_t>(k)];
            column = 1;
            for (const CommandListColumn& c : kCommandListColumns)
                sheet.put(row, column++,
                          c.value ? c.value(command) : std::to_string(row - kHeaderRow));
        }
    }
    return sheet.take();
}

WorksheetContent fieldbusSheet(const FIELDBUS& fieldbus) {
    SheetBuilder sheet(msg::FieldbusRoot);
    sheet.putHeaders({msg::HeaderTypeOfProtocol, msg::HeaderDeviceNetAddress,
                      msg::HeaderDeviceNetBaudRate, msg::HeaderInputBuffer,
                      msg::HeaderOutputBuffer});
    sheet.putRow(2, 1,
                 {std::string(text::DeviceNet), shownValue(fieldbus.stationAddress),
                  fieldbus.fieldbusBaud, fieldbus.inputSize, fieldbus.outputSize});
    return sheet.take();
}

WorksheetContent subnetSheet(const DeviceSettings& device, const CONFIG& subnet) {
    SheetBuilder sheet(msg::SubnetRoot);
    sheet.putHeaders({msg::HeaderNumber, msg::HeaderProtocolsMode, msg::HeaderBaudRate,
                      msg::HeaderDataBits, msg::HeaderParityCheck, msg::HeaderStopBits,
                      msg::HeaderGatewaySlaveAddress, msg::HeaderTransmissionMode,
                      msg::HeaderResponseTimeout, msg::HeaderPollDelay, msg::HeaderOutputMode,
                      msg::HeaderOutputPulse, msg::HeaderScanRate});
    constexpr int row = 2;
    sheet.putRow(row, 1, {"1", subnet.protocolMode});

    const MASTERPARAM& master = subnet.master;
    const SLAVEPARAM& slave = subnet.slave;
    if (subnet.protocolMode == text::ModbusMaster) {
        sheet.putRow(
            row, 3,
            {master.masterBaud, master.masterDataBits, master.masterParity, master.masterStopBits});
        sheet.putRow(row, 8,
                     {master.masterTransmission, shownValue(master.responseTimeout),
                      shownValue(master.pollDelay), master.outputMode,
                      shownValue(master.outputPulse), shownValue(master.scanRate)});
    } else {
        // Every other mode exports the Modbus-slave line settings; only a
        // Modbus slave adds its own address and transmission mode.
        sheet.putRow(
            row, 3, {slave.slaveBaud, slave.slaveDataBits, slave.slaveParity, slave.slaveStopBits});
        if (subnet.protocolMode == text::ModbusSlave)
            sheet.putRow(row, 7, {slave.slaveAddress, slave.slaveTransmission});
    }

    if (device.model12) {
        constexpr int commColumn = 14; // N
        sheet.put(kHeaderRow, commColumn,
                  std::string(loadString(msg::CommunicationInterfaceHeader)));
        sheet.put(kHeaderRow, commColumn + 1, std::string(loadString(msg::DebugInterfaceHeader)));
        const std::string& comm = subnet.common.commInterface;
        sheet.put(row, commColumn, comm);
        sheet.put(row, commColumn + 1,
                  std::string(comm == text::Rs485 ? text::Rs232 : text::Rs485));
    }
    return sheet.take();
}

} // namespace

std::span<const CommandListColumn> commandListColumns() {
    return kCommandListColumns;
}

std::string_view WorksheetContent::text(int row, int column) const {
    // A later write to the same cell wins, as it would in the workbook.
    for (auto it = cells.rbegin(); it != cells.rend(); ++it)
        if (it->row == row && it->column == column)
            return it->text;
    return {};
}

bool WorksheetContent::has(int row, int column) const {
    return std::any_of(cells.begin(), cells.end(), [&](const WorkbookCell& cell) {
        return cell.row == row && cell.column == column;
    });
}

const WorksheetContent* WorkbookContent::sheet(std::string_view name) const {
    for (const auto& sheet : sheets)
        if (sheet.name == name)
            return &sheet;
    return nullptr;
}

WorkbookContent buildWorkbookContent(const Project& project) {
    WorkbookContent content;
    content.sheets.push_back(fieldbusSheet(project.store.fieldbus));
    content.sheets.push_back(subnetSheet(project.device, project.store.subnets[0]));
    content.sheets.push_back(commandListSheet(project.device, project.store));
    return content;
}

} // namespace brenmoor
