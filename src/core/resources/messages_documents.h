#pragma once

#include "core/resources/message_id.h"

namespace brenmoor::msg {

// The File menu's commissioning documents.
inline constexpr MessageId MenuPrint{2400};
inline constexpr MessageId MenuPrintPreview{2401};
inline constexpr MessageId MenuExportReport{2402};
inline constexpr MessageId MenuExportCommandList{2403};
inline constexpr MessageId MenuImportCommandList{2404};
inline constexpr MessageId PdfFileFilter{2405};
inline constexpr MessageId CsvFileFilter{2406};
inline constexpr MessageId ReportNotWritten{2407}; // "%s": the file
inline constexpr MessageId ImportRefused{2409};    // "%s": the file
inline constexpr MessageId ImportErrorLine{2410};  // %1 line, %2 column, %3 title, %4 message
inline constexpr MessageId ImportFileError{2411};  // %1 line, %2 message (no column)
inline constexpr MessageId ImportErrorField{2412}; // %1 line, %2 column, %3 message
inline constexpr MessageId ImportQuestion{2413};   // %1 nodes, %2 commands
inline constexpr MessageId ImportReplace{2414};
inline constexpr MessageId ImportAdd{2415};

// The command list read from CSV: its form.
inline constexpr MessageId CsvEmpty{2420};
inline constexpr MessageId CsvUnclosedQuote{2421};
inline constexpr MessageId CsvTextAfterQuote{2422};
inline constexpr MessageId CsvQuoteInField{2423};
inline constexpr MessageId CsvTooLarge{2424};
inline constexpr MessageId CsvUnknownColumn{2425};   // "%s": the title
inline constexpr MessageId CsvMissingColumn{2426};   // "%s": the title
inline constexpr MessageId CsvDuplicateColumn{2427}; // "%s": the title
inline constexpr MessageId CsvFieldCount{2428};      // %1 fields, %2 header fields
inline constexpr MessageId CsvNotMaster{2429};
inline constexpr MessageId CsvNotText{2430};
inline constexpr MessageId CsvUtf16{2431};
inline constexpr MessageId CsvNoRows{2432};

// Why a value the grid would refuse was refused.
inline constexpr MessageId RuleDecimal{2440};         // %1 low, %2 high
inline constexpr MessageId RuleInRange{2441};         // %1 low, %2 high
inline constexpr MessageId RuleDataCount{2442};       // "%d": the limit
inline constexpr MessageId RuleMapAddressRead{2443};  // %1 first, %2 last
inline constexpr MessageId RuleMapAddressWrite{2444}; // %1..%4: two ranges
inline constexpr MessageId RuleChoice{2445};          // "%s": the choices
inline constexpr MessageId RuleFunctionCode{2446};    // "%s": the codes

// The commissioning report.
inline constexpr MessageId ReportTitle{2460};
inline constexpr MessageId ReportProjectFile{2461};
inline constexpr MessageId ReportCreated{2462};
inline constexpr MessageId ReportProgramVersion{2463};
inline constexpr MessageId ReportUntitled{2464};
inline constexpr MessageId ReportNodesAndCommands{2465};
inline constexpr MessageId ReportNoNodes{2466};
inline constexpr MessageId ReportCommandsWithoutNode{2467};
inline constexpr MessageId ReportMemoryMaps{2468};
inline constexpr MessageId ReportMapUnused{2469};
inline constexpr MessageId ReportFindings{2470};
inline constexpr MessageId ReportConflicts{2471};
inline constexpr MessageId ReportNoConflicts{2472};
inline constexpr MessageId ReportConflictBytes{2473}; // %1 area, %2 first, %3 last, %4 commands
inline constexpr MessageId ReportChecks{2474};
inline constexpr MessageId ReportChecksPass{2475};
inline constexpr MessageId ReportOverflow{2476};
inline constexpr MessageId ReportNoOverflow{2477};
inline constexpr MessageId ReportIoMap{2478};
inline constexpr MessageId ReportIoMapIntro{2479};
inline constexpr MessageId ReportDirection{2480};
inline constexpr MessageId ReportOffset{2481};
inline constexpr MessageId ReportLength{2482};
inline constexpr MessageId ReportNode{2483};
inline constexpr MessageId ReportCommand{2484};
inline constexpr MessageId ReportNotMapped{2487};
inline constexpr MessageId ReportPageNumber{2488};  // %1 page, %2 pages
inline constexpr MessageId ReportCommandName{2489}; // %1 number, %2 function name
inline constexpr MessageId ReportNoCommands{2490};
inline constexpr MessageId ReportOverflowTotal{2492}; // %1 input, %2 output, %3 sum, %4 limit
inline constexpr MessageId ReportConflictByte{2493};  // %1 area, %2 byte, %3 commands

} // namespace brenmoor::msg
