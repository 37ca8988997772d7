#include "core/resources/messages_serial.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::PortFailedToOpen, "Port %s failed to open!"},
    {msg::ErrorReadingPortParameters, "Error reading the serial port parameters"},
    {msg::SerialSettingError, "Serial setting error"},
    {msg::NoSerialPort, "No serial port is available."},
    {msg::ImproperArgument, "Encountered an improper argument."},
    {msg::PortPermissionDenied,
     "You may not use this device: your user is not in the group \"%1\". Add it with "
     "\"sudo usermod -aG %1 $USER\", then log out and in again: a new group counts only "
     "from the next login."},
    {msg::PortOwnerOnly,
     "You may not use this device: its permissions let only its owner open it, no group of "
     "users. Serial devices normally belong to the group \"dialout\"; ask the administrator of "
     "this computer why this one does not."},
    {msg::PortBusy, "Another program is using this device. Close it and try again; ModemManager "
                    "and brltty are known to take USB serial adapters as they are plugged in."},
    {msg::PortBusyOrDenied,
     "Another program is using this port, or the system does not let this user open it. Close "
     "the program that uses it (a terminal program, another configuration tool) and try again."},
    {msg::PortBusyHeldBy, "The program \"%s\" is using this device. Close it and try again."},
    {msg::PortGone,
     "The device does not answer: it was unplugged, or there is no hardware behind it."},
    {msg::PortNoSuchDevice, "There is no such device. Is the adapter plugged in? It may have come "
                            "back under another name: the port list shows the names there are "
                            "now."},
    {msg::PortNotSerial, "This device is not a serial port."},
    {msg::PortSystemReason, "The system reports: %s."},
    {msg::ParityNone, "None"},
    {msg::ParityOdd, "Odd"},
    {msg::ParityEven, "Even"},
    {msg::ParityMark, "Mark"},
    {msg::ParitySpace, "Space"},

    {msg::NodeAddressEmpty, "Node address can not be empty!"},
    {msg::DownloadingPleaseWait, "Downloading, please wait"},
    {msg::ReadDeviceTypeTimeout,
     "Read timeout gateway device type, check the serial port settings, etc."},
    {msg::DownloadError,
     "Download error. Please check the serial port selection and configuration, the device is "
     "powered on, whether it is in configuration mode"},
    {msg::DeviceTypeMismatch, "Device type does not match!"},
    {msg::DownloadingDeviceNet, "Downloading DeviceNet parameters configuration"},
    {msg::DownloadingModbusParameters, "Downloading Modbus parameters configuration"},
    {msg::DownloadingModbusCommands, "Downloading Modbus commands configuration"},
    {msg::DeviceNetTimeout, "DeviceNet or Profibus configuration parameters Timeout"},
    {msg::DeviceNetDownloadError, "DeviceNet or Profibus parameter configuration download error"},
    {msg::ModbusParametersTimeout, "Modbus configuration parameters Timeout"},
    {msg::ModbusParametersError, "Modbus configuration parameters Timeout..."},
    {msg::ClearCommandError, "Clear command error"},
    {msg::AddCommandTimeout, "Adding Modbus command timeout"},
    {msg::OneModbusSlaveOnly, "Does not support more than one Modbus slave"},
    {msg::CommandDownloadError, "Subnet 1Modbus command configures% d download error"},
    {msg::ConfigParametersTimeout, "Download configuration parameters Timeout"},
    {msg::ConfigParametersError, "Download configuration parameters error"},
    {msg::ProfibusDownloadFailed, "Download Profibus configuration data failed"},
    {msg::DownloadSuccessful, "Downloading is successful!"},

    {msg::UploadingPleaseWait, "Uploading, please wait"},
    {msg::UploadError,
     "Upload error. Please check the serial port selection and configuration, the device is "
     "powered on, whether it is in configuration mode."},
    {msg::UploadingDeviceNet, "Uploading DeviceNet parameters configuration"},
    {msg::UploadingModbusParameters, "Uploading Modbus parameters configuration"},
    {msg::UploadingModbusCommands, "Uploading Modbus commands configuration"},
    {msg::ReadDeviceNetError, "Read DeviceNet / Profibus configuration error"},
    {msg::ReadModbusParametersError, "Reading Modbus configuration error"},
    {msg::ReadCommandCountError, "Read Modbus command number of errors"},
    {msg::ReadCommandPacketError, "Modbus read command packet% d error list"},
    {msg::ProfibusUploadFailed, "Profibus configuration data failed to upload"},
    {msg::UploadSuccessful, "Uploading is successful!"},
};
} // namespace

std::span<const StringEntry> serialStrings() {
    return kEntries;
}

} // namespace brenmoor
