#include "core/export/csv_text.h"

#include "core/model/text_encoding.h"
#include "core/resources/messages_documents.h"

#include <algorithm>

namespace brenmoor {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Marks[] = {"\xFF\xFE", "\xFE\xFF"};

// The separator of the first line that is not blank: counted outside quotes.
char detectSeparator(std::string_view text) {
    text.remove_prefix(std::min(text.size(), text.find_first_not_of("\r\n")));
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

bool blank(const CsvRecord& record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::string& field) { return field.empty(); });
}

class Reader {
  public:
    Reader(std::string_view text, char separator) : text_(text), separator_(separator) {}

    std::variant<CsvTable, CsvProblem> read() {
        CsvTable table;
        table.separator = separator_;
        while (pos_ < text_.size()) {
            CsvRecord record;
            record.line = line_;
            if (readRecord(record)) {
                if (!blank(record))
                    table.records.push_back(std::move(record));
                continue;
            }
            // Without its header no row can be read.
            if (table.records.empty())
                return problem_;
            table.problems.push_back(problem_);
            if (problem_.message == msg::CsvUnclosedQuote)
                break;
            skipRestOfLine();
        }
        if (table.records.empty())
            return CsvProblem{1, 0, msg::CsvEmpty};
        return table;
    }

  private:
    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return text_[pos_]; }

    // Consumes a line break at pos_, if there is one.
    bool lineBreak() {
        if (atEnd())
            return false;
        if (peek() == '\r') {
            ++pos_;
            if (!atEnd() && peek() == '\n')
                ++pos_;
        } else if (peek() == '\n') {
            ++pos_;
        } else {
            return false;
        }
        ++line_;
        return true;
    }

    // After a broken record: the next line starts the next one.
    void skipRestOfLine() {
        while (!atEnd() && !lineBreak())
            ++pos_;
    }

    bool fail(int line, int column, MessageId message) {
        problem_ = {line, column, message};
        return false;
    }

    bool readRecord(CsvRecord& record) {
        for (;;) {
            std::string field;
            const int column = static_cast<int>(record.fields.size()) + 1;
            if (!atEnd() && peek() == '"') {
                if (!readQuoted(field, column))
                    return false;
            } else if (!readPlain(field, column)) {
                return false;
            }
            record.fields.push_back(std::move(field));
            if (atEnd() || lineBreak())
                return true;
            ++pos_; // the separator
        }
    }

    bool readPlain(std::string& field, int column) {
        while (!atEnd()) {
            const char c = peek();
            if (c == separator_ || c == '\r' || c == '\n')
                return true;
            if (c == '"')
                return fail(line_, column, msg::CsvQuoteInField);
            field += c;
            ++pos_;
        }
        return true;
    }

    bool readQuoted(std::string& field, int column) {
        const int startLine = line_;
        ++pos_; // the opening quote
        for (;;) {
            if (atEnd())
                return fail(startLine, column, msg::CsvUnclosedQuote);
            const char c = peek();
            if (c == '"') {
                ++pos_;
                if (!atEnd() && peek() == '"') {
                    field += '"';
                    ++pos_;
                    continue;
                }
                break;
            }
            if (c == '\r' || c == '\n') {
                // A line break inside quotes is part of the field, as
                // written; the line count follows the file.
                const size_t from = pos_;
                lineBreak();
                field.append(text_.substr(from, pos_ - from));
                continue;
            }
            field += c;
            ++pos_;
        }
        if (atEnd() || peek() == separator_ || peek() == '\r' || peek() == '\n')
            return true;
        return fail(line_, column, msg::CsvTextAfterQuote);
    }

    std::string_view text_;
    char separator_;
    size_t pos_ = 0;
    int line_ = 1;
    CsvProblem problem_;
};

} // namespace

std::variant<CsvTable, CsvProblem> parseCsv(std::string_view text) {
    if (text.size() > kMaxCsvBytes)
        return CsvProblem{1, 0, msg::CsvTooLarge};
    for (const std::string_view mark : kUtf16Marks)
        if (text.starts_with(mark))
            return CsvProblem{1, 0, msg::CsvUtf16};
    if (text.find('\0') != std::string_view::npos)
        return CsvProblem{1, 0, msg::CsvNotText};
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    if (isValidUtf8(text))
        return Reader(text, detectSeparator(text)).read();
    // A spreadsheet saving "CSV" in a Western locale writes its code page:
    // read as the project files' texts are, what the user saw stays.
    const std::string converted = utf8Text(text);
    return Reader(converted, detectSeparator(converted)).read();
}

std::string csvField(std::string_view text, char separator) {
    const char special[] = {separator, '"', '\r', '\n'};
    if (text.find_first_of(std::string_view(special, std::size(special))) == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string csvRecord(const std::vector<std::string>& fields, char separator) {
    std::string line;
    for (size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += separator;
        line += csvField(fields[i], separator);
    }
    return line + "\r\n";
}

} // namespace brenmoor
