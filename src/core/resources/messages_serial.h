#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// Port access.
inline constexpr MessageId PortFailedToOpen{61665};
inline constexpr MessageId ErrorReadingPortParameters{61609};
inline constexpr MessageId SerialSettingError{61610};
inline constexpr MessageId NoSerialPort{1400};
inline constexpr MessageId ImproperArgument{1401};
// Why a port did not open, shown beside the message of the step that failed.
inline constexpr MessageId PortPermissionDenied{1402}; // %1: the group
inline constexpr MessageId PortBusy{1403};
inline constexpr MessageId PortBusyHeldBy{1404};
inline constexpr MessageId PortGone{1405};
inline constexpr MessageId PortNoSuchDevice{1406};
inline constexpr MessageId PortNotSerial{1407};
inline constexpr MessageId PortSystemReason{1408};
inline constexpr MessageId PortOwnerOnly{1409};
inline constexpr MessageId PortBusyOrDenied{1410};
inline constexpr MessageId ParityNone{61574};
inline constexpr MessageId ParityOdd{61737};
inline constexpr MessageId ParityEven{61738};
inline constexpr MessageId ParityMark{61589};
inline constexpr MessageId ParitySpace{61590};

// Download.
inline constexpr MessageId NodeAddressEmpty{61613};
inline constexpr MessageId DownloadingPleaseWait{64733};
inline constexpr MessageId ReadDeviceTypeTimeout{61597};
inline constexpr MessageId DownloadError{61617};
inline constexpr MessageId DeviceTypeMismatch{61616};
inline constexpr MessageId DownloadingDeviceNet{61666};
inline constexpr MessageId DownloadingModbusParameters{61667};
inline constexpr MessageId DownloadingModbusCommands{61668};
inline constexpr MessageId DeviceNetTimeout{61618};
inline constexpr MessageId DeviceNetDownloadError{61619};
inline constexpr MessageId ModbusParametersTimeout{61620};
inline constexpr MessageId ModbusParametersError{61621};
inline constexpr MessageId ClearCommandError{61622};
inline constexpr MessageId AddCommandTimeout{61623};
inline constexpr MessageId OneModbusSlaveOnly{61673};
inline constexpr MessageId CommandDownloadError{61674};
inline constexpr MessageId ConfigParametersTimeout{61606};
inline constexpr MessageId ConfigParametersError{61607};
inline constexpr MessageId ProfibusDownloadFailed{61625};
inline constexpr MessageId DownloadSuccessful{61735};

// Upload.
inline constexpr MessageId UploadingPleaseWait{64731};
inline constexpr MessageId UploadError{61598};
inline constexpr MessageId UploadingDeviceNet{61653};
inline constexpr MessageId UploadingModbusParameters{61654};
inline constexpr MessageId UploadingModbusCommands{61655};
inline constexpr MessageId ReadDeviceNetError{61600};
inline constexpr MessageId ReadModbusParametersError{61602};
inline constexpr MessageId ReadCommandCountError{61604};
inline constexpr MessageId ReadCommandPacketError{61661};
inline constexpr MessageId ProfibusUploadFailed{61608};
inline constexpr MessageId UploadSuccessful{64734};

} // namespace brenmoor::msg
