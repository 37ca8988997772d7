#include "core/resources/messages_documents.h"
#include "core/resources/string_fragments.h"

namespace brenmoor {

namespace {
constexpr StringEntry kEntries[] = {
    {msg::MenuPrint, "Print...\tCtrl+P"},
    {msg::MenuPrintPreview, "Print Preview..."},
    {msg::MenuExportReport, "Export Report (PDF)..."},
    {msg::MenuExportCommandList, "Export Command List..."},
    {msg::MenuImportCommandList, "Import Command List..."},
    {msg::PdfFileFilter, "PDF File(*.pdf)"},
    {msg::CsvFileFilter, "Command List(*.csv)"},
    {msg::ReportNotWritten, "The report %s could not be written."},
    {msg::ImportRefused, "The command list %s was not imported; nothing was changed:"},
    {msg::ImportErrorLine, "Line %1, column %2 (%3): %4"},
    {msg::ImportFileError, "Line %1: %2"},
    {msg::ImportErrorField, "Line %1, column %2: %3"},
    {msg::ImportQuestion,
     "The subnet already has %1 nodes and %2 commands. Replace them with the command list, or add "
     "the list's commands to them?"},
    {msg::ImportReplace, "Replace"},
    {msg::ImportAdd, "Add"},
    {msg::CsvEmpty, "The file holds no header row."},
    {msg::CsvUnclosedQuote, "A quoted field is not closed."},
    {msg::CsvTextAfterQuote, "A quoted field is followed by text before the next separator."},
    {msg::CsvQuoteInField, "A field that is not quoted contains a quote."},
    {msg::CsvTooLarge, "The file is larger than a command list can be."},
    {msg::CsvUnknownColumn, "The column \"%s\" is not a column of the command list."},
    {msg::CsvMissingColumn, "The column \"%s\" is missing."},
    {msg::CsvDuplicateColumn, "The column \"%s\" appears twice."},
    {msg::CsvFieldCount, "The row has %1 fields; the header row has %2."},
    {msg::CsvNotMaster, "Only a Modbus Master subnet has nodes and commands."},
    {msg::CsvNotText, "The file is not a text file."},
    {msg::CsvUtf16,
     "The file is written in UTF-16. Save it from the spreadsheet program as CSV in UTF-8 and "
     "import it again."},
    {msg::CsvNoRows,
     "The file holds no command, only its header row: importing it would remove every node and "
     "command."},
    {msg::RuleDecimal,
     "Must be a whole number from %1 to %2, written without leading zeros, blanks or sign."},
    {msg::RuleInRange, "Must be a number from %1 to %2."},
    {msg::RuleDataCount,
     "Must be a whole number from 1 to %d for this function code, written without leading "
     "zeros, blanks or sign."},
    {msg::RuleMapAddressRead,
     "Must be a hexadecimal address from %1 to %2 for a read command, without leading zeros or "
     "0x."},
    {msg::RuleMapAddressWrite,
     "Must be a hexadecimal address from %1 to %2 or from %3 to %4 for a write command, without "
     "leading zeros or 0x."},
    {msg::RuleChoice, "Must be one of: %s."},
    {msg::RuleFunctionCode, "Must be one of the function codes %s."},
    {msg::ReportTitle, "Commissioning Report"},
    {msg::ReportProjectFile, "Project file"},
    {msg::ReportCreated, "Created"},
    {msg::ReportProgramVersion, "Program version"},
    {msg::ReportUntitled, "Untitled"},
    {msg::ReportNodesAndCommands, "Nodes and Commands"},
    {msg::ReportNoNodes, "The subnet has no nodes."},
    {msg::ReportCommandsWithoutNode, "Commands of no node"},
    {msg::ReportMemoryMaps, "Memory Maps"},
    {msg::ReportMapUnused, "No byte of this area is in use."},
    {msg::ReportFindings, "Findings"},
    {msg::ReportConflicts, "Conflicts"},
    {msg::ReportNoConflicts, "No byte is used more than once."},
    {msg::ReportConflictBytes, "%1 bytes %2 to %3 are used more than once: %4."},
    {msg::ReportConflictByte, "%1 byte %2 is used more than once: %3."},
    {msg::ReportChecks, "Checks before a download"},
    {msg::ReportChecksPass, "The checks before a download find nothing."},
    {msg::ReportOverflow, "Overflow"},
    {msg::ReportNoOverflow, "The mapped data fits in the bytes the gateway moves."},
    {msg::ReportIoMap, "I/O Map for the PLC"},
    {msg::ReportIoMapIntro,
     "Where each command's data lies in the DeviceNet master's input and output data. Offsets "
     "and lengths are in bytes; an offset counts from the first byte of the input or output "
     "data."},
    {msg::ReportDirection, "Direction"},
    {msg::ReportOffset, "Offset"},
    {msg::ReportLength, "Length"},
    {msg::ReportNode, "Node"},
    {msg::ReportCommand, "Command"},
    {msg::ReportNotMapped, "not mapped"},
    {msg::ReportPageNumber, "Page %1 of %2"},
    {msg::ReportCommandName, "%1 %2"},
    {msg::ReportNoCommands, "No commands."},
    {msg::ReportOverflowTotal,
     "The input data ends at byte %1 and the output data at byte %2: %3 bytes, more than the %4 "
     "bytes the gateway moves."},
};
} // namespace

std::span<const StringEntry> documentStrings() {
    return kEntries;
}

} // namespace brenmoor
