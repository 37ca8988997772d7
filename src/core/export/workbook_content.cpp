#include "core/export/workbook_content.h"

#include "core/model/function_code.h"
#include "core/model/store_texts.h"
#include "core/resources/messages_export.h"
#include "core/resources/messages_model.h"
#include "core/resources/string_table.h"

#include <algorithm>
#include <initializer_list>

namespace brenmoor {
namespace {

// Fields that hold "-1" until the user sets them are exported empty, as the
// grid shows them.
std::string blankIfNotSet(const std::string& value) {
    return value == text::NotSet ? std::string() : value;
}

// A mapping address is written with the "H" of the grid; an address that was
// never set (or never entered) stays empty instead of showing a lone "H".
std::string mappingAddressText(const std::string& mapAddress) {
    if (mapAddress.empty() || mapAddress == text::NotSet)
        return {};
    return mapAddress + "H";
}

std::string byteCountText(const INSTRUCTION& command) {
    switch (functionCodeOf(command)) {
    case 5:
        return "1";
    case 6:
        return "2";
    default:
        return blankIfNotSet(command.byteCount);
    }
}

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

void refreshCheckType(INSTRUCTION& command, const CONFIG& subnet) {
    if (subnet.master.masterTransmission == text::Rtu)
        command.checkType = text::Crc;
    else if (subnet.master.masterTransmission == text::Ascii)
        command.checkType = text::Lrc;
}

WorksheetContent commandListSheet(const DeviceSettings& device, ParameterStore& store) {
    SheetBuilder sheet(msg::CommandListSheet);
    sheet.putHeaders({msg::HeaderNumber, msg::HeaderSlaveAddress, msg::HeaderFunctionCode,
                      msg::HeaderStartingAddress, msg::HeaderNumberOfData,
                      msg::HeaderMappingAddress, msg::HeaderBitOffset, msg::HeaderNumberOfBytes,
                      device.dataFilter ? msg::HeaderDataFilter : msg::HeaderByteSwap,
                      msg::HeaderTypeOfCheck, msg::HeaderTypeOfScan});
    int row = kHeaderRow + 1;
    for (CONFIG& subnet : store.subnets) {
        const int count = std::clamp(subnet.commandCount, 0, kMaxCommands);
        for (int k = 0; k < count; ++k, ++row) {
            INSTRUCTION& command = subnet.commands[static_cast<size_t>(k)];
            refreshCheckType(command, subnet);
            sheet.putRow(row, 1,
                         {std::to_string(row - kHeaderRow), blankIfNotSet(command.slaveAddress),
                          command.functionCode, blankIfNotSet(command.startAddress),
                          blankIfNotSet(command.dataCount), mappingAddressText(command.mapAddress),
                          command.bitOffset, byteCountText(command), command.swapMode,
                          command.checkType, command.scanType});
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
                 {std::string(text::DeviceNet), blankIfNotSet(fieldbus.stationAddress),
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
                     {master.masterTransmission, blankIfNotSet(master.responseTimeout),
                      blankIfNotSet(master.pollDelay), master.outputMode,
                      blankIfNotSet(master.outputPulse), blankIfNotSet(master.scanRate)});
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

WorkbookContent buildWorkbookContent(const DeviceSettings& device, ParameterStore& store) {
    WorkbookContent content;
    // The command list is built first: it brings checkType up to date in the
    // store. The sheets still appear fieldbus first, as in the tree.
    WorksheetContent commands = commandListSheet(device, store);
    content.sheets.push_back(fieldbusSheet(store.fieldbus));
    content.sheets.push_back(subnetSheet(device, store.subnets[0]));
    content.sheets.push_back(std::move(commands));
    return content;
}

} // namespace brenmoor
