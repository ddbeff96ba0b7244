// How long one Undo and one Redo take on a year of 150,000 transactions,
// and what taking a step costs every command.
//
// A step holds only what its command changed (data/book_change.h); undoing
// it rebuilds the rows of each table it touched, copying the untouched runs
// whole. The figures that matter are those of a step in the large year: one
// transaction added at its end (the Transactions dialog's Add), one amount
// changed in its middle (Update, a Solver transfer), one row removed from
// near its start (Remove, which moves every later row up). Each must stay
// well under 50 ms. "Record" is what every command adds to its own work:
// holding the account as it was (its tables share their rows) and finding
// what changed.
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

#include "app/undo_history.h"
#include "calc/new_transaction.h"
#include "data/book_change.h"
#include "data/record_table.h"
#include "data/year_ledger.h"
#include "large_account.h"

namespace {

using purso::CAccountBook;
using purso::CBookChange;
using purso::CRecordTable;
using purso::CUndoHistory;

constexpr int kTransactions = 150000;

// One large year, made once for every benchmark.
CAccountBook& LargeYear() {
  static const std::unique_ptr<CAccountBook> book = [] {
    auto made = std::make_unique<CAccountBook>(2024);
    purso::bench::LargeAccountShape shape;
    shape.firstYearIndex = shape.currentYearIndex = 26;
    shape.yearCount = 1;
    shape.transactionsInCurrentYear = kTransactions;
    purso::bench::FillLargeAccount(*made, shape);
    return made;
  }();
  return *book;
}

CRecordTable& Transactions() { return LargeYear().CurrentLedger().Transactions(); }

// Records change as one step of a history, as a command does.
void Record(CUndoHistory& history, const std::function<void()>& change) {
  auto before = std::make_unique<CAccountBook>(LargeYear());
  change();
  history.Add("Transactions", CBookChange::Between(*before, LargeYear()));
}

void AddAtEnd() { purso::AddTransaction(LargeYear().CurrentLedger(), {1231, 0, 12.5, "Corner shop", purso::kNoMatch}); }

void ChangeInMiddle() {
  CRecordTable& table = Transactions();
  table.Find(table.RowIdAt(table.GetRowCount() / 2));
  table.SetNumber(purso::transaction_column::kAmount, table.GetNumber(purso::transaction_column::kAmount) + 1);
}

void RemoveNearStart() {
  CRecordTable& table = Transactions();
  table.Find(table.RowIdAt(10));
  table.RemoveRow();
}

// Undo (or Redo, the step undone first) of the step change makes, timed
// alone; the other direction runs untimed between, so each iteration starts
// from the same state.
void UndoRedo(benchmark::State& state, void (*change)(), bool redo) {
  CUndoHistory history;
  Record(history, change);
  if (redo) history.Undo(LargeYear());
  for (auto _ : state) {
    if (redo) {
      history.Redo(LargeYear());
    } else {
      history.Undo(LargeYear());
    }
    state.PauseTiming();
    if (redo) {
      history.Undo(LargeYear());
    } else {
      history.Redo(LargeYear());
    }
    state.ResumeTiming();
  }
  if (!redo) history.Undo(LargeYear());
  state.counters["rows"] = Transactions().GetRowCount();
  state.counters["step_bytes"] = static_cast<double>(history.MemoryUse());
}

void BM_UndoAdd(benchmark::State& state) { UndoRedo(state, AddAtEnd, false); }
void BM_RedoAdd(benchmark::State& state) { UndoRedo(state, AddAtEnd, true); }
void BM_UndoChangeInMiddle(benchmark::State& state) { UndoRedo(state, ChangeInMiddle, false); }
void BM_RedoChangeInMiddle(benchmark::State& state) { UndoRedo(state, ChangeInMiddle, true); }
void BM_UndoRemoveNearStart(benchmark::State& state) { UndoRedo(state, RemoveNearStart, false); }
void BM_RedoRemoveNearStart(benchmark::State& state) { UndoRedo(state, RemoveNearStart, true); }

// What a command that adds one transaction pays for its step, the add included.
void BM_RecordAdd(benchmark::State& state) {
  for (auto _ : state) {
    CUndoHistory history;
    Record(history, AddAtEnd);
    state.PauseTiming();
    history.Undo(LargeYear());
    state.ResumeTiming();
  }
}

BENCHMARK(BM_UndoAdd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoAdd)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoChangeInMiddle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoChangeInMiddle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRemoveNearStart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedoRemoveNearStart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecordAdd)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
