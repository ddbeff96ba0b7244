// How long the Qt adapter takes to show a long owner-drawn list, and to
// insert or remove one row of it, through the real control binding on the
// offscreen platform. A fill counts from handing the rows to the control
// model (which sorts them) to the list's visible rows painted. Opening a
// dialog with a long list counts from building its window to its first
// paint, its list filled, and the events that follow handled. Adding or
// removing a transaction counts the dialog's command, its balance fields
// included, and the paint that shows it. A keystroke in the Transactions
// filter counts from the text reaching the dialog to the narrowed list
// painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "calc/predaction_series.h"
#include "data/calendar.h"
#include "dialogs/categories_dialog.h"
#include "dialogs/predactions_dialog.h"
#include "dialogs/transactions_dialog.h"
#include "large_account.h"
#include "platform/control_logic.h"
#include "qt/qt_control_binding.h"
#include "qt/qt_dialog.h"
#include "qt/qt_host.h"
#include "resources/transactions_dialog_resource.h"
#include "text/list_row.h"

namespace {

using namespace purso;

constexpr int kList = 1000;
constexpr ControlResource kControls[] = {
    {ControlKind::kColumnList, kList, "", 0, 0, 470, 300, control_style::kSorted | control_style::kVScroll},
};
const DialogResource kResource{1, "List", 470, 300, "MS Sans Serif", 8, kControls, LayoutUnits::kPixels};

// A window holding one sorted column list, bound as a dialog's would be.
class CBoundList {
 public:
  CBoundList() : logic_(kResource) {
    window_.resize(470, 300);
    binding_ = std::make_unique<CQtControlBinding>(
        window_, logic_,
        [](const ControlResource& control) { return QRect(control.x, control.y, control.width, control.height); },
        nullptr);
    window_.show();
  }
  CControlModel& Controls() { return logic_.Controls(); }
  // Paints the window and its list now, as the screen would.
  void Paint() { window_.repaint(); }

 private:
  QWidget window_;
  CControlLogic logic_;
  std::unique_ptr<CQtControlBinding> binding_;
};

void BM_FillList(benchmark::State& state) {
  const std::vector<std::string> rows = bench::TransactionRows(static_cast<int>(state.range(0)), 2024);
  CBoundList list;
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::string> copy = rows;
    list.Controls().ClearItems(kList);
    list.Paint();
    state.ResumeTiming();
    list.Controls().SetItems(kList, std::move(copy));
    list.Paint();
  }
  state.SetComplexityN(state.range(0));
}

// One row added to, or taken from, a list of n rows, and the list painted.
void InsertOrRemove(benchmark::State& state, bool insert) {
  const int n = static_cast<int>(state.range(0));
  CBoundList list;
  list.Controls().SetItems(kList, bench::TransactionRows(n, 2024));
  list.Controls().SetSelection(kList, n / 2);
  list.Paint();
  const std::string extra = bench::TransactionRows(1, 7).front();
  for (auto _ : state) {
    if (!insert) {
      state.PauseTiming();
      list.Controls().AddItem(kList, extra);
      list.Paint();
      state.ResumeTiming();
    }
    const int at = list.Controls().AddItem(kList, extra);
    if (insert) {
      list.Paint();
      state.PauseTiming();
    }
    list.Controls().DeleteItem(kList, static_cast<std::size_t>(at));
    list.Paint();
    if (insert) state.ResumeTiming();
  }
}

void BM_InsertOneRow(benchmark::State& state) { InsertOrRemove(state, true); }
void BM_RemoveOneRow(benchmark::State& state) { InsertOrRemove(state, false); }

using KeptAccounts = std::map<int, std::unique_ptr<CAccountBook>>;

// The account of one year, 2024, kept for n: made on first use by filling
// shape's figures for that year and then running more on it, so that every
// run of a benchmark measures the same account.
CAccountBook& OneYear(KeptAccounts& kept, int n, bench::LargeAccountShape shape,
                      const std::function<void(CAccountBook&)>& more = {}) {
  std::unique_ptr<CAccountBook>& book = kept[n];
  if (!book) {
    book = std::make_unique<CAccountBook>();
    shape.firstYearIndex = shape.currentYearIndex = 26;
    shape.yearCount = 1;
    bench::FillLargeAccount(*book, shape);
    if (more) more(*book);
  }
  return *book;
}

// A year of n categories (ten objects and functional areas), whose first
// category, a fixed one, has n predactions besides: the Categories list and
// the Predicted Transactions list each hold n rows.
CAccountBook& LargeYear(int n) {
  static KeptAccounts kept;
  bench::LargeAccountShape shape;
  shape.categoriesPerYear = n;
  shape.predactionsPerYear = 4 * n;
  shape.transactionsInCurrentYear = 4 * n;
  return OneYear(kept, n, shape, [n](CAccountBook& book) {
    std::vector<double> dates;
    for (int i = 0; i < n; ++i) dates.push_back(101 + 100 * (i % 12) + (i * 7) % 28);
    AppendPredactions(book.CurrentLedger().Predactions(), 0, dates, 42.5);
  });
}

// Opens the dialog as the host does and paints it once; closing it is not timed.
void OpenDialog(benchmark::State& state, const std::function<std::unique_ptr<CDialogLogic>()>& make) {
  CQtHost host;
  for (auto _ : state) {
    std::unique_ptr<CDialogLogic> dialog = make();
    dialog->Attach(host);
    auto window = std::make_unique<CQtDialog>(*dialog, nullptr);
    dialog->OnInit();
    window->show();
    window->repaint();
    QCoreApplication::processEvents();
    state.PauseTiming();
    window.reset();
    dialog.reset();
    state.ResumeTiming();
  }
}

void BM_OpenPredactionsDialog(benchmark::State& state) {
  CAccountBook& book = LargeYear(static_cast<int>(state.range(0)));
  OpenDialog(state, [&book] { return std::make_unique<CPredactionsDialog>(book, 0, MoneyFlow::kExpense); });
}

void BM_OpenCategoriesDialog(benchmark::State& state) {
  CAccountBook& book = LargeYear(static_cast<int>(state.range(0)));
  OpenDialog(state, [&book] { return std::make_unique<CCategoriesDialog>(book); });
}

// A year of n transactions over 100 categories, with 1000 predactions; its
// category "Category 2" is a variable one.
CAccountBook& TransactionYear(int n) {
  static KeptAccounts kept;
  bench::LargeAccountShape shape;
  shape.transactionsInCurrentYear = n;
  return OneYear(kept, n, shape);
}

// Today late in the year shown, so that adding to it asks nothing.
const CFixedClock kLateInTheYear(CivilDate{2024, 12, 15});

void BM_OpenTransactionsDialog(benchmark::State& state) {
  const CScopedClock clock(kLateInTheYear);
  CAccountBook& book = TransactionYear(static_cast<int>(state.range(0)));
  OpenDialog(state, [&book] { return std::make_unique<CTransactionsDialog>(book); });
}

// The Transactions dialog shown on a year of n transactions.
class COpenTransactions {
 public:
  explicit COpenTransactions(int n) : book_(TransactionYear(n)), dialog_(book_) {
    dialog_.Attach(host_);
    window_ = std::make_unique<CQtDialog>(dialog_, nullptr);
    dialog_.OnInit();
    window_->show();
    window_->repaint();
  }

  // Add with the add row filled as the user would fill it.
  void Add() {
    namespace ids = transactions_dialog;
    CControlModel& controls = dialog_.Controls();
    controls.ApplyText(ids::kAddDate, "6/15");
    controls.ApplySelection(ids::kAddCategory, controls.FindItemExact(ids::kAddCategory, "Category 2"));
    controls.ApplyText(ids::kAddAmount, "12.50");
    controls.ApplyText(ids::kAddDescription, "Grocery store");
    const std::uint32_t before = book_.CurrentLedger().Transactions().GetRowCount();
    dialog_.OnCommand(ids::kAdd);
    window_->repaint();
    // A refused Add would be timed as a fast one.
    if (book_.CurrentLedger().Transactions().GetRowCount() != before + 1) std::abort();
  }
  // Selects the transaction added last.
  void SelectLast() {
    namespace ids = transactions_dialog;
    const CRecordTable& transactions = book_.CurrentLedger().Transactions();
    const std::uint32_t last = transactions.RowIdAt(transactions.GetRowCount() - 1);
    dialog_.Controls().ApplySelection(ids::kTransactions,
                                      FindRowById(dialog_.Controls().Items(ids::kTransactions), last));
    dialog_.OnSelectionChange(ids::kTransactions);
  }
  void Remove() {
    dialog_.OnCommand(transactions_dialog::kRemove);
    window_->repaint();
  }
  // The filter's text changed by the user to typed, as a keystroke leaves it.
  void Filter(const std::string& typed) {
    dialog_.Controls().ApplyText(transactions_dialog::kFilter, typed);
    dialog_.OnTextChange(transactions_dialog::kFilter);
    window_->repaint();
  }
  std::size_t Shown() const { return dialog_.Controls().ItemCount(transactions_dialog::kTransactions); }

 private:
  CQtHost host_;
  CAccountBook& book_;
  CTransactionsDialog dialog_;
  std::unique_ptr<CQtDialog> window_;
};

void BM_AddTransaction(benchmark::State& state) {
  const CScopedClock clock(kLateInTheYear);
  COpenTransactions open(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    open.Add();
    state.PauseTiming();
    open.SelectLast();
    open.Remove();
    state.ResumeTiming();
  }
}

void BM_RemoveTransaction(benchmark::State& state) {
  const CScopedClock clock(kLateInTheYear);
  COpenTransactions open(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    open.Add();
    open.SelectLast();
    state.ResumeTiming();
    open.Remove();
  }
}

// One keystroke in the filter: from the text before it to the text after.
struct Keystroke {
  const char* before;
  const char* after;
};
constexpr Keystroke kKeystrokes[] = {
    {"", "e"},            // every row holds an "e" (its category does): the whole list again
    {"stor", "store"},    // a fifth of the rows
    {"=12.5", "=12.50"},  // an amount
    {"10..5", "10..50"},  // a range of amounts
    {"e", ""},            // the filter cleared
};

void BM_FilterKeystroke(benchmark::State& state) {
  const CScopedClock clock(kLateInTheYear);
  COpenTransactions open(150000);
  const Keystroke& keystroke = kKeystrokes[state.range(0)];
  state.SetLabel(std::string("\"") + keystroke.before + "\" to \"" + keystroke.after + "\"");
  for (auto _ : state) {
    state.PauseTiming();
    open.Filter(keystroke.before);
    state.ResumeTiming();
    open.Filter(keystroke.after);
  }
  state.counters["shown"] = static_cast<double>(open.Shown());
}

BENCHMARK(BM_FilterKeystroke)->DenseRange(0, 4)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenTransactionsDialog)->Arg(15000)->Arg(150000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AddTransaction)->Arg(15000)->Arg(150000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RemoveTransaction)->Arg(15000)->Arg(150000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenPredactionsDialog)->Arg(5000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_OpenCategoriesDialog)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FillList)
    ->Arg(1500)
    ->Arg(15000)
    ->Arg(50000)
    ->Arg(150000)
    ->Complexity(benchmark::oNLogN)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_InsertOneRow)->Arg(150000)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_RemoveOneRow)->Arg(150000)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  // Measured without a display; the offscreen platform draws all the same.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
