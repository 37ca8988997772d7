#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// How a record's slave and starting address meet the project's commands,
// when they name no single command.
inline constexpr MessageId CommandAmbiguous{1530};
inline constexpr MessageId CommandNotInProject{1531};

// The panel beside the monitor's list.
inline constexpr MessageId StatisticsTab{1540};
inline constexpr MessageId PlotTab{1541};
inline constexpr MessageId ResetStatisticsButton{1542};
inline constexpr MessageId ExportLogButton{1543};
inline constexpr MessageId DecodeAsLabel{1544};
inline constexpr MessageId LogPathLabel{1545};      // "%s": the session log's path
inline constexpr MessageId LogNotWritten{1546};     // "%s": why
inline constexpr MessageId LogExportFailed{1547};   // "%s": the file
inline constexpr MessageId LogExportFileType{1548}; // the save dialog's filter

// The statistics table's columns, in order.
inline constexpr MessageId StatsColumnSlave{1550};
inline constexpr MessageId StatsColumnStart{1551};
inline constexpr MessageId StatsColumnCommand{1552};
inline constexpr MessageId StatsColumnCorrect{1553};
inline constexpr MessageId StatsColumnAbnormal{1554};
inline constexpr MessageId StatsColumnExceptions{1555};
inline constexpr MessageId StatsColumnErrors{1556};
inline constexpr MessageId StatsColumnTimeouts{1557};
inline constexpr MessageId StatsColumnFailures{1558};
inline constexpr MessageId StatsColumnLastSeen{1559};
inline constexpr MessageId StatsColumnType{1560};
inline constexpr MessageId StatsColumnLastValue{1561};

// The plot.
inline constexpr MessageId PlotCommandsLabel{1570};
inline constexpr MessageId PlotWindowLabel{1571};
inline constexpr MessageId PlotWindowMinute{1572};
inline constexpr MessageId PlotWindowTenMinutes{1573};
inline constexpr MessageId PlotWindowHour{1574};
inline constexpr MessageId PlotWindowSession{1575};
inline constexpr MessageId PlotPositionLabel{1578};

} // namespace brenmoor::msg
