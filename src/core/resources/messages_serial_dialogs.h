#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// Serial Port Configuration.
inline constexpr MessageId SerialConfigTitle{1850};
inline constexpr MessageId SerialConfigPort{1851};
inline constexpr MessageId SerialConfigBaudRate{1852};
inline constexpr MessageId SerialConfigCheckBit{1853};
inline constexpr MessageId SerialConfigDataBits{1854};
inline constexpr MessageId SerialConfigStopBits{1855};
inline constexpr MessageId SerialConfigRefresh{1856};

// Download Configuration and Upload Configuration.
inline constexpr MessageId DownloadDialogTitle{1860};
inline constexpr MessageId UploadDialogTitle{1861};
inline constexpr MessageId DownloadButton{1862};
inline constexpr MessageId UploadButton{1863};
inline constexpr MessageId ExitButton{1864};
inline constexpr MessageId VerifyAfterDownload{1865};
inline constexpr MessageId VerifyDifferencesHeading{1866};

// The simulated gateway of --simulate.
inline constexpr MessageId SimulatorFailed{1880};
inline constexpr MessageId SimulatorPortDescription{1881};

} // namespace brenmoor::msg
