// Descriptions made from payee and memo, and the keys payees are known by.
#include "statement/line_description.h"

#include <gtest/gtest.h>

#include <string>

#include "data/account_text.h"
#include "statement/statement_text.h"

namespace purso {
namespace {

TEST(LineDescriptionTest, JoinsPayeeAndMemoIntoAValidDescription) {
  struct Case {
    std::string payee;
    std::string memo;
    std::string description;
  };
  const Case kCases[] = {
      {"ACME Corp", "Invoice 12", "ACME Corp Invoice 12"},
      {"  ACME \t Corp ", "", "ACME Corp"},
      {"", "Card payment", "Card payment"},
      {"", "", ""},
      {"ACME Corp Invoice 12", "invoice 12", "ACME Corp Invoice 12"},
      {"50% off|sale", "me@home", "50 off sale me home"},
      {"Caf\u00e9 \u20ac \u4e2d", "line\nbreak", "Caf\xE9 \x80 ? line break"},
      {"Payment to the very long named company of somewhere", "", "Payment to the very long named company of"},
      {"Payment to the very long named company of somewh", "x", "Payment to the very long named company of somewh"},
      {std::string(60, 'x'), "", std::string(48, 'x')},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.payee);
    EXPECT_EQ(StatementDescription(c.payee, c.memo), c.description);
  }
}

TEST(LineDescriptionTest, KeysKeepLettersAndWordsOnly) {
  struct Case {
    std::string text;
    std::string key;
  };
  const Case kCases[] = {
      {"ACME Corp. #1234", "acme corp"},
      {"  acme   CORP ", "acme corp"},
      {"McDonald's 0815", "mcdonalds"},
      {"12/2024", ""},
      {"\xC9"
       "COLE \xE9t\xE9",
       "\xE9"
       "cole \xE9t\xE9"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(PayeeKey(c.text), c.key);
  }
}

TEST(StatementTextTest, IsUtf8WhenValidElseWindows1252) {
  EXPECT_EQ(StatementTextToUtf8("\xEF\xBB\xBF"
                                "Caf\xC3\xA9"),
            "Caf\xC3\xA9");
  EXPECT_EQ(StatementTextToUtf8("Caf\xE9 \x80"), "Caf\xC3\xA9 \xE2\x82\xAC");
  EXPECT_EQ(Utf8ToAccountText("Caf\xE9 \xC3\xA9\t\xF0\x9F\x98\x80"), "Caf\xE9 \xE9 ?");
}

}  // namespace
}  // namespace purso
