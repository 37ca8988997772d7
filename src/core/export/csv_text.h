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

// Where the text stops being CSV: line and field (1-based) and why.
struct CsvProblem {
    int line = 0;
    int column = 0;
    MessageId message{};
};

struct CsvTable {
    char separator = ',';
    std::vector<CsvRecord> records; // the header row first
    // The records after the header that are not CSV, left out of
    // `records`: a user fixing a file wants every broken line at once.
    std::vector<CsvProblem> problems;
};

// The most a command list needs by far; more is not read.
inline constexpr std::size_t kMaxCsvBytes = 1 << 20;

// Reads `text`: UTF-8 (or, when it is not valid UTF-8, Windows-1252) with an
// optional UTF-8 byte order mark, records ending in CRLF,
// LF or CR, fields separated by the separator the first record uses most
// (a comma unless it has more semicolons), quoted fields with doubled
// quotes inside. Records without any text (blank lines, a row of empty
// cells) are skipped. A record after the header that is not CSV is listed
// in the table's problems and reading goes on at the next line; an
// unclosed quote ends the reading there. What leaves no header to read by
// (no record, a broken first record, a text of NUL bytes or in UTF-16, a
// text too large) is the one problem returned.
std::variant<CsvTable, CsvProblem> parseCsv(std::string_view text);

// One field as RFC 4180 writes it: quoted only when it holds the separator,
// a quote or a line break, with its quotes doubled.
std::string csvField(std::string_view text, char separator = ',');

// One record as RFC 4180 writes it: fields quoted only when they hold the
// separator, a quote or a line break; ended with CRLF.
std::string csvRecord(const std::vector<std::string>& fields, char separator = ',');

} // namespace brenmoor
