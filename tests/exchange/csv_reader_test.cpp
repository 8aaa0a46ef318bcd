// The comma-separated reader: the forms other programs write, and every malformed or
// oversized input refused with its line.

#include <gtest/gtest.h>

#include "exchange/csv_reader.h"

namespace mv52 {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvReader, ReadsQuotedFieldsLineEndsAndBlankLines) {
    const CsvText csv = readCsv("\xEF\xBB\xBF" "a,b\r\n\"x, \"\"y\"\"\",\r\n\n\"two\nlines\",z\rlast,\"\"");
    ASSERT_TRUE(csv.faults.empty()) << csv.faults.front().reason;
    ASSERT_EQ(csv.records.size(), 4u);
    EXPECT_EQ(csv.records[0].fields, (Fields{"a", "b"}));
    EXPECT_EQ(csv.records[1].fields, (Fields{"x, \"y\"", ""}));
    EXPECT_EQ(csv.records[2].fields, (Fields{"two\nlines", "z"}));
    EXPECT_EQ(csv.records[3].fields, (Fields{"last", ""}));
    EXPECT_EQ(csv.records[2].line, 4);
    EXPECT_EQ(csv.records[3].line, 6);
}

TEST(CsvReader, RefusesMalformedRecordsWithTheirLinesAndReadsOn) {
    struct Case {
        const char* text;
        int line;
        const char* reason;
    };
    const Case cases[] = {
        {"a,b\nx\"y,1\nok,2\n", 2, "a quote inside a field that does not start with one"},
        {"a,b\n\"x\"y,1\nok,2\n", 2, "text after the closing quote of a field"},
        {"a,b\nok,2\n\"never closed,1\nmore\n", 3, "a quoted field is not closed"},
    };
    for (const Case& c : cases) {
        const CsvText csv = readCsv(c.text);
        ASSERT_EQ(csv.faults.size(), 1u) << c.text;
        EXPECT_EQ(csv.faults[0].line, c.line) << c.text;
        EXPECT_EQ(csv.faults[0].reason, c.reason) << c.text;
        EXPECT_EQ(csv.records.front().fields, (Fields{"a", "b"}));
    }
    // The good record after a bad one is still read.
    EXPECT_EQ(readCsv("a,b\nx\"y,1\nok,2\n").records.back().fields, (Fields{"ok", "2"}));
}

TEST(CsvReader, RefusesWhatNoChannelListHolds) {
    EXPECT_EQ(readCsv(std::string(kCsvMaxBytes + 1, 'a')).faults.at(0).line, 1);
    EXPECT_EQ(readCsv("x," + std::string(kCsvMaxFieldBytes + 1, 'a')).faults.at(0).reason,
              "a field longer than 256 characters");
    EXPECT_EQ(readCsv("\"" + std::string(kCsvMaxFieldBytes + 1, 'a') + "\"").faults.size(), 1u);
    EXPECT_EQ(readCsv(std::string(kCsvMaxFields, ',')).faults.at(0).reason, "more than 64 columns");
    std::string rows;
    for (std::size_t i = 0; i <= kCsvMaxRecords; ++i) rows += "1\n";
    const CsvText many = readCsv(rows);
    EXPECT_EQ(many.records.size(), kCsvMaxRecords);
    EXPECT_EQ(many.faults.at(0).line, static_cast<int>(kCsvMaxRecords) + 1);
}

TEST(CsvReader, WritesFieldsThatReadBack) {
    for (const std::string value : {"plain", "a,b", "say \"hi\"", "two\r\nlines", " padded ", ""}) {
        const CsvText csv = readCsv(csvField(value) + ",end");
        ASSERT_TRUE(csv.faults.empty()) << value;
        EXPECT_EQ(csv.records.at(0).fields, (Fields{value, "end"}));
    }
    EXPECT_EQ(csvField("plain"), "plain");
}

}  // namespace
}  // namespace mv52
