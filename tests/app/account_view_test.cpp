#include "app/account_view.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/calendar.h"
#include "resources/opening_balance_dialog_resource.h"
#include "resources/predactions_dialog_resource.h"
#include "resources/settings_dialog_resource.h"
#include "support/ledger_records.h"
#include "support/recording_canvas.h"
#include "support/scripted_host.h"
#include "text/amount_text.h"
#include "text/list_row.h"

namespace purso {
namespace {

using test::CDialogDriver;
using test::CRecordingCanvas;
using test::CScriptedHost;
using namespace view_style;
namespace ids = account_view;
namespace chart = cash_flow_chart;

class CRecordingSurface final : public IViewSurface {
 public:
  void Invalidate(const PixelRect& area) override { areas.push_back(area); }
  std::vector<PixelRect> areas;
};

const std::vector<PixelRect> kRangeAreas = {chart::kPlotArea, chart::kLeftLabels, chart::kRightLabels,
                                            chart::kMonthStrip};

std::string Hidden(std::uint32_t id) {
  char text[16];
  std::snprintf(text, sizeof text, "@%08u@", id);
  return text;
}

// An outstanding row, spelled out rather than built, so that a wrong
// layout, order or colour shows.
std::string OutstandingRow(const char* key, const char* date, std::uint32_t id, const char* amountLayout,
                           const char* amount, const char* name) {
  return std::string("%000!035!LB%") + key + date + Hidden(id) + amountLayout + amount + "%100|200|LB%" + name +
         "%000!000!SB%";
}

class AccountViewTest : public ::testing::Test {
 protected:
  AccountViewTest() : scopedClock_(clock_), document_(host_), view_(document_) {
    host_.SetProgramPath("/opt/tolva/purso");
    view_.SetSurface(&surface_);
    view_.OnInitialUpdate();
    surface_.areas.clear();
  }

  CYearLedger& Ledger() { return document_.CurrentLedger(); }
  CControlModel& Controls() { return view_.Controls(); }

  std::uint32_t Category(std::string_view name, CategoryType type, double budget) {
    return test::AddCategory(Ledger(), name, type, budget);
  }

  std::uint32_t Predaction(std::uint32_t category, double date, double amount) {
    return test::AddPredaction(Ledger(), category, date, amount, test::PredactionBudget::kUntouched);
  }

  void Transaction(double date, std::uint32_t category, double amount, std::uint32_t match) {
    test::AddTransaction(Ledger(), date, category, amount, "Paid", match);
  }

  // 1999 with today June 15: two fixed and two variable categories, the
  // fixed ones with predactions before, on and after the balance date, one
  // of them matched. The variable budgets flow -9 a day.
  struct Year {
    std::uint32_t rent;
    std::uint32_t rentMarch;    // outstanding
    std::uint32_t salaryMarch;  // outstanding
    std::uint32_t salaryJune;   // outstanding, on the balance date
  };
  Year FillYear(double openingBalance) {
    Ledger().SetOpeningBalance(openingBalance);
    // Ids that differ from row indexes.
    test::BurnRowId(Ledger().Predactions());
    Year year{};
    year.rent = Category("Rent", CategoryType::kFixEx, 1500);
    const std::uint32_t salary = Category("Salary", CategoryType::kFixIn, 2000);
    const std::uint32_t food = Category("Food", CategoryType::kVarEx, 3640);
    const std::uint32_t bonus = Category("Bonus", CategoryType::kVarIn, 364);
    year.rentMarch = Predaction(year.rent, 301, 500);
    const std::uint32_t rentApril = Predaction(year.rent, 401, 500);
    Predaction(year.rent, 901, 500);  // after the balance date
    year.salaryMarch = Predaction(salary, 315, 2000);
    year.salaryJune = Predaction(salary, 615, 250);
    Predaction(food, 201, 50);
    Predaction(bonus, 201, 20);
    Transaction(401, year.rent, 500, rentApril);
    Recalculate();
    return year;
  }

  // What the document's commands do after a change: set the flag, tell the views.
  void Recalculate() {
    document_.SetRecalculation();
    document_.UpdateAllViews();
  }

  // A click on a view button: a check box flips before its command, as
  // the window system does it.
  void Click(int controlId) {
    if (Controls().KindOf(controlId) == ControlKind::kCheckBox) {
      Controls().ApplyChecked(controlId, !Controls().IsChecked(controlId));
    }
    view_.OnCommand(controlId);
  }

  CRecordingCanvas& Paint() {
    canvas_.Clear();
    view_.Paint(canvas_);
    return canvas_;
  }

  // The control ids among the month buttons that are checked.
  std::vector<int> CheckedMonthButtons() {
    std::vector<int> checked;
    for (int first : {ids::kFromMonth, ids::kToMonth}) {
      for (int k = 0; k < 12; ++k) {
        if (Controls().IsChecked(first + k)) checked.push_back(first + k);
      }
    }
    return checked;
  }

  CFixedClock clock_{CivilDate{1999, 6, 15}};
  CScopedClock scopedClock_;
  CScriptedHost host_;
  CpursoPXFDoc document_;
  CRecordingSurface surface_;
  CpursoPXFView view_;
  CRecordingCanvas canvas_;
};

struct LegendValue {
  const char* title;
  const char* value;
  Rgb colour;
};

void ExpectLegend(const CRecordingCanvas& canvas, const std::vector<LegendValue>& expected) {
  ASSERT_EQ(expected.size(), 4u);
  const auto values = canvas.TextsOnRow(38);
  ASSERT_EQ(values.size(), 4u) << canvas.Describe();
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    const PixelRect cell = ids::LegendCell(k);
    const LegendValue& want = expected[static_cast<std::size_t>(k)];
    const auto titles = canvas.TextsAt(cell.left + 4, 18);
    ASSERT_EQ(titles.size(), 1u);
    EXPECT_EQ(titles[0]->text, want.title);
    EXPECT_EQ(titles[0]->colour, kBlack);
    EXPECT_EQ(titles[0]->Font(), kSmallFont);
    const auto& value = *values[static_cast<std::size_t>(k)];
    EXPECT_EQ(value.text, want.value);
    EXPECT_EQ(value.colour, want.colour);
    EXPECT_EQ(value.background, kLightGrey);
    EXPECT_EQ(value.Font(), kLargeFont);
    EXPECT_EQ(value.Right(), cell.right - 4);
  }
}

TEST_F(AccountViewTest, AnEmptyAccountShowsZeroFiguresAndEmptyLists) {
  const CRecordingCanvas& canvas = Paint();
  EXPECT_FALSE(document_.NeedsRecalculation());
  ExpectLegend(canvas, {{"1999 Budget Balance", "$0.00", kBlue},
                        {"Xaction Balance Date", "06/15", kYellow},
                        {"Transaction Balance", "$0.00", kBlue},
                        {"Predaction Balance", "$0.00", kBlue}});
  EXPECT_EQ(Controls().ItemCount(ids::kOutstandingExpenses), 0u);
  EXPECT_EQ(Controls().ItemCount(ids::kOutstandingIncomes), 0u);

  struct Caption {
    int y;
    const char* text;
    Rgb totalColour;
  };
  for (const Caption& c : {Caption{14, "Outst. expenses", kRed}, Caption{242, "Outst. incomes", kBlue}}) {
    SCOPED_TRACE(c.text);
    const auto row = canvas.TextsOnRow(c.y);
    ASSERT_EQ(row.size(), 2u);
    EXPECT_EQ(row[0]->text, c.text);
    EXPECT_EQ(row[0]->x, 590);
    EXPECT_EQ(row[0]->colour, kBlack);
    EXPECT_EQ(row[1]->text, "$0.00");
    EXPECT_EQ(row[1]->Right(), 782);
    EXPECT_EQ(row[1]->colour, c.totalColour);
  }
}

TEST_F(AccountViewTest, PaintsLegendChartOutstandingPanelAndCaptionsInThatOrder) {
  const CRecordingCanvas& canvas = Paint();
  std::vector<PixelRect> boxes;
  for (const auto& rectangle : canvas.Rectangles()) {
    if (rectangle.outline == kBlack && rectangle.fill == kLightGrey) boxes.push_back(rectangle.rect);
  }
  EXPECT_EQ(boxes, (std::vector<PixelRect>{ids::kLegendBox, chart::kChartBox, ids::kOutstandingPanel}));
  const auto& panel = canvas.Rectangles().back();
  ASSERT_NE(canvas.FindText("Outst. expenses"), nullptr);
  EXPECT_LT(panel.order, canvas.FindText("Outst. expenses")->order);
  for (int k = 0; k < 4; ++k) {
    const PixelRect cell = ids::LegendCell(k);
    SCOPED_TRACE(cell.left);
    bool separator = false;
    for (const auto& line : canvas.Lines()) {
      separator |= line.x1 == cell.left + 4 && line.x2 == cell.right - 4 && line.y1 == 34 && line.y2 == 34 &&
                   line.colour == kBlack;
    }
    EXPECT_TRUE(separator);
  }
}

TEST_F(AccountViewTest, LegendShowsMagnitudesRedWhenNegative) {
  struct Case {
    double openingBalance;
    LegendValue transaction;
    LegendValue predaction;
  };
  // Net budget -1500 + 2000 - 3640 + 364. On June 15 (day 165) the actual
  // balance is the opening balance less the matched rent of 500, and the
  // predicted one adds 166 days at -9 and the predactions up to that day.
  const Case cases[] = {
      {1000, {"Transaction Balance", "$500.00", kBlue}, {"Predaction Balance", "$726.00", kBlue}},
      {-5000, {"Transaction Balance", "$5,500.00", kRed}, {"Predaction Balance", "$5,274.00", kRed}},
  };
  FillYear(0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.openingBalance);
    Ledger().SetOpeningBalance(c.openingBalance);
    Recalculate();
    const CRecordingCanvas& canvas = Paint();
    EXPECT_EQ(view_.BudgetBalance(), -2776);
    EXPECT_EQ(canvas.TextsContaining("-"), std::vector<const CRecordingCanvas::TextOp*>{});
    ExpectLegend(canvas, {{"1999 Budget Balance", "$2,776.00", kRed},
                          {"Xaction Balance Date", "06/15", kYellow},
                          c.transaction,
                          c.predaction});
  }
}

// The largest amounts the program takes, with a long currency symbol after
// them: each figure in the form that fits its cell, none running into the next.
TEST_F(AccountViewTest, LegendFiguresFitTheirCellsHoweverLarge) {
  CDisplaySettings& settings = document_.Book().Settings();
  settings.currencySymbol = "EUR";
  settings.symbolPosition = SymbolPosition::kAfter;
  settings.space = true;
  FillYear(kMaxAmount);
  const std::uint32_t prize = Category("Prize", CategoryType::kVarIn, kMaxAmount);
  Transaction(101, prize, kMaxAmount, kNoMatch);
  Recalculate();
  const CRecordingCanvas& canvas = Paint();
  ExpectLegend(canvas, {{"1999 Budget Balance", "999,997k EUR", kBlue},
                        {"Xaction Balance Date", "06/15", kYellow},
                        {"Transaction Balance", "2,000M EUR", kBlue},
                        {"Predaction Balance", "1,456M EUR", kBlue}});
  for (int k = 0; k < ids::kLegendCells; ++k) {
    const PixelRect cell = ids::LegendCell(k);
    for (const auto* text : canvas.TextsContaining("EUR")) {
      if (text->x < cell.left || text->x >= cell.right) continue;
      EXPECT_GE(text->x, cell.left + 4) << text->text;
      EXPECT_LE(text->x + text->width, cell.right - 4) << text->text;
    }
  }
}

TEST_F(AccountViewTest, OutstandingListsHoldTheUnmatchedFixedPredactionsDueByTheBalanceDate) {
  const Year year = FillYear(1000);
  const CRecordingCanvas& canvas = Paint();
  EXPECT_EQ(
      Controls().Items(ids::kOutstandingExpenses),
      std::vector<std::string>{OutstandingRow("|0301|", "03/01", year.rentMarch, "%040!095!RR%", "500.00", "Rent")});
  EXPECT_EQ(Controls().Items(ids::kOutstandingIncomes),
            (std::vector<std::string>{
                OutstandingRow("|0315|", "03/15", year.salaryMarch, "%040!095!RB%", "2,000.00", "Salary"),
                OutstandingRow("|0615|", "06/15", year.salaryJune, "%040!095!RB%", "250.00", "Salary")}));
  EXPECT_EQ(view_.OutstandingExpensesTotal(), 500);
  EXPECT_EQ(view_.OutstandingIncomesTotal(), 2250);
  const auto expenses = canvas.TextsOnRow(14);
  const auto incomes = canvas.TextsOnRow(242);
  ASSERT_EQ(expenses.size(), 2u);
  ASSERT_EQ(incomes.size(), 2u);
  EXPECT_EQ(expenses[1]->text, "$500.00");
  EXPECT_EQ(expenses[1]->Right(), 782);
  EXPECT_EQ(expenses[1]->colour, kRed);
  EXPECT_EQ(incomes[1]->text, "$2,250.00");
  EXPECT_EQ(incomes[1]->Right(), 782);
  EXPECT_EQ(incomes[1]->colour, kBlue);

  // The refill leaves no selection behind in the tables it searched.
  EXPECT_EQ(Ledger().Predactions().ApplyConditions(), Ledger().Predactions().GetRowCount());
  EXPECT_EQ(Ledger().Transactions().ApplyConditions(), Ledger().Transactions().GetRowCount());
}

TEST_F(AccountViewTest, FiguresAreComputedAgainOnlyWhenTheDocumentAsks) {
  const Year year = FillYear(1000);
  Paint();
  ASSERT_EQ(Controls().ItemCount(ids::kOutstandingExpenses), 1u);

  // Matching the March rent, without telling the view: the old figures
  // stay, and a paint does not compute them either.
  Transaction(301, year.rent, 500, year.rentMarch);
  document_.SetRecalculation();
  Paint();
  EXPECT_EQ(Controls().ItemCount(ids::kOutstandingExpenses), 1u);
  EXPECT_EQ(view_.TransactionBalanceAtDate(), 500);

  document_.UpdateAllViews();
  const CRecordingCanvas& canvas = Paint();
  EXPECT_FALSE(document_.NeedsRecalculation());
  EXPECT_EQ(Controls().ItemCount(ids::kOutstandingExpenses), 0u);
  EXPECT_EQ(view_.OutstandingExpensesTotal(), 0);
  EXPECT_EQ(view_.TransactionBalanceAtDate(), 0);
  const auto expenses = canvas.TextsOnRow(14);
  ASSERT_EQ(expenses.size(), 2u);
  EXPECT_EQ(expenses[1]->text, "$0.00");
}

TEST_F(AccountViewTest, FirstShowChartsTheWholeYearWithTheTogglesAsTheirFlags) {
  Click(ids::kBudgetToggle);  // off
  Click(ids::kFromMonth + 3);
  Click(ids::kToMonth + 5);
  Controls().SetChecked(ids::kBudgetToggle, true);
  Controls().SetChecked(ids::kActualToggle, false);
  surface_.areas.clear();
  view_.OnInitialUpdate();
  EXPECT_EQ(view_.FromMonth(), 0);
  EXPECT_EQ(view_.ToMonth(), 11);
  EXPECT_EQ(view_.FirstDay(), 0);
  EXPECT_EQ(view_.LastDay(), 364);
  EXPECT_EQ(view_.BarWidth(), 1);
  EXPECT_EQ(CheckedMonthButtons(), (std::vector<int>{ids::kFromMonth + 0, ids::kToMonth + 11}));
  EXPECT_FALSE(Controls().IsChecked(ids::kBudgetToggle));
  EXPECT_TRUE(Controls().IsChecked(ids::kActualToggle));
  EXPECT_EQ(surface_.areas, std::vector<PixelRect>{ids::kWholeView});
}

TEST_F(AccountViewTest, MonthButtonsSetTheRangeAndPullTheOtherEndAlong) {
  struct Case {
    const char* name;
    std::uint8_t yearIndex;  // 1 is 1999, 2 is 2000
    std::vector<int> clicks;
    int fromMonth;
    int toMonth;
    int firstDay;
    int lastDay;
    int barWidth;
  };
  const Case cases[] = {
      {"from 06 while to is 03", 1, {ids::kToMonth + 2, ids::kFromMonth + 5}, 5, 5, 151, 180, 12},
      {"to 02 while from is 06", 1, {ids::kFromMonth + 5, ids::kToMonth + 1}, 1, 1, 31, 58, 13},
      {"from 03 to 05", 1, {ids::kFromMonth + 2, ids::kToMonth + 4}, 2, 4, 59, 150, 4},
      {"to 12 in a common year", 1, {ids::kToMonth + 0, ids::kToMonth + 11}, 0, 11, 0, 364, 1},
      {"to 12 in a leap year", 2, {ids::kToMonth + 0, ids::kToMonth + 11}, 0, 11, 0, 365, 1},
      {"February of a leap year", 2, {ids::kToMonth + 1, ids::kFromMonth + 1}, 1, 1, 31, 59, 12},
      {"the checked button clicked again", 1, {ids::kFromMonth + 0}, 0, 11, 0, 364, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    document_.Book().SetYearIndex(c.yearIndex);
    view_.OnInitialUpdate();
    for (int click : c.clicks) Click(click);
    EXPECT_EQ(view_.FromMonth(), c.fromMonth);
    EXPECT_EQ(view_.ToMonth(), c.toMonth);
    EXPECT_EQ(view_.FirstDay(), c.firstDay);
    EXPECT_EQ(view_.LastDay(), c.lastDay);
    EXPECT_EQ(view_.BarWidth(), c.barWidth);
    EXPECT_EQ(CheckedMonthButtons(), (std::vector<int>{ids::kFromMonth + c.fromMonth, ids::kToMonth + c.toMonth}));
  }
}

TEST_F(AccountViewTest, ARangeChangeRescalesAndRepaintsThePlotItsLabelsAndTheMonthStrip) {
  const std::uint32_t salary = Category("Salary", CategoryType::kFixIn, 1000);
  Predaction(salary, 701, 1000);
  Recalculate();
  surface_.areas.clear();
  EXPECT_DOUBLE_EQ(view_.ChartScale().pixelsPerUnit, 0.284);
  EXPECT_EQ(view_.ChartScale().gridStep, 100u);

  Click(ids::kToMonth + 0);  // January: nothing but zeros
  EXPECT_EQ(surface_.areas, kRangeAreas);
  EXPECT_DOUBLE_EQ(view_.ChartScale().pixelsPerUnit, 1.0);
  EXPECT_EQ(view_.ChartScale().gridStep, 0u);

  surface_.areas.clear();
  Click(ids::kFromMonth + 6);  // July, pulling the to month along
  EXPECT_EQ(surface_.areas, kRangeAreas);
  EXPECT_EQ(view_.ChartScale().gridStep, 100u);
}

TEST_F(AccountViewTest, TogglesFlipTheirBarsAndRepaintThePlotOnly) {
  struct Case {
    int toggle;
    Rgb hidden1;
    Rgb hidden2;
  };
  const Case cases[] = {{ids::kBudgetToggle, kDarkBlue, kDarkRed}, {ids::kActualToggle, kBlue, kRed}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.toggle);
    const auto shown = [&] { return c.toggle == ids::kBudgetToggle ? view_.ShowBudget() : view_.ShowActual(); };
    const auto barsOfHiddenColour = [&] {
      int count = 0;
      for (const auto& r : Paint().Rectangles()) count += r.fill == c.hidden1 || r.fill == c.hidden2;
      return count;
    };
    ASSERT_GT(barsOfHiddenColour(), 0);

    surface_.areas.clear();
    Click(c.toggle);
    EXPECT_FALSE(shown());
    EXPECT_FALSE(Controls().IsChecked(c.toggle));
    EXPECT_EQ(surface_.areas, std::vector<PixelRect>{chart::kPlotArea});
    EXPECT_EQ(barsOfHiddenColour(), 0);

    // By key: the button was not flipped, yet follows the flag.
    view_.OnCommand(c.toggle);
    EXPECT_TRUE(shown());
    EXPECT_TRUE(Controls().IsChecked(c.toggle));
  }
}

TEST_F(AccountViewTest, TheChartShowsTheBalanceDateOnlyWithinTheRange) {
  document_.Book().Settings().decimals = 0;
  Paint();
  const auto yellowLines = [&] {
    std::vector<int> xs;
    for (const auto& line : canvas_.Lines()) {
      if (line.colour == kYellow) xs.push_back(line.x1);
    }
    return xs;
  };
  EXPECT_EQ(yellowLines(), std::vector<int>{106 + 165});  // June 15 is day 165
  EXPECT_EQ(canvas_.FindTexts("0").size(), 2u);           // the zero labels, by the account's decimals

  Click(ids::kToMonth + 4);  // January to May
  Paint();
  EXPECT_EQ(yellowLines(), std::vector<int>{});
}

TEST_F(AccountViewTest, DoubleClickOnAnOutstandingRowOpensItsPredaction) {
  struct Case {
    const char* name;
    int list;
    int selection;
    bool opens;
    double budgetChange;  // Salary's budget was out of step with its predactions
  };
  const Case cases[] = {
      {"an expense", ids::kOutstandingExpenses, 0, true, 0},
      {"an income", ids::kOutstandingIncomes, 1, true, 250},
      {"nothing selected", ids::kOutstandingIncomes, CControlModel::kNoSelection, false, 0},
  };
  FillYear(1000);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Paint();
    surface_.areas.clear();
    Controls().ApplySelection(c.list, c.selection);
    const double before = view_.TransactionBalanceAtDate();
    const double budgetBefore = view_.BudgetBalance();
    Transaction(101, Ledger().Categories().RowIdAt(0), 1, kNoMatch);  // seen only by a recomputation
    document_.Book().ClearModified();
    if (c.opens) {
      const std::optional<std::uint32_t> id = ReadRowId(Controls().Item(c.list, static_cast<std::size_t>(c.selection)));
      host_.Expect(predactions_dialog::kDialogId, [id](CDialogDriver& driver) {
        // Opened on the row's predaction, selected.
        EXPECT_EQ(ReadRowId(driver.Controls().SelectedText(predactions_dialog::kPredactions)), id);
        driver.Escape();
      });
    }
    view_.OnDoubleClick(c.list);
    EXPECT_EQ(view_.TransactionBalanceAtDate() != before, c.opens);
    EXPECT_EQ(view_.BudgetBalance() - budgetBefore, c.budgetChange);
    EXPECT_FALSE(document_.NeedsRecalculation());
    EXPECT_EQ(surface_.areas, c.opens ? std::vector<PixelRect>{ids::kWholeView} : std::vector<PixelRect>{});
    // The unsaved-changes state follows the book: merely looking changes nothing.
    EXPECT_EQ(document_.IsModified(), c.budgetChange != 0);
  }

  // A row whose predaction is gone opens nothing.
  Paint();
  ASSERT_EQ(Controls().ItemCount(ids::kOutstandingExpenses), 1u);
  const std::optional<std::uint32_t> id = ReadRowId(Controls().Item(ids::kOutstandingExpenses, 0));
  ASSERT_TRUE(id.has_value());
  ASSERT_TRUE(Ledger().Predactions().Find(*id));
  Ledger().Predactions().RemoveRow();
  Controls().ApplySelection(ids::kOutstandingExpenses, 0);
  surface_.areas.clear();
  view_.OnDoubleClick(ids::kOutstandingExpenses);
  EXPECT_FALSE(document_.NeedsRecalculation());
  EXPECT_EQ(surface_.areas, std::vector<PixelRect>{});
}

TEST_F(AccountViewTest, AfterAChangeOfYearTheRangeIsWholeMonthsOfTheYearShown) {
  Click(ids::kFromMonth + 1);  // February to December
  ASSERT_EQ(view_.LastDay(), 364);  // 1999
  document_.Book().SetYearIndex(2);  // 2000, a leap year
  Recalculate();
  EXPECT_EQ(view_.FirstDay(), 31);
  EXPECT_EQ(view_.LastDay(), 365);
  Click(ids::kToMonth + 1);  // February alone: 29 days in 2000
  EXPECT_EQ(view_.LastDay() - view_.FirstDay() + 1, 29);
  document_.Book().SetYearIndex(1);
  Recalculate();
  EXPECT_EQ(view_.LastDay() - view_.FirstDay() + 1, 28);
}

TEST_F(AccountViewTest, ACommandButtonIsEnabledOnlyWhileTheDocumentCarriesItsCommand) {
  for (const int button : {ids::kCategories, ids::kSolver, ids::kTransactions}) {
    SCOPED_TRACE(button);
    EXPECT_EQ(Controls().IsEnabled(button), document_.IsCommandAvailable(button));
  }
}

TEST_F(AccountViewTest, HelpOpensTheMainPage) {
  Click(ids::kHelp);
  EXPECT_EQ(host_.OpenedDocuments(), std::vector<std::string>{"/opt/tolva/main.htm"});
  EXPECT_EQ(host_.OpenedDialogs(), std::vector<int>{});
}

TEST_F(AccountViewTest, OtherCommandsGoToTheDocumentAsFromTheMenu) {
  struct Case {
    int command;
    CScriptedHost::Steps steps;
  };
  const Case cases[] = {
      {settings_dialog::kDialogId, [](CDialogDriver& driver) { driver.Press(settings_dialog::kDone); }},
      {opening_balance_dialog::kDialogId, [](CDialogDriver& driver) { driver.Escape(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    CScriptedHost host;
    CpursoPXFDoc document(host);
    CRecordingSurface surface;
    CpursoPXFView view(document);
    view.SetSurface(&surface);
    document.ClearRecalculation();
    host.Expect(c.command, c.steps);
    view.OnCommand(c.command);
    EXPECT_EQ(host.OpenedDialogs(), std::vector<int>{c.command});
    // The document's bookkeeping tells the view, which computes its figures again.
    EXPECT_FALSE(document.NeedsRecalculation());
    EXPECT_EQ(surface.areas, std::vector<PixelRect>{ids::kWholeView});
  }
}

TEST_F(AccountViewTest, IsToldOfDocumentChangesForItsLifetime) {
  {
    CRecordingSurface other;
    CpursoPXFView second(document_);
    second.SetSurface(&other);
    document_.UpdateAllViews();
    EXPECT_EQ(other.areas, std::vector<PixelRect>{ids::kWholeView});
  }
  surface_.areas.clear();
  // The second view is gone; telling the views must reach only this one.
  document_.UpdateAllViews();
  EXPECT_EQ(surface_.areas, std::vector<PixelRect>{ids::kWholeView});
}

}  // namespace
}  // namespace purso
