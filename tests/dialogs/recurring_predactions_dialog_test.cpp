#include "dialogs/recurring_predactions_dialog.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "resources/recurring_predactions_dialog_resource.h"
#include "support/scripted_host.h"

namespace purso {
namespace {

using test::CDialogDriver;
using test::CScriptedHost;
namespace ids = recurring_predactions_dialog;

// Runs the dialog in 1999 with the fields typed (null: as it opened) and Add pressed.
int RunAdd(CRecurringPredactionsDialog& dialog, const char* interval, const char* first, const char* last,
           const char* amount, const std::function<void(CDialogDriver&)>& then) {
  CScriptedHost host;
  return host.Run(dialog, [&](CDialogDriver& d) {
    const std::pair<int, const char*> fields[] = {
        {ids::kInterval, interval}, {ids::kFirst, first}, {ids::kLast, last}, {ids::kAmount, amount}};
    for (const auto& [field, text] : fields) {
      if (text != nullptr) d.Type(field, text);
    }
    d.Enter();
    then(d);
  });
}

TEST(RecurringPredactionsDialogTest, RefusesAnIntervalBeyondTheUnitsLargest) {
  const std::pair<SeriesUnit, std::string> limits[] = {
      {SeriesUnit::kDays, "366"}, {SeriesUnit::kWeeks, "54"}, {SeriesUnit::kMonths, "12"}};
  for (const auto& [unit, largest] : limits) {
    for (const std::string& typed : {std::string("0"), std::string("-1"), std::string("abc"), std::string(),
                                     std::to_string(std::stoi(largest) + 1)}) {
      SCOPED_TRACE(typed + " " + largest);
      CAccountBook book;
      CRecurringPredactionsDialog dialog(book, unit);
      const std::string suggestion = "Enter a number between 1 and " + largest + ".";
      RunAdd(dialog, typed.c_str(), nullptr, nullptr, "5", [&](CDialogDriver& d) {
        d.ExpectRefused("The predaction interval is invalid.", suggestion, ids::kInterval);
        d.Escape();
      });
    }
  }
}

TEST(RecurringPredactionsDialogTest, RefusesTheDatesThenTheAmount) {
  const std::string dateSuggestion =
      "- check the day and the month for errors\n- check the PURSO settings for the current date format.";
  const struct {
    const char* first;
    const char* last;
    const char* amount;
    std::string problem;
    std::string suggestion;
    int field;
  } cases[] = {
      {"02/29", "x", "x", "The first predaction date is invalid.", dateSuggestion, ids::kFirst},
      {"02/28", "0228", "x", "The last predaction date is invalid.", dateSuggestion, ids::kLast},
      {"02/28", "02/27", "x", "The last predaction occurs before the first predaction.",
       "Change the first or the last predaction date.", ids::kFirst},
      {"02/28", "02/28", "", "The amount is invalid (bad format)", "Enter a valid number.", ids::kAmount},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.problem);
    CAccountBook book;
    CRecurringPredactionsDialog dialog(book, SeriesUnit::kDays);
    RunAdd(dialog, "12", c.first, c.last, c.amount, [&](CDialogDriver& d) {
      d.ExpectRefused(c.problem, c.suggestion, c.field);
      d.Escape();
    });
  }
}

TEST(RecurringPredactionsDialogTest, OpensOnTheWholeYearAndAddGivesTheSeries) {
  CAccountBook book;
  book.Settings().dateOrder = DateOrder::kDayFirst;
  book.Settings().dateSeparator = '.';  // the shown dates, with "/", still read
  CRecurringPredactionsDialog dialog(book, SeriesUnit::kWeeks);
  const int result = RunAdd(dialog, "3x", nullptr, nullptr, "$1,250.5", [](CDialogDriver& d) {
    d.ExpectAccepted();
    EXPECT_EQ(d.Text(ids::kUnit), "weeks");
    EXPECT_EQ(d.Text(ids::kFirst), "01/01");
    EXPECT_EQ(d.Text(ids::kLast), "31/12");
  });
  EXPECT_EQ(result, ids::kAdd);
  EXPECT_EQ(dialog.Series().interval, 3u);
  EXPECT_EQ(dialog.Series().first, 101);
  EXPECT_EQ(dialog.Series().last, 1231);
  EXPECT_EQ(dialog.Series().amount, 1250.5);
}

}  // namespace
}  // namespace purso
