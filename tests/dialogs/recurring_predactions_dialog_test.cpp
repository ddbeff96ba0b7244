#include "dialogs/recurring_predactions_dialog.h"

#include <gtest/gtest.h>

#include <string>

#include "resources/recurring_predactions_dialog_resource.h"
#include "support/scripted_host.h"

namespace purso {
namespace {

using test::CDialogDriver;
using test::CScriptedHost;
namespace ids = recurring_predactions_dialog;

constexpr const char* kDateSuggestion =
    "- check the day and the month for errors\n- check the PURSO settings for the current date format.";

TEST(RecurringPredactionsDialogTest, OpensOnTheWholeYearInTheDateOrder) {
  for (const DateOrder order : {DateOrder::kMonthFirst, DateOrder::kDayFirst}) {
    CAccountBook book;
    book.Settings().dateOrder = order;
    book.Settings().dateSeparator = '-';
    CRecurringPredactionsDialog dialog(book, SeriesUnit::kWeeks);
    CScriptedHost host;
    host.Run(dialog, [&](CDialogDriver& d) {
      EXPECT_EQ(d.Text(ids::kInterval), "1");
      EXPECT_EQ(d.Text(ids::kUnit), "weeks");
      EXPECT_EQ(d.Text(ids::kFirst), "01/01");
      EXPECT_EQ(d.Text(ids::kLast), order == DateOrder::kDayFirst ? "31/12" : "12/31");
      d.Press(ids::kCancel);
    });
  }
}

TEST(RecurringPredactionsDialogTest, AddChecksInOrderAndRefusesTheFirstFault) {
  const struct {
    SeriesUnit unit;
    const char* interval;
    const char* first;
    const char* last;
    const char* amount;
    std::string problem;
    std::string suggestion;
    int field;
  } cases[] = {
      {SeriesUnit::kDays, "0", "x", "x", "x", "The predaction interval is invalid.",
       "Enter a number between 1 and 366.", ids::kInterval},
      {SeriesUnit::kDays, "-1", "", "", "", "The predaction interval is invalid.", "Enter a number between 1 and 366.",
       ids::kInterval},
      {SeriesUnit::kDays, "367", "", "", "", "The predaction interval is invalid.", "Enter a number between 1 and 366.",
       ids::kInterval},
      {SeriesUnit::kDays, "abc", "", "", "", "The predaction interval is invalid.", "Enter a number between 1 and 366.",
       ids::kInterval},
      {SeriesUnit::kWeeks, "55", "", "", "", "The predaction interval is invalid.", "Enter a number between 1 and 54.",
       ids::kInterval},
      {SeriesUnit::kMonths, "13", "", "", "", "The predaction interval is invalid.", "Enter a number between 1 and 12.",
       ids::kInterval},
      {SeriesUnit::kMonths, "12", "02/30", "", "", "The first predaction date is invalid.", kDateSuggestion,
       ids::kFirst},
      {SeriesUnit::kMonths, "12", "02/28", "0228", "", "The last predaction date is invalid.", kDateSuggestion,
       ids::kLast},
      {SeriesUnit::kMonths, "12", "02/28", "02/27", "", "The last predaction occurs before the first predaction.",
       "Change the first or the last predaction date.", ids::kFirst},
      {SeriesUnit::kMonths, "12", "02/28", "02/28", "", "The amount is invalid (bad format)", "Enter a valid number.",
       ids::kAmount},
      {SeriesUnit::kMonths, "12", "02/28", "02/28", "999999999.5", "The amount is invalid (number too big)",
       "Enter a number < 999999999", ids::kAmount},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.problem + " " + c.interval);
    CAccountBook book;
    CRecurringPredactionsDialog dialog(book, c.unit);
    CScriptedHost host;
    host.Run(dialog, [&](CDialogDriver& d) {
      d.Type(ids::kInterval, c.interval);
      d.Type(ids::kFirst, c.first);
      d.Type(ids::kLast, c.last);
      d.Type(ids::kAmount, c.amount);
      d.Enter();
      d.ExpectRefused(c.problem, c.suggestion, c.field);
      d.Escape();
    });
  }
}

TEST(RecurringPredactionsDialogTest, AddGivesTheSeries) {
  CAccountBook book;
  CRecurringPredactionsDialog dialog(book, SeriesUnit::kDays);
  CScriptedHost host;
  const int result = host.Run(dialog, [](CDialogDriver& d) {
    d.Type(ids::kInterval, "3x");
    d.Type(ids::kLast, "03/15");
    d.Type(ids::kAmount, "$1,250.5");
    d.Enter();
    d.ExpectAccepted();
  });
  EXPECT_EQ(result, ids::kAdd);
  const PredactionSeries& series = dialog.Series();
  EXPECT_EQ(series.interval, 3u);
  EXPECT_EQ(series.first, 101);
  EXPECT_EQ(series.last, 315);
  EXPECT_EQ(series.amount, 1250.5);
}

}  // namespace
}  // namespace purso
