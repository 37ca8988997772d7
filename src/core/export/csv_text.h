#pragma once

#include "core/resources/message_id.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace brenmoor {

// Comma-separated values as RFC 4180 has them, and as spreadsheet programs
// in locales with a decimal comma write them: with semicolons.

// One record: the line it starts on (1-based; a quoted field may span
// lines) and its fields.
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

struct CsvTable {
    char separator = ',';
    std::vector<CsvRecord> records; // the header row first
};

// Where the text stops being CSV: line and field (1-based) and why.
struct CsvProblem {
    int line = 0;
    int column = 0;
    MessageId message{};
};

// The most a command list needs by far; more is not read.
inline constexpr std::size_t kMaxCsvBytes = 1 << 20;

// Reads `text`: an optional UTF-8 byte order mark, records ending in CRLF,
// LF or CR, fields separated by the separator the first record uses most
// (a comma unless it has more semicolons), quoted fields with doubled
// quotes inside. Records without any text (blank lines, a row of empty
// cells) are skipped. A text without a record is a problem of its own.
std::variant<CsvTable, CsvProblem> parseCsv(std::string_view text);

// One record as RFC 4180 writes it: fields quoted only when they hold the
// separator, a quote or a line break; ended with CRLF.
std::string csvRecord(const std::vector<std::string>& fields, char separator = ',');

} // namespace brenmoor
