// Feeds arbitrary bytes to the account loader.
//
// Beyond what the sanitizers catch (a read past the bytes, undefined
// behaviour, a leak), every input is checked for what the document relies on:
// - a refused file leaves the book it was read into exactly as it was, both
//   a new book and a filled, modified one;
// - an accepted file gives the same book whichever book it was read into,
//   and whether it is read from memory or streamed in small pieces;
// - an accepted book stores, and what it stores loads again to the same bytes;
// - the balance passes and searches run on whatever was accepted.
// A broken check aborts, which the fuzzer reports as a crash.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <span>
#include <vector>

#include "data/account_book.h"
#include "data/account_file.h"
#include "data/archive.h"
#include "data/calendar.h"
#include "sample_account.h"

namespace {

using purso::CAccountBook;
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

// Hands out the input in pieces of changing size, as a file read may.
class CPieceSource final : public purso::CByteSource {
 public:
  CPieceSource(std::span<const std::uint8_t> bytes, std::uint8_t seed) : bytes_(bytes), seed_(seed) {}
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

const CAccountBook& FilledAccount() {
  static const CAccountBook book = purso::fuzzing::FilledAccount();
  return book;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Kept between runs; a book is built anew only after a load replaced it.
  static const Bytes kNewBytes = Stored(CAccountBook());
  static const Bytes kFilledBytes = Stored(FilledAccount());
  static CAccountBook fresh;
  static CAccountBook filled = FilledAccount();
  static CAccountBook streamed;

  const Bytes bytes(data, data + size);

  const bool intoFresh = purso::LoadAccount(bytes, fresh);
  const bool intoFilled = purso::LoadAccount(bytes, filled);
  Require(intoFresh == intoFilled, "the same file was accepted by one book and refused by another");

  std::uint8_t seed = size == 0 ? 0 : data[size / 2];
  CPieceSource source(std::span(data, size), seed);
  purso::CArchiveReader streaming(source, size);
  const bool fromStream = streamed.Load(streaming);
  Require(fromStream == intoFresh, "reading in pieces decided otherwise than reading from memory");

  if (!intoFresh) {
    Require(!fresh.IsModified() && Stored(fresh) == kNewBytes, "a refused file changed a new book");
    Require(filled.IsModified() && Stored(filled) == kFilledBytes, "a refused file changed a filled book");
    return 0;
  }

  Require(!fresh.IsModified() && !filled.IsModified(), "a loaded book is marked modified");
  const Bytes stored = Stored(fresh);
  Require(Stored(filled) == stored, "the file gave different books in different books");
  Require(Stored(streamed) == stored, "the file gave a different book when read in pieces");

  CAccountBook again;
  Require(purso::LoadAccount(stored, again), "a stored book was refused");
  Require(Stored(again) == stored, "a stored book did not load to the same bytes");

  Exercise(fresh);

  fresh = CAccountBook();
  filled = FilledAccount();
  streamed = CAccountBook();
  return 0;
}
