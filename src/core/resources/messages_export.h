#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// The workbook's sheet names; "Fieldbus" and "Subnet" are the tree captions
// of messages_model.h.
inline constexpr MessageId CommandListSheet{61725};

// Subnet sheet headers that the program has always written itself.
inline constexpr MessageId CommunicationInterfaceHeader{61555};
inline constexpr MessageId DebugInterfaceHeader{61556};

// The desktop's save dialog and the export's own failure.
inline constexpr MessageId ExcelFileFilter{1600};
inline constexpr MessageId WorkbookNotWritten{1601};
// Asked before an existing file is replaced, with its name for "%s".
inline constexpr MessageId WorkbookReplaceQuestion{1602};
// A text longer than a cell holds: the file, the column's header, the row
// and the sheet.
inline constexpr MessageId WorkbookCellTooLong{1603};

// Header row of "Command List", columns A to K; the data-filter flag renames
// column I as the grid does.
inline constexpr MessageId HeaderNumber{1610};
inline constexpr MessageId HeaderSlaveAddress{1611};
inline constexpr MessageId HeaderFunctionCode{1612};
inline constexpr MessageId HeaderStartingAddress{1613};
inline constexpr MessageId HeaderNumberOfData{1614};
inline constexpr MessageId HeaderMappingAddress{1615};
inline constexpr MessageId HeaderBitOffset{1616};
inline constexpr MessageId HeaderNumberOfBytes{1617};
inline constexpr MessageId HeaderByteSwap{1618};
inline constexpr MessageId HeaderDataFilter{1619};
inline constexpr MessageId HeaderTypeOfCheck{1620};
inline constexpr MessageId HeaderTypeOfScan{1621};

// Header row of "Fieldbus", columns A to E.
inline constexpr MessageId HeaderTypeOfProtocol{1630};
inline constexpr MessageId HeaderDeviceNetAddress{1631};
inline constexpr MessageId HeaderDeviceNetBaudRate{1632};
inline constexpr MessageId HeaderInputBuffer{1633};
inline constexpr MessageId HeaderOutputBuffer{1634};

// Header row of "Subnet", columns B to M (A is "No.", N and O are the ids
// above).
inline constexpr MessageId HeaderProtocolsMode{1641};
inline constexpr MessageId HeaderBaudRate{1642};
inline constexpr MessageId HeaderDataBits{1643};
inline constexpr MessageId HeaderParityCheck{1644};
inline constexpr MessageId HeaderStopBits{1645};
inline constexpr MessageId HeaderGatewaySlaveAddress{1646};
inline constexpr MessageId HeaderTransmissionMode{1647};
inline constexpr MessageId HeaderResponseTimeout{1648};
inline constexpr MessageId HeaderPollDelay{1649};
inline constexpr MessageId HeaderOutputMode{1650};
inline constexpr MessageId HeaderOutputPulse{1651};
inline constexpr MessageId HeaderScanRate{1652};

} // namespace brenmoor::msg
