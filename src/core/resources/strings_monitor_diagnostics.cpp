#include "core/resources/messages_monitor_diagnostics.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::CommandAmbiguous, "ambiguous"},
    {msg::CommandNotInProject, "not in the project"},
    {msg::StatisticsTab, "Statistics"},
    {msg::PlotTab, "Plot"},
    {msg::ResetStatisticsButton, "Reset"},
    {msg::ExportLogButton, "Export log..."},
    {msg::DecodeAsLabel, "Decode as:"},
    {msg::LogPathLabel, "Log: %s"},
    {msg::LogNotWritten, "Log not written: %s"},
    {msg::LogExportFailed, "The log could not be written to %s."},
    {msg::LogExportFileType, "CSV files (*.csv)"},
    {msg::StatsColumnSlave, "Slave"},
    {msg::StatsColumnStart, "Start"},
    {msg::StatsColumnCommand, "Command"},
    {msg::StatsColumnCorrect, "Correct"},
    {msg::StatsColumnAbnormal, "Abnormal"},
    {msg::StatsColumnExceptions, "Exceptions"},
    {msg::StatsColumnErrors, "Errors"},
    {msg::StatsColumnTimeouts, "Timeouts"},
    {msg::StatsColumnFailures, "Failures"},
    {msg::StatsColumnLastSeen, "Last seen"},
    {msg::StatsColumnType, "Type"},
    {msg::StatsColumnLastValue, "Last value"},
    {msg::PlotCommandsLabel, "Commands to plot:"},
    {msg::PlotWindowLabel, "Window:"},
    {msg::PlotWindowMinute, "1 minute"},
    {msg::PlotWindowTenMinutes, "10 minutes"},
    {msg::PlotWindowHour, "1 hour"},
    {msg::PlotWindowSession, "Whole session"},
    {msg::PlotPositionLabel, "Position:"},
};
} // namespace

std::span<const StringEntry> monitorDiagnosticsStrings() {
    return kEntries;
}

} // namespace brenmoor
