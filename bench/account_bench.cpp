// How long a large account takes to save, to load and to recalculate, set
// against the plain file operations beneath them.
//
// The account fills the 27 years 1998 to 2024, each with 100 categories (25
// of every type), 2,000 predactions of the fixed categories and 5,000
// transactions, on ten objects and ten functional areas; it is the largest
// account of the earlier file form, which earlier programs read too. The file lives in a fresh folder under
// the temporary folder ($TMPDIR, else /tmp), so the disk that is measured is
// the one that folder is on.
//
// After the runs a summary gives Load against a plain read of the same bytes,
// Store against a plain write (with and without fsync, since a save flushes
// its file to disk), a store of unchanged content against a plain read, and
// the balance time per predaction and transaction row.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "data/account_book.h"
#include "data/account_file.h"
#include "data/account_save.h"
#include "data/file_place.h"
#include "data/calendar.h"
#include "data/record_table.h"
#include "data/year_ledger.h"

namespace {

using purso::CAccountBook;
using purso::CRecordTable;
using purso::CYearLedger;

constexpr int kNames = 10;  // objects and functional areas per year
constexpr int kCategories = 100;
constexpr int kPredactions = 2000;
constexpr int kTransactions = 5000;
constexpr int kBalanceYear = 1;  // 1999
constexpr int kFilledYears = 27;  // 1998 to 2024

double RandomMonthDay(std::mt19937& random, int year) {
  const int month = std::uniform_int_distribution<int>(1, 12)(random);
  const int day = std::uniform_int_distribution<int>(1, purso::DaysInMonth(year, month))(random);
  return month * 100 + day;
}

// Built by appending: GCC 12 warns falsely on "text" + std::to_string(...).
std::string Numbered(const char* prefix, int number, const std::string& suffix = {}) {
  std::string name(prefix);
  name.append(std::to_string(number)).append(suffix);
  return name;
}

void FillYear(CYearLedger& ledger, std::mt19937& random) {
  std::uniform_int_distribution<int> cents(100, 50000);
  const int year = ledger.GetYear();
  const std::string suffix = Numbered(" ", year);

  for (int i = 0; i < kNames; ++i) {
    ledger.Objects().AddRow();
    ledger.Objects().SetText(purso::name_column::kName, Numbered("Object ", i, suffix));
    ledger.FunctionalAreas().AddRow();
    ledger.FunctionalAreas().SetText(purso::name_column::kName, Numbered("Area ", i, suffix));
  }

  CRecordTable& categories = ledger.Categories();
  std::vector<std::uint32_t> fixed;
  std::vector<std::uint32_t> all;
  for (int i = 0; i < kCategories; ++i) {
    const int type = i % 4;
    categories.AddRow();
    categories.SetText(purso::category_column::kName, Numbered("Category ", i));
    categories.SetNumber(purso::category_column::kObject, i % kNames);
    categories.SetNumber(purso::category_column::kFunctionalArea, i / kNames);
    categories.SetNumber(purso::category_column::kType, type);
    categories.SetNumber(purso::category_column::kBudget, type >= 2 ? cents(random) * 10.0 : 0.0);
    all.push_back(categories.GetRowId());
    if (type < 2) fixed.push_back(categories.GetRowId());
  }

  // The predactions of the fixed categories, whose budgets are their sums.
  CRecordTable& predactions = ledger.Predactions();
  struct Planned {
    std::uint32_t id;
    std::uint32_t category;
    double date;
    double amount;
  };
  std::vector<Planned> planned;
  for (int i = 0; i < kPredactions; ++i) {
    const std::uint32_t category = fixed[static_cast<std::size_t>(i) % fixed.size()];
    const double date = RandomMonthDay(random, year);
    const double amount = cents(random) / 100.0;
    predactions.AddRow();
    predactions.SetNumber(purso::predaction_column::kCategory, category);
    predactions.SetNumber(purso::predaction_column::kDate, date);
    predactions.SetNumber(purso::predaction_column::kAmount, amount);
    planned.push_back(Planned{predactions.GetRowId(), category, date, amount});
    categories.Find(category);
    categories.SetNumber(purso::category_column::kBudget,
                         categories.GetNumber(purso::category_column::kBudget) + amount);
  }

  // Half of the predactions are matched; the other transactions are spread
  // over every category.
  CRecordTable& transactions = ledger.Transactions();
  std::uniform_int_distribution<std::size_t> anyCategory(0, all.size() - 1);
  for (int i = 0; i < kTransactions; ++i) {
    transactions.AddRow();
    if (i % 5 == 0 && static_cast<std::size_t>(i / 5) < planned.size()) {
      const Planned& p = planned[static_cast<std::size_t>(i / 5)];
      transactions.SetNumber(purso::transaction_column::kDate, p.date);
      transactions.SetNumber(purso::transaction_column::kCategory, p.category);
      transactions.SetNumber(purso::transaction_column::kAmount, p.amount);
      transactions.SetNumber(purso::transaction_column::kMatch, p.id);
    } else {
      transactions.SetNumber(purso::transaction_column::kDate, RandomMonthDay(random, year));
      transactions.SetNumber(purso::transaction_column::kCategory, all[anyCategory(random)]);
      transactions.SetNumber(purso::transaction_column::kAmount, cents(random) / 100.0);
      transactions.SetNumber(purso::transaction_column::kMatch, purso::kNoMatch);
    }
    transactions.SetText(purso::transaction_column::kDescription, Numbered("Transaction number ", i));
  }
}

// The account and the folder its file is written to, made once.
class CBenchAccount {
 public:
  static CBenchAccount& Get() {
    static CBenchAccount account;
    return account;
  }

  CAccountBook& Book() { return *book_; }
  const std::string& AccountPath() const { return accountPath_; }
  const std::string& PlainPath() const { return plainPath_; }
  const std::vector<std::uint8_t>& FileBytes() const { return fileBytes_; }
  std::size_t FileSize() const { return fileBytes_.size(); }

  ~CBenchAccount() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

 private:
  CBenchAccount() : book_(std::make_unique<CAccountBook>(1999)) {
    std::mt19937 random(19990101);
    for (int i = 0; i < kFilledYears; ++i) FillYear(book_->Ledger(i), random);

    std::string pattern = (std::filesystem::temp_directory_path() / "purso_bench.XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
      std::perror("mkdtemp");
      std::exit(1);
    }
    folder_ = pattern;
    accountPath_ = (folder_ / "large.pxf").string();
    plainPath_ = (folder_ / "plain.bin").string();
    if (!purso::StoreAccountFile(accountPath_, *book_) || !purso::ReadFileBytes(accountPath_, fileBytes_)) {
      std::fprintf(stderr, "cannot write the account file in %s\n", folder_.c_str());
      std::exit(1);
    }
  }

  std::unique_ptr<CAccountBook> book_;
  std::filesystem::path folder_;
  std::string accountPath_;
  std::string plainPath_;
  std::vector<std::uint8_t> fileBytes_;
};

void SetFileBytes(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(CBenchAccount::Get().FileSize()));
}

// Saving after a change, as the document saves: into the place it opened,
// knowing the stamp of the file it last wrote. Each save changes one opening
// balance, since a save of the content on disk writes nothing.
void BM_StoreAccountFile(benchmark::State& state) {
  CBenchAccount& account = CBenchAccount::Get();
  const purso::CFilePlace place = purso::CFilePlace::Of(account.AccountPath());
  purso::FileStamp written = purso::FileStampOf(account.AccountPath());
  double opening = 0;
  for (auto _ : state) {
    account.Book().Ledger(0).SetOpeningBalance(++opening);
    const purso::SaveResult saved = purso::SaveAccountFile(place, account.Book(), written);
    if (!saved.Succeeded()) state.SkipWithError("store failed");
    written = saved.stamp;
  }
  SetFileBytes(state);
}

// Saving again with nothing changed: the content is compared with the file
// and nothing is written.
void BM_StoreUnchangedAccountFile(benchmark::State& state) {
  CBenchAccount& account = CBenchAccount::Get();
  const purso::CFilePlace place = purso::CFilePlace::Of(account.AccountPath());
  if (!purso::SaveAccountFile(place, account.Book()).Succeeded()) state.SkipWithError("store failed");
  const purso::FileStamp written = purso::FileStampOf(account.AccountPath());
  for (auto _ : state) {
    if (purso::SaveAccountFile(place, account.Book(), written).stamp != written) state.SkipWithError("rewritten");
  }
  SetFileBytes(state);
}

// Opening a file: the document's new, empty book reads the account. Making
// the empty book and dropping the loaded one belong to opening and closing
// the document, not to the load, and stay outside the timing.
void BM_LoadAccountFile(benchmark::State& state) {
  CBenchAccount& account = CBenchAccount::Get();
  std::unique_ptr<CAccountBook> book;
  for (auto _ : state) {
    state.PauseTiming();
    book.reset();
    book = std::make_unique<CAccountBook>();
    state.ResumeTiming();
    if (purso::LoadAccountFile(account.AccountPath(), *book) != purso::ReadFailure::kNone) {
      state.SkipWithError("load failed");
    }
    benchmark::DoNotOptimize(book->GetYearIndex());
  }
  SetFileBytes(state);
}

// Reading the file again into a book that holds it already: the old account
// stays whole until the new one has been read, so twice the memory is in use.
void BM_LoadAccountFileIntoFullBook(benchmark::State& state) {
  CBenchAccount& account = CBenchAccount::Get();
  auto book = std::make_unique<CAccountBook>();
  const auto load = [&] {
    if (purso::LoadAccountFile(account.AccountPath(), *book) != purso::ReadFailure::kNone) {
      state.SkipWithError("load failed");
    }
  };
  load();
  for (auto _ : state) {
    load();
    benchmark::DoNotOptimize(book->GetYearIndex());
  }
  SetFileBytes(state);
}

// A new, empty account, as File New and every open make one.
void BM_NewBook(benchmark::State& state) {
  for (auto _ : state) {
    auto book = std::make_unique<CAccountBook>();
    benchmark::DoNotOptimize(book.get());
  }
}

// The least a load can do: the file's bytes into fresh memory.
void BM_PlainRead(benchmark::State& state) {
  CBenchAccount& account = CBenchAccount::Get();
  for (auto _ : state) {
    const int fd = ::open(account.AccountPath().c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
      if (fd >= 0) ::close(fd);
      state.SkipWithError("open failed");
      break;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    std::unique_ptr<std::uint8_t[]> bytes(new std::uint8_t[size]);
    std::size_t filled = 0;
    while (filled < size) {
      const ssize_t got = ::read(fd, bytes.get() + filled, size - filled);
      if (got <= 0) break;
      filled += static_cast<std::size_t>(got);
    }
    ::close(fd);
    if (filled != size) state.SkipWithError("short read");
    benchmark::DoNotOptimize(bytes.get());
    benchmark::ClobberMemory();
  }
  SetFileBytes(state);
}

// The least a save can do: the same bytes replace a file, flushed to disk or
// not. The old file is removed and a new one written, as a save's rename
// removes the old file too; rewriting it in place through O_TRUNC would make
// ext4 flush it on close, and the write without fsync would be none.
enum class Flush { kNo, kToDisk };

void PlainWrite(benchmark::State& state, Flush flush) {
  CBenchAccount& account = CBenchAccount::Get();
  const std::vector<std::uint8_t>& bytes = account.FileBytes();
  for (auto _ : state) {
    ::unlink(account.PlainPath().c_str());
    const int fd = ::open(account.PlainPath().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) {
      state.SkipWithError("open failed");
      break;
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (put <= 0) break;
      done += static_cast<std::size_t>(put);
    }
    const bool flushed = flush == Flush::kNo || ::fsync(fd) == 0;
    if (::close(fd) != 0 || done != bytes.size() || !flushed) state.SkipWithError("write failed");
  }
  SetFileBytes(state);
}

void BM_PlainWrite(benchmark::State& state) { PlainWrite(state, Flush::kNo); }
void BM_PlainWriteFsync(benchmark::State& state) { PlainWrite(state, Flush::kToDisk); }

void BM_Balances(benchmark::State& state) {
  CYearLedger& ledger = CBenchAccount::Get().Book().Ledger(kBalanceYear);
  // A balance date in the middle of the year, the same on every run.
  const purso::CFixedClock clock(purso::CivilDate{ledger.GetYear(), 7, 1});
  const purso::CScopedClock scoped(clock);
  CYearLedger::BalanceArray predicted;
  CYearLedger::BalanceArray actual;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ledger.PredictedBalances(predicted));
    benchmark::DoNotOptimize(ledger.ActualBalances(actual));
    benchmark::ClobberMemory();
  }
  const double rows = ledger.Predactions().GetRowCount() + ledger.Transactions().GetRowCount();
  state.counters["rows"] = rows;
  state.counters["per_row"] = benchmark::Counter(rows, benchmark::Counter::kIsIterationInvariantRate |
                                                           benchmark::Counter::kInvert);
}

BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadAccountFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadAccountFileIntoFullBook)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainWriteFsync)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StoreAccountFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StoreUnchangedAccountFile)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Balances)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NewBook)->Unit(benchmark::kMicrosecond);

// The console report, remembering each benchmark's mean real and CPU time
// per iteration for the summary.
class CSummaryReporter : public benchmark::ConsoleReporter {
 public:
  struct Times {
    double real = 0.0;  // nanoseconds per iteration
    double cpu = 0.0;
    int runs = 0;
  };

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      // With --benchmark_report_aggregates_only only the aggregates arrive.
      const bool iteration = run.run_type == Run::RT_Iteration;
      if (!iteration && run.aggregate_name != "mean") continue;
      const double toNanoseconds = 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      Times& times = (iteration ? iterations_ : means_)[run.run_name.function_name];
      times.real += run.GetAdjustedRealTime() * toNanoseconds;
      times.cpu += run.GetAdjustedCPUTime() * toNanoseconds;
      times.runs += 1;
    }
  }

  // The mean over repetitions; runs is 0 when the benchmark did not run.
  Times Of(const std::string& name) const {
    for (const auto* sums : {&iterations_, &means_}) {
      const auto found = sums->find(name);
      if (found == sums->end() || found->second.runs == 0) continue;
      const Times& sum = found->second;
      return Times{sum.real / sum.runs, sum.cpu / sum.runs, sum.runs};
    }
    return {};
  }

 private:
  std::map<std::string, Times> iterations_;
  std::map<std::string, Times> means_;
};

using Times = CSummaryReporter::Times;

// Judged on real time, which is what the user waits for; the CPU time ratio
// follows in brackets, as real time on a busy machine includes waiting for a processor.
void PrintRatio(const char* label, const Times& value, const Times& base, double target) {
  if (value.runs == 0 || base.runs == 0) return;
  const double real = value.real / base.real;
  const double cpu = value.cpu / base.cpu;
  if (target > 0.0) {
    std::printf("  %-36s %6.2f  (CPU %5.2f)  target <= %.0f: %s\n", label, real, cpu, target,
                real <= target ? "met" : "MISSED");
  } else {
    std::printf("  %-36s %6.2f  (CPU %5.2f)\n", label, real, cpu);
  }
}

void PrintSummary(const CSummaryReporter& reporter) {
  const Times read = reporter.Of("BM_PlainRead");
  const Times load = reporter.Of("BM_LoadAccountFile");
  const Times reload = reporter.Of("BM_LoadAccountFileIntoFullBook");
  const Times write = reporter.Of("BM_PlainWrite");
  const Times writeFsync = reporter.Of("BM_PlainWriteFsync");
  const Times store = reporter.Of("BM_StoreAccountFile");
  const Times unchanged = reporter.Of("BM_StoreUnchangedAccountFile");
  const Times balances = reporter.Of("BM_Balances");

  std::printf("\nSummary (account file of %zu bytes)\n", CBenchAccount::Get().FileSize());
  PrintRatio("Load / plain read", load, read, 2);
  PrintRatio("Load into a full book / plain read", reload, read, 0);
  PrintRatio("Store / plain write + fsync", store, writeFsync, 2);
  PrintRatio("Store / plain write (no fsync)", store, write, 0);
  PrintRatio("Store unchanged / plain read", unchanged, read, 0);
  if (balances.runs != 0) {
    const CYearLedger& ledger = CBenchAccount::Get().Book().Ledger(kBalanceYear);
    const double rows = ledger.Predactions().GetRowCount() + ledger.Transactions().GetRowCount();
    const double perRow = balances.real / rows;
    std::printf("  %-36s %6.2f ns  (CPU %5.2f ns)  target < 20: %s\n", "Both balance arrays, per row", perRow,
                balances.cpu / rows, perRow < 20.0 ? "met" : "MISSED");
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  CSummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintSummary(reporter);
  benchmark::Shutdown();
  return 0;
}
