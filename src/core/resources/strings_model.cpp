#include "core/resources/messages_model.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::UnexpectedFileFormat, "Unexpected file format."},
    {msg::FailedToOpenDocument, "Failed to open document."},
    {msg::FailedToSaveDocument, "Failed to save document."},
    {msg::FileNotFound, "%1 was not found."},
    {msg::FileAccessDenied, "Access to %1 was denied."},
    {msg::FileDiskFull, "Disk full while accessing %1."},
    {msg::FileGenericError, "An unexpected error occurred while accessing %1."},
    {msg::FileBadPath, "%1 contains an invalid path."},
    {msg::FileTooManyOpen, "%1 could not be opened because there are too many open files."},
    {msg::FileHardwareError, "A hardware I/O error was reported while accessing %1."},
    {msg::FileTooLarge, "%1 is too large to be read."},
    {msg::FieldbusRoot, "Fieldbus"},
    {msg::SubnetRoot, "Subnet"},
    {msg::NodeWord, "Node"},
    {msg::NewNodeName, "New Node"},
    {msg::NodeNamePrefix, "Node-"},
    {msg::BytesSuffix, "Bytes"},
    {msg::TimeoutCleared, "Timeout cleared"},
    {msg::ReadCoilStatus, "Read Coil Status"},
    {msg::ReadInputStatus, "Read Input Status"},
    {msg::ReadHoldingRegisters, "Read Holding Registers"},
    {msg::ReadInputRegister, "Read Input Register"},
    {msg::ForceSingleCoil, "Force Single Coil"},
    {msg::PresetSingleRegister, "Preset Single Register"},
    {msg::ForceMultipleCoils, "Force Multiple Coils"},
    {msg::PresetMultipleRegisters, "Preset Multiple Registers"},
};
} // namespace

std::span<const StringEntry> modelStrings() {
    return kEntries;
}

} // namespace brenmoor
