#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// Project file failures, with the framework's "%1" standing for the file name.
inline constexpr MessageId UnexpectedFileFormat{1000};
inline constexpr MessageId FailedToOpenDocument{1001};
inline constexpr MessageId FailedToSaveDocument{1002};
inline constexpr MessageId FileNotFound{1003};
inline constexpr MessageId FileAccessDenied{1004};
inline constexpr MessageId FileDiskFull{1005};
inline constexpr MessageId FileGenericError{1006};
inline constexpr MessageId FileBadPath{1007};
inline constexpr MessageId FileTooManyOpen{1008};
inline constexpr MessageId FileHardwareError{1009};
// A file larger than what is read for its purpose (a script, a JSON file).
inline constexpr MessageId FileTooLarge{1014};

// Tree captions and names shared by several subsystems.
inline constexpr MessageId FieldbusRoot{1010};
inline constexpr MessageId SubnetRoot{1011};
inline constexpr MessageId NodeWord{1012};
inline constexpr MessageId NewNodeName{1013};
inline constexpr MessageId NodeNamePrefix{64723};
inline constexpr MessageId BytesSuffix{61742};
inline constexpr MessageId TimeoutCleared{64745};

// Command names by function code (tree labels, check list rows, lists).
inline constexpr MessageId ReadCoilStatus{1020};
inline constexpr MessageId ReadInputStatus{1021};
inline constexpr MessageId ReadHoldingRegisters{1022};
inline constexpr MessageId ReadInputRegister{1023};
inline constexpr MessageId ForceSingleCoil{1024};
inline constexpr MessageId PresetSingleRegister{1025};
inline constexpr MessageId ForceMultipleCoils{1026};
inline constexpr MessageId PresetMultipleRegisters{1027};

} // namespace brenmoor::msg
