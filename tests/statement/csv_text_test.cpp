// CSV text: records with their lines, the separator guess, and writing fields.
#include "statement/csv_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace purso {
namespace {

using Fields = std::vector<std::string>;

TEST(CsvTextTest, SplitsRecordsLeniently) {
  const std::vector<CsvRecord> records =
      SplitCsvRecords("a,\"b,\"\"c\"\"\"\r\n\r\n\"multi\nline\",x\"y\rlast,\"open\n", ',');
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].line, 1u);
  EXPECT_EQ(records[0].fields, (Fields{"a", "b,\"c\""}));
  EXPECT_EQ(records[1].line, 3u);
  EXPECT_EQ(records[1].fields, (Fields{"multi\nline", "x\"y"}));
  EXPECT_EQ(records[2].line, 5u);
  EXPECT_EQ(records[2].fields, (Fields{"last", "open\n"}));
  EXPECT_EQ(SplitCsvRecords("x;;\n", ';').front().fields, (Fields{"x", "", ""}));
  EXPECT_EQ(SplitCsvRecords("\"a\"b, \"c\"", ',').front().fields, (Fields{"ab", " \"c\""}));
}

TEST(CsvTextTest, ALineOfSeparatorsIsSplitIntoBoundedFields) {
  const std::vector<CsvRecord> records = SplitCsvRecords(std::string(2000, ';') + "\nnext", ';', 1);
  ASSERT_EQ(records.size(), 1u);
  ASSERT_EQ(records[0].fields.size(), kMaxCsvFields);
  EXPECT_EQ(records[0].fields.back(), std::string(2000 - (kMaxCsvFields - 1), ';'));
}

TEST(CsvTextTest, GuessesTheSeparatorFromTheFirstLines) {
  EXPECT_EQ(GuessCsvSeparator("Date;Amount;\"a,b,c\"\n1;2,5;x"), ';');
  EXPECT_EQ(GuessCsvSeparator("Export of 3 March, 2024\n\nDate;Amount\n1;2\n3;4"), ';');
  EXPECT_EQ(GuessCsvSeparator("Date\tAmount\n"), '\t');
  EXPECT_EQ(GuessCsvSeparator("Date,Amount"), ',');
  EXPECT_EQ(GuessCsvSeparator("Date"), ',');
}

TEST(CsvTextTest, QuotesOnlyFieldsThatNeedIt) {
  std::string out;
  AppendCsvRecord(out, {"plain", "a,b", "say \"hi\"", "two\nlines", ""});
  EXPECT_EQ(out, "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n");
  EXPECT_EQ(SplitCsvRecords(out, ',').front().fields, (Fields{"plain", "a,b", "say \"hi\"", "two\nlines", ""}));
}

}  // namespace
}  // namespace purso
