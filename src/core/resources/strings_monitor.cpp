#include "core/resources/messages_monitor.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::OpenSerialPortFailed, "Open the serial port failed!"},
    {msg::CorrectResponse, "Correct response"},
    {msg::AbnormalResponse, "Abnormal response"},
    {msg::ResponseError, "Response error"},
    {msg::ResponseTimeout, "Response Timeout"},
    {msg::ExceptionIllegalDataAddress, "02 (Illegal Data Address)"},
    {msg::ExceptionNotValidData, "03 (not valid data)"},
    {msg::ExceptionEquipmentFailure, "04 (from equipment failure)"},
    {msg::ExceptionOk, "05 (Ok)"},
    {msg::ExceptionSlaveBusy, "06 (slave device busy)"},
    {msg::ExceptionNegative, "07 (negative)"},
    {msg::ExceptionMemoryCheckBit, "08 (memory check bit error)"},
    {msg::ExceptionIllegalFunction, "01 (no legitimate function code)"},
    {msg::NoResponseToNode, "No response to the node"},
    {msg::StopSaving, "Stop Saving"},
    {msg::SaveContent, "Save Content"},
    {msg::ContinueToDisplay, "Continue to Display"},
    {msg::StopDisplaying, "Stop Displaying"},
    {msg::PleaseComplete, "Please complete!"},
    {msg::IllegalHexData, "Enter the illegal data, enter the correct data in hexadecimal format"},
    {msg::InputFormatIncorrect, "Input data format is incorrect!"},
    {msg::MappingAddressOutOfRange, "Memory-mapped address is outside the specified range!"},
    {msg::ReadingSerialFailure, "Reading the serial failure!"},
    {msg::ReceivedDataMalformed, "The received data is not formatted correctly!"},
    {msg::SaveToDiskQuestion, "Save the data to the disk drives?"},
    {msg::ColumnState, "State"},
    {msg::ColumnSlaveAddress, "Slave Address"},
    {msg::ColumnStartingAddress, "Starting Address"},
    {msg::ColumnData, "Data/Exception Code"},
    {msg::MonitorCaption, "I/O data monitoring"},
    {msg::MappingAddressLabel, "Memory Mapping Address:"},
    {msg::DataLabel, "Data:"},
    {msg::SendButton, "Send"},
    {msg::MonitorExitButton, "Exit"},
    {msg::SaveFileType, ".txt"},
    {msg::SaveFileNotOpened, "The file %s could not be opened to save the monitored data."},
    {msg::SaveFileNotWritten,
     "The monitored data could not be written to the file %s. Saving has stopped."},
};
} // namespace

std::span<const StringEntry> monitorStrings() {
    return kEntries;
}

} // namespace brenmoor
