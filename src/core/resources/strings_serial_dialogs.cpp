#include "core/resources/messages_serial_dialogs.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::SerialConfigTitle, "Serial Port Configuration"},
    {msg::SerialConfigPort, "Port"},
    {msg::SerialConfigBaudRate, "Baud rate"},
    {msg::SerialConfigCheckBit, "Check Bit"},
    {msg::SerialConfigDataBits, "Data bits"},
    {msg::SerialConfigStopBits, "Stop Bits"},
    {msg::SerialConfigRefresh, "Refresh"},

    {msg::DownloadDialogTitle, "Download Configuration"},
    {msg::UploadDialogTitle, "Upload Configuration"},
    {msg::DownloadButton, "Download"},
    {msg::UploadButton, "Upload"},
    {msg::ExitButton, "Exit"},
    {msg::VerifyAfterDownload, "Verify after download"},
    {msg::VerifyDifferencesHeading, "The gateway does not hold what was downloaded:"},

    {msg::SimulatorFailed, "The simulated gateway could not be started: %s"},
    {msg::SimulatorPortDescription, "Simulated gateway"},
};
} // namespace

std::span<const StringEntry> serialDialogStrings() {
    return kEntries;
}

} // namespace brenmoor
