// Feeds arbitrary bytes to the account loader.
//
// Beyond what the sanitizers catch (a read past the bytes, undefined
// behaviour, a leak), every input is checked for what the document relies on:
// - a refused file leaves the book it was read into exactly as it was, both
//   a new book and a filled, modified one, and gives the same reason however
//   it is read;
// - an accepted file gives the same book whichever book it was read into,
//   and whether it is read from memory, streamed in small pieces, or read as
//   a file by LoadAccountFile;
// - a source that ends before the size it announced is refused;
// - an accepted book stores, and what it stores loads again to the same bytes;
// - the balance passes and searches run on whatever was accepted.
// A broken check aborts, which the fuzzer reports as a crash.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "data/account_book.h"
#include "data/account_file.h"
#include "data/archive.h"
#include "data/calendar.h"
#include "sample_account.h"

namespace {

using purso::CAccountBook;
using purso::ReadFailure;
using Bytes = std::vector<std::uint8_t>;

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "account_loader_fuzzer: %s\n", what);
  std::abort();
}

Bytes Stored(const CAccountBook& book) {
  purso::CArchiveWriter writer;
  writer.Reserve(16 * 1024);
  Require(book.Write(writer), "a loaded book did not store");
  return writer.TakeBytes();
}

// Hands out the input in pieces of changing size, as a file read may, and
// ends after `end` bytes however many the reader was told to expect.
class CPieceSource final : public purso::CByteSource {
 public:
  CPieceSource(std::span<const std::uint8_t> bytes, std::uint8_t seed, std::size_t end = SIZE_MAX)
      : bytes_(bytes.first(std::min(end, bytes.size()))), seed_(seed) {}
  std::size_t ReadSome(std::uint8_t* destination, std::size_t n) override {
    static constexpr std::size_t kPieces[] = {1, 3, 8, 29, 4096, 70000};
    std::size_t piece = kPieces[(seed_ + calls_++) % std::size(kPieces)];
    piece = std::min({piece, n, bytes_.size() - position_});
    std::copy_n(bytes_.data() + position_, piece, destination);
    position_ += piece;
    return piece;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::uint8_t seed_;
  std::size_t position_ = 0;
  std::size_t calls_ = 0;
};

ReadFailure LoadStreamed(std::span<const std::uint8_t> bytes, std::size_t end, std::uint8_t seed,
                         CAccountBook& book) {
  CPieceSource source(bytes, seed, end);
  purso::CArchiveReader archive(source, bytes.size());
  return book.Load(archive) ? ReadFailure::kNone : archive.Failure();
}

// A file in memory that LoadAccountFile opens by its path, so that the
// file-level loader runs without touching a disk.
class CMemoryFile {
 public:
  CMemoryFile() : fd_(::memfd_create("account", MFD_CLOEXEC)) {
    Require(fd_ >= 0, "memfd_create failed");
    path_ = "/proc/self/fd/" + std::to_string(fd_);
  }
  const std::string& Hold(std::span<const std::uint8_t> bytes) {
    Require(::ftruncate(fd_, 0) == 0, "ftruncate failed");
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t put = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
      Require(put > 0, "pwrite failed");
      done += static_cast<std::size_t>(put);
    }
    return path_;
  }

 private:
  int fd_;
  std::string path_;
};

// The read-only passes the account view and the dialogs make over a ledger.
void Exercise(CAccountBook& book) {
  static const purso::CFixedClock clock(purso::CivilDate{2010, 6, 15});
  const purso::CScopedClock scoped(clock);
  for (int i = 0; i < CAccountBook::kYearCount; ++i) {
    purso::CYearLedger& ledger = book.Ledger(i);
    purso::CYearLedger::BalanceArray balances{};
    ledger.PredictedBalances(balances);
    ledger.ActualBalances(balances);
    ledger.TransactionBalance();
    ledger.NetBudget();
    purso::CRecordTable& categories = ledger.Categories();
    for (std::uint32_t row = 0; row < categories.GetRowCount() && row < 8; ++row) {
      const std::uint32_t id = categories.RowIdAt(row);
      ledger.CategoryActual(id);
      categories.ClearConditions();
      categories.SetTextCondition(0, 0, purso::category_column::kName, purso::Operator::kEqual,
                                  categories.TextAt(row, purso::category_column::kName));
      Require(categories.ApplyConditions() >= 1, "a name does not select its own row");
      Require(categories.First(), "First found no selected row");
      categories.ClearConditions();
      Require(categories.Find(id) && categories.GetRowId() == id, "Find missed a stored id");
    }
  }
}

// A new account whose file has the extended form, so that both forms are
// what a refused file must leave behind.
CAccountBook NewAccount() { return CAccountBook(2030); }

const CAccountBook& FilledAccount() {
  static const CAccountBook book = purso::fuzzing::FilledAccount(purso::fuzzing::SampleForm::kEarlier);
  return book;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Kept between runs; a book is built anew only after a load replaced it.
  static const Bytes kNewBytes = Stored(NewAccount());
  static const Bytes kFilledBytes = Stored(FilledAccount());
  static CAccountBook fresh = NewAccount();
  static CAccountBook filled = FilledAccount();
  static CAccountBook streamed = NewAccount();
  static CAccountBook fromFile = NewAccount();
  static CAccountBook cut = FilledAccount();
  static CMemoryFile file;

  const Bytes bytes(data, data + size);
  const std::span<const std::uint8_t> input(data, size);
  const std::uint8_t seed = size == 0 ? 0 : data[size / 2];

  const ReadFailure intoFresh = purso::LoadAccount(bytes, fresh);
  const ReadFailure intoFilled = purso::LoadAccount(bytes, filled);
  Require(intoFresh == intoFilled, "the same file was judged differently in two books");
  Require(LoadStreamed(input, SIZE_MAX, seed, streamed) == intoFresh,
          "reading in pieces decided otherwise than reading from memory");
  Require(purso::LoadAccountFile(file.Hold(input), fromFile) == intoFresh,
          "reading the file decided otherwise than reading from memory");

  // The source ends before the size the reader was given, as a file that
  // shrinks while it is read does.
  if (size > 0) {
    const ReadFailure shortened = LoadStreamed(input, seed % size, seed, cut);
    Require(shortened == ReadFailure::kTruncated || (shortened == intoFresh && shortened != ReadFailure::kNone),
            "a source that ended early was not refused as cut short");
    Require(cut.IsModified() && Stored(cut) == kFilledBytes, "a cut-short file changed a filled book");
  }

  if (intoFresh != ReadFailure::kNone) {
    Require(!fresh.IsModified() && Stored(fresh) == kNewBytes, "a refused file changed a new book");
    Require(filled.IsModified() && Stored(filled) == kFilledBytes, "a refused file changed a filled book");
    Require(Stored(streamed) == kNewBytes && Stored(fromFile) == kNewBytes, "a refused file changed a book");
    return 0;
  }

  Require(!fresh.IsModified() && !filled.IsModified(), "a loaded book is marked modified");
  const Bytes stored = Stored(fresh);
  Require(Stored(filled) == stored, "the file gave different books in different books");
  Require(Stored(streamed) == stored, "the file gave a different book when read in pieces");
  Require(Stored(fromFile) == stored, "the file gave a different book when read as a file");

  CAccountBook again(CAccountBook::kFirstYear);
  Require(purso::LoadAccount(stored, again) == ReadFailure::kNone, "a stored book was refused");
  Require(Stored(again) == stored, "a stored book did not load to the same bytes");

  Exercise(fresh);

  fresh = NewAccount();
  filled = FilledAccount();
  streamed = NewAccount();
  fromFile = NewAccount();
  return 0;
}
