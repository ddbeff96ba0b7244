#include "text/name_rules.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace purso {
namespace {

// A master-list table (name in column 0, then a number) holding names.
CRecordTable NameTable(const std::vector<std::string>& names) {
  CRecordTable table;
  EXPECT_TRUE(table.AddColumn(ColumnType::kText, 24));
  EXPECT_TRUE(table.AddColumn(ColumnType::kNumber, 8));
  for (const std::string& name : names) {
    EXPECT_TRUE(table.AddRow());
    EXPECT_TRUE(table.SetText(0, name));
  }
  return table;
}

NameProblem Pair(std::string_view problem, std::string_view suggestion) {
  return NameProblem{std::string(problem), std::string(suggestion)};
}

constexpr std::string_view kReserved = "Remove the '%', '|' & '@' characters.";

TEST(NameRulesTest, NewObjectChecksInOrder) {
  const auto tooLong = [](unsigned length) {
    return Pair("The name of the new object is invalid (too long). \nCurrent length = " + std::to_string(length) +
                    "\nMaximum length = 24",
                "Enter a shorter name for the new object");
  };
  const NameProblem reserved = Pair("The name of the new object is invalid.", kReserved);
  const NameProblem inUse =
      Pair("The name of the new object is invalid (already in use)", "Use a different name for the new object");
  struct Case {
    std::string typed;
    std::optional<NameProblem> expected;
  };
  const std::vector<Case> cases = {
      {"Bus", std::nullopt},
      {std::string(24, 'x'), std::nullopt},
      {std::string(25, 'x'), tooLong(25)},
      {std::string(100, 'x'), tooLong(79)},
      {"", Pair("The name of the new object is invalid (zero length)", "Enter a valid name for the new object")},
      {"%", reserved},
      {"a|b", reserved},
      {"x@y", reserved},
      {std::string(30, 'x') + "@", reserved},
      // Beyond the 79 characters read, a reserved character is not seen.
      {std::string(79, 'x') + "%", tooLong(79)},
      {"car", inUse},
      {"CAR", inUse},
      {" Car", std::nullopt},
      {"Car ", std::nullopt},
      {"   ", std::nullopt},
  };
  CRecordTable table = NameTable({"Food", "Car"});
  for (const Case& c : cases) {
    SCOPED_TRACE("typed \"" + c.typed + "\"");
    EXPECT_EQ(c.expected, CheckName(table, c.typed, NameList::kObjects, NameCommand::kAdd));
  }
  EXPECT_EQ(2u, table.GetRowCount());
}

TEST(NameRulesTest, EachListAndCommandHasItsOwnTexts) {
  struct Case {
    NameList list;
    NameCommand command;
    std::string typed;
    NameProblem expected;
  };
  const std::string longName(30, 'y');
  const std::vector<Case> cases = {
      {NameList::kObjects, NameCommand::kUpdate, "a%", Pair("The name of the object is invalid.", kReserved)},
      {NameList::kObjects, NameCommand::kUpdate, "FOOD",
       Pair("The name of the object is invalid (already in use)", "Use a different name for the object")},
      {NameList::kFunctionalAreas, NameCommand::kAdd, "",
       Pair("The name of the new functional area is invalid (zero length)",
            "Enter a valid name for the new functional area")},
      {NameList::kFunctionalAreas, NameCommand::kAdd, longName,
       Pair("The name of the new FNAect is invalid (too long). \nCurrent length = 30\nMaximum length = 24",
            "Enter a shorter name for the new FNAect")},
      {NameList::kFunctionalAreas, NameCommand::kAdd, "food",
       Pair("The name of the new FNAect is invalid (already in use)", "Use a different name for the new FNAect")},
      {NameList::kFunctionalAreas, NameCommand::kUpdate, "@",
       Pair("The name of the functional area is invalid.", kReserved)},
      {NameList::kFunctionalAreas, NameCommand::kUpdate, "Food",
       Pair("The name of the functional area is invalid (already in use)", "Use a different name for the FNA")},
      {NameList::kCategories, NameCommand::kAdd, "",
       Pair("The name of the new category is invalid (zero length).", "Enter a valid name for the new category.")},
      {NameList::kCategories, NameCommand::kAdd, longName,
       Pair("The name of the new category is invalid (too long). \nCurrent length = 30\nMaximum length = 24",
            "Enter a shorter name for the new object")},
      {NameList::kCategories, NameCommand::kAdd, "Food",
       Pair("The name of the new category is invalid (already in use)", "Use a different name for the new category")},
      {NameList::kCategories, NameCommand::kUpdate, "|",
       Pair("The name of the category is invalid.", kReserved)},
      {NameList::kCategories, NameCommand::kUpdate, "",
       Pair("The name of the category is invalid (zero length).", "Enter a valid name for the category.")},
      {NameList::kCategories, NameCommand::kUpdate, longName,
       Pair("The name of the category is invalid (too long). \nCurrent length = 30\nMaximum length = 24",
            "Enter a shorter name for the category")},
      {NameList::kCategories, NameCommand::kUpdate, "food",
       Pair("The new name of the category is invalid (already in use)", "Use a different new name for the category")},
  };
  CRecordTable table = NameTable({"Food", "Car"});
  for (const Case& c : cases) {
    SCOPED_TRACE("list " + std::to_string(static_cast<int>(c.list)) + " command " +
                 std::to_string(static_cast<int>(c.command)) + " typed \"" + c.typed + "\"");
    EXPECT_EQ(std::optional<NameProblem>(c.expected), CheckName(table, c.typed, c.list, c.command, "Car"));
  }
}

TEST(NameRulesTest, UpdateChecksTheLengthInEveryList) {
  CRecordTable table = NameTable({"Food", "Car"});
  // A renamed object or functional area must fit its field too, in the
  // wording of that list's Update texts.
  const std::vector<std::pair<NameList, std::string>> nouns = {{NameList::kObjects, "object"},
                                                               {NameList::kFunctionalAreas, "functional area"}};
  for (const auto& [list, noun] : nouns) {
    SCOPED_TRACE(noun);
    EXPECT_EQ(Pair("The name of the " + noun + " is invalid (zero length)", "Enter a valid name for the " + noun),
              CheckName(table, "", list, NameCommand::kUpdate, "Car"));
    EXPECT_EQ(Pair("The name of the " + noun + " is invalid (too long). \nCurrent length = 25\nMaximum length = 24",
                   "Enter a shorter name for the " + noun),
              CheckName(table, std::string(25, 'z'), list, NameCommand::kUpdate, "Car"));
    EXPECT_EQ(std::nullopt, CheckName(table, std::string(24, 'z'), list, NameCommand::kUpdate, "Car"));
  }
  // A category may change the case of its own name, but not take another's.
  EXPECT_EQ(std::nullopt, CheckName(table, "CAR", NameList::kCategories, NameCommand::kUpdate, "Car"));
  EXPECT_NE(std::nullopt, CheckName(table, "CAR", NameList::kCategories, NameCommand::kUpdate, "Food"));
  // The old name is no excuse on Add.
  EXPECT_NE(std::nullopt, CheckName(table, "CAR", NameList::kCategories, NameCommand::kAdd, "Car"));
}

TEST(NameRulesTest, FindNameGivesTheRowIdOfTheNameInAnyCase) {
  CRecordTable table = NameTable({"Food", "Car"});
  EXPECT_EQ(std::optional<std::uint32_t>(1), FindName(table, "cAR"));
  EXPECT_EQ(std::nullopt, FindName(table, "Ca"));
  for (std::uint32_t row = 0; row < table.GetRowCount(); ++row) EXPECT_TRUE(table.IsSelected(row)) << row;
}

TEST(NameRulesTest, NameInUseComparesWholeNamesAndClearsTheFilter) {
  const std::string full(24, 'n');  // fills the field, no terminator stored
  CRecordTable table = NameTable({"Car", full, "Food"});
  struct Case {
    std::string text;
    bool inUse;
  };
  const std::vector<Case> cases = {
      {"Car", true},     {"cAR", true},      {"Ca", false},        {"Cars", false},
      {full, true},      {full + "n", false}, {"", false},          {std::string(300, 'n'), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("text \"" + c.text + "\"");
    // An earlier query's filter is replaced, and none is left behind.
    table.SetTextCondition(0, 0, 0, Operator::kEqual, "Nothing");
    table.ApplyConditions();
    EXPECT_EQ(c.inUse, NameInUse(table, c.text));
    for (std::uint32_t row = 0; row < table.GetRowCount(); ++row) EXPECT_TRUE(table.IsSelected(row)) << row;
  }
}

}  // namespace
}  // namespace purso
