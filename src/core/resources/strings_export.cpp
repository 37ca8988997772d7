#include "core/resources/messages_export.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::CommandListSheet, "Command List"},
    {msg::CommunicationInterfaceHeader, "Communication Interface"},
    {msg::DebugInterfaceHeader, "Debug Interface"},
    {msg::ExcelFileFilter, "Execl File(*.xlsx)"},
    {msg::WorkbookNotWritten, "The workbook %s could not be written."},
    {msg::WorkbookCellTooLong,
     "The workbook %1 could not be written: the %2 of row %3 on the sheet %4 is longer than the "
     "32767 characters a cell can hold."},
    {msg::WorkbookReplaceQuestion, "%s already exists.\nDo you want to replace it?"},
    {msg::HeaderNumber, "No."},
    {msg::HeaderSlaveAddress, "Slave Address (0~247)"},
    {msg::HeaderFunctionCode, "Function Code"},
    {msg::HeaderStartingAddress, "Starting Address"},
    {msg::HeaderNumberOfData, "Number of Data"},
    {msg::HeaderMappingAddress, "Mapping Address (HEX)"},
    {msg::HeaderBitOffset, "Bit Offset (0~7)"},
    {msg::HeaderNumberOfBytes, "Number of Bytes"},
    {msg::HeaderByteSwap, "Byte Swap"},
    {msg::HeaderDataFilter, "Data Filter"},
    {msg::HeaderTypeOfCheck, "Type of Check"},
    {msg::HeaderTypeOfScan, "Type of Scan"},
    {msg::HeaderTypeOfProtocol, "Type of Protocol"},
    {msg::HeaderDeviceNetAddress, "DeviceNet Address(0~63)"},
    {msg::HeaderDeviceNetBaudRate, "DeviceNet Baud Rate"},
    {msg::HeaderInputBuffer, "Size of DeviceNet Input Buffer"},
    {msg::HeaderOutputBuffer, "Size of DeviceNet Output Buffer"},
    {msg::HeaderProtocolsMode, "Protocols Mode"},
    {msg::HeaderBaudRate, "Baud Rate"},
    {msg::HeaderDataBits, "Data Bits"},
    {msg::HeaderParityCheck, "Parity Check"},
    {msg::HeaderStopBits, "Stop Bits"},
    {msg::HeaderGatewaySlaveAddress, "Slave Address"},
    {msg::HeaderTransmissionMode, "Transmission Mode"},
    {msg::HeaderResponseTimeout, "Response Timeout(5~60000ms)"},
    {msg::HeaderPollDelay, "Delay Between Polls(0~2500ms)"},
    {msg::HeaderOutputMode, "Output Mode"},
    {msg::HeaderOutputPulse, "Output Pulse(200~2500ms)"},
    {msg::HeaderScanRate, "Scan Rate(1~255)"},
};
} // namespace

std::span<const StringEntry> exportStrings() {
    return kEntries;
}

} // namespace brenmoor
