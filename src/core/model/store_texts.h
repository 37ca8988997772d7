#pragma once

#include <string_view>

// The option texts the store holds. Values are compared exactly, letter case
// included, so every comparison goes through these constants.
namespace brenmoor::text {

inline constexpr std::string_view NotSet = "-1";
inline constexpr std::string_view Open = "Open";
inline constexpr std::string_view Close = "Close";

inline constexpr std::string_view DeviceNet = "DeviceNet";
inline constexpr std::string_view Automatic = "Automatic";
inline constexpr std::string_view UseNumberOfBytes = "Use to select the number of bytes";
inline constexpr std::string_view EnterConfigData = "Enter the configuration data";
inline constexpr std::string_view ManuallyAssign = "Manually Assign";

inline constexpr std::string_view ModbusMaster = "Modbus Master";
inline constexpr std::string_view ModbusSlave = "Modbus Slave";
inline constexpr std::string_view CustomProtocol = "Custom protocol";
inline constexpr std::string_view CommonMode = "Common mode";

inline constexpr std::string_view Rtu = "RTU";
inline constexpr std::string_view Ascii = "ASCII";
inline constexpr std::string_view Crc = "CRC";
inline constexpr std::string_view Lrc = "LRC";

inline constexpr std::string_view Cycle = "Cycle";
inline constexpr std::string_view Forbidden = "Forbidden";
inline constexpr std::string_view ChangeOfValue = "Change of Value";
inline constexpr std::string_view PulseOutput = "Pulse output";

inline constexpr std::string_view CharacterTimeout = "Character timeout";
inline constexpr std::string_view NumberOfCharacters = "The number of characters";
inline constexpr std::string_view Delimiter = "Delimiter";

inline constexpr std::string_view Rs485 = "RS485";
inline constexpr std::string_view Rs232 = "RS232";

inline constexpr std::string_view TimeoutClearedAction = "Timeout cleared";
inline constexpr std::string_view Keep = "Keep";

inline constexpr std::string_view NoSwap = "No Swap";
inline constexpr std::string_view TwoBytesSwap = "Two Bytes Swap";
inline constexpr std::string_view FourBytesSwap = "Four Bytes Swap";
inline constexpr std::string_view FullWord = "Full word";
inline constexpr std::string_view HighByte = "High Byte";
inline constexpr std::string_view LowByte = "Low Byte";

inline constexpr std::string_view FastScan = "Fast Scan";
inline constexpr std::string_view SlowScan = "Slow Scan";

inline constexpr std::string_view NewNode = "New Node";
inline constexpr std::string_view NodePrefix = "Node-";

} // namespace brenmoor::text
