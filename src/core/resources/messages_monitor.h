#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// State texts of a monitor record, states 0 to 3.
inline constexpr MessageId CorrectResponse{61682};
inline constexpr MessageId AbnormalResponse{61683};
inline constexpr MessageId ResponseError{61684};
inline constexpr MessageId ResponseTimeout{61685};

// Modbus exception codes 2 to 8 (65003 to 65009); every other code shows
// the text of code 1.
inline constexpr MessageId ExceptionIllegalDataAddress{65003};
inline constexpr MessageId ExceptionNotValidData{65004};
inline constexpr MessageId ExceptionEquipmentFailure{65005};
inline constexpr MessageId ExceptionOk{65006};
inline constexpr MessageId ExceptionSlaveBusy{65007};
inline constexpr MessageId ExceptionNegative{65008};
inline constexpr MessageId ExceptionMemoryCheckBit{65009};
inline constexpr MessageId ExceptionIllegalFunction{65010};
inline constexpr MessageId NoResponseToNode{65011};

// Button texts of the two toggles.
inline constexpr MessageId StopSaving{65012};
inline constexpr MessageId SaveContent{65013};
inline constexpr MessageId ContinueToDisplay{65014};
inline constexpr MessageId StopDisplaying{65015};

// Send's checks, in the order they are made, and its reading failures.
// The monitor's own text when its port cannot be opened.
inline constexpr MessageId OpenSerialPortFailed{61645};
inline constexpr MessageId PleaseComplete{61646};
inline constexpr MessageId IllegalHexData{61647};
inline constexpr MessageId InputFormatIncorrect{61648};
inline constexpr MessageId MappingAddressOutOfRange{61649};
inline constexpr MessageId ReadingSerialFailure{61650};
inline constexpr MessageId ReceivedDataMalformed{61651};

// Save Content's question.
inline constexpr MessageId SaveToDiskQuestion{61652};

// List column titles; the save file labels its lines with the same texts.
inline constexpr MessageId ColumnState{1500};
inline constexpr MessageId ColumnSlaveAddress{1501};
inline constexpr MessageId ColumnStartingAddress{1502};
inline constexpr MessageId ColumnData{1503};

// The dialog's caption, labels, buttons and save dialog file type.
inline constexpr MessageId MonitorCaption{1510};
inline constexpr MessageId MappingAddressLabel{1511};
inline constexpr MessageId DataLabel{1512};
inline constexpr MessageId SendButton{1513};
inline constexpr MessageId MonitorExitButton{1514};
inline constexpr MessageId SaveFileType{1515};

// The save file's failures, with the file name for "%s".
inline constexpr MessageId SaveFileNotOpened{1520};
inline constexpr MessageId SaveFileNotWritten{1521};

} // namespace brenmoor::msg
