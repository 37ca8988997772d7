// The CSV reader and writer: the forms spreadsheet programs write, and
// where a text stops being CSV.
#include "core/export/csv_text.h"
#include "core/resources/messages_documents.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace brenmoor {
namespace {

CsvTable table(std::string_view text) {
    auto parsed = parseCsv(text);
    EXPECT_TRUE(std::holds_alternative<CsvTable>(parsed)) << text;
    return std::holds_alternative<CsvTable>(parsed) ? std::get<CsvTable>(parsed) : CsvTable{};
}

CsvProblem problem(std::string_view text) {
    auto parsed = parseCsv(text);
    EXPECT_TRUE(std::holds_alternative<CsvProblem>(parsed)) << text;
    return std::holds_alternative<CsvProblem>(parsed) ? std::get<CsvProblem>(parsed) : CsvProblem{};
}

using Fields = std::vector<std::string>;

TEST(CsvText, ReadsWhatSpreadsheetsWrite) {
    // A locale with a decimal comma separates with semicolons; a byte
    // order mark may come first; lines end in CRLF or LF.
    const CsvTable semicolons =
        table("\xEF\xBB\xBFNo.;Slave\r\n1;\"a;b\"\r\n2;\"say \"\"hi\"\"\"\n");
    EXPECT_EQ(semicolons.separator, ';');
    ASSERT_EQ(semicolons.records.size(), 3u);
    EXPECT_EQ(semicolons.records[0].fields, (Fields{"No.", "Slave"}));
    EXPECT_EQ(semicolons.records[1].fields, (Fields{"1", "a;b"}));
    EXPECT_EQ(semicolons.records[2].fields, (Fields{"2", "say \"hi\""}));

    // Blank lines and rows of empty cells are skipped; a quoted line break
    // is part of its field and the lines after it are counted.
    const CsvTable commas = table("a,b\n\n,\n\"x\ny\",2\nlast,\n");
    EXPECT_EQ(commas.separator, ',');
    ASSERT_EQ(commas.records.size(), 3u);
    EXPECT_EQ(commas.records[1].fields, (Fields{"x\ny", "2"}));
    EXPECT_EQ(commas.records[1].line, 4);
    EXPECT_EQ(commas.records[2].fields, (Fields{"last", ""}));
    EXPECT_EQ(commas.records[2].line, 6);
}

MATCHER_P3(IsProblem, line, column, message, "") {
    return arg.line == line && arg.column == column && arg.message == message;
}

TEST(CsvText, BrokenTextIsPlaced) {
    // Every broken row is listed, and the rows after it are still read.
    const CsvTable rows = table("a,b\n1,\"x\"y\nx\"y,2\n3,4\n5,\"never closed\n6,7\n");
    ASSERT_EQ(rows.records.size(), 2u);
    EXPECT_EQ(rows.records[1].fields, (Fields{"3", "4"}));
    EXPECT_THAT(rows.problems, ::testing::ElementsAre(IsProblem(2, 2, msg::CsvTextAfterQuote),
                                                      IsProblem(3, 1, msg::CsvQuoteInField),
                                                      IsProblem(5, 2, msg::CsvUnclosedQuote)));

    // Without a header nothing else can be read.
    EXPECT_THAT(problem("a\"b,c\n1,2\n"), IsProblem(1, 1, msg::CsvQuoteInField));
    EXPECT_EQ(problem("").message, msg::CsvEmpty);
    EXPECT_EQ(problem("\xEF\xBB\xBF\r\n;;\r\n").message, msg::CsvEmpty);
    EXPECT_EQ(problem(std::string(kMaxCsvBytes + 1, 'a')).message, msg::CsvTooLarge);
    EXPECT_EQ(problem(std::string("\x89PNG\r\n\x1A\n\0\0", 10)).message, msg::CsvNotText);
    EXPECT_EQ(problem("\xFF\xFE"
                      "a\0,\0b\0")
                  .message,
              msg::CsvUtf16);
}

TEST(CsvText, ACodePageTextIsReadAsWindows1252) {
    const CsvTable text = table("Name;Ort\r\nPumpe S\xFC\x64;\x80\r\n");
    EXPECT_EQ(text.records[1].fields, (Fields{"Pumpe S\xC3\xBC\x64", "\xE2\x82\xAC"}));
}

TEST(CsvText, WrittenRecordsReadBack) {
    const Fields fields{"plain", "with,comma", "with \"quote\"", "two\r\nlines", ""};
    const std::string line = csvRecord(fields);
    EXPECT_EQ(line, "plain,\"with,comma\",\"with \"\"quote\"\"\",\"two\r\nlines\",\r\n");
    const CsvTable back = table(csvRecord({"h1", "h2", "h3", "h4", "h5"}) + line);
    ASSERT_EQ(back.records.size(), 2u);
    EXPECT_EQ(back.records[1].fields, fields);
}

} // namespace
} // namespace brenmoor
