// The account's years after 2024: which file form an account is written in,
// the extended form's bytes and refusals, and what earlier programs make of it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/account_book.h"
#include "data/account_file.h"
#include "data/byte_builder.h"
#include "data/sample_books.h"

namespace purso {
namespace {

using test_bytes::ByteBuilder;
using namespace purso::test;

constexpr std::size_t kYearIndexAt = 47;
constexpr std::size_t kLedgerCountAt = 48;
constexpr int k2031 = 2031 - CAccountBook::kFirstYear;

std::string MagicOf(const Bytes& file) { return std::string(file.begin(), file.begin() + 7); }

// FNV-1a, to compare a file with one that is too long to spell out.
std::uint64_t Fingerprint(const Bytes& bytes) {
  std::uint64_t hash = 14695981039346656037ull;
  for (std::uint8_t b : bytes) hash = (hash ^ b) * 1099511628211ull;
  return hash;
}

// The earlier filled book with 2031 (the current year) and 2099 in use.
CAccountBook LaterBook() {
  CAccountBook book = FilledBook();
  FillLedger(book.Ledger(k2031), 33);
  book.Ledger(101).SetOpeningBalance(7.5);
  book.SetYearIndex(k2031);
  return book;
}

// Reads as the programs of the 27 years did: only their magics, 27 ledgers,
// and whatever follows them ignored.
bool EarlierProgramLoad(const Bytes& bytes, CAccountBook& book) {
  CArchiveReader archive(bytes);
  char magic[7];
  std::uint8_t record[CDisplaySettings::kRecordSize];
  std::uint8_t yearIndex = 0;
  if (!archive.Read(magic, 7) || !archive.Read(record, sizeof record) || !archive.ReadU8(yearIndex)) return false;
  const std::string_view found(magic, 7);
  if ((found != "PURSO11" && found != "PURSO10") || yearIndex > 26) return false;
  CAccountBook loaded(CAccountBook::kFirstYear);
  if (!CDisplaySettings::Decode(record, loaded.Settings())) return false;
  loaded.SetYearIndex(yearIndex);
  for (int i = 0; i < 27; ++i) {
    if (!loaded.Ledger(i).Load(archive)) return false;
  }
  book = std::move(loaded);
  return true;
}

TEST(AccountBookForms, AnAccountOfTheEarlierYearsIsWrittenAsEarlierProgramsWroteIt) {
  // The size and fingerprint of this account's file as the program of the
  // 27 years wrote it.
  const Bytes file = Stored(FilledBook());
  EXPECT_EQ(file.size(), 12332u);
  EXPECT_EQ(Fingerprint(file), 0x7c06dda8d2f2d178u);
  CAccountBook loaded;
  ASSERT_EQ(LoadAccount(file, loaded), ReadFailure::kNone);
  EXPECT_EQ(Stored(loaded), file);
}

TEST(AccountBookForms, TheFormFollowsTheYearsInUse) {
  struct Case {
    int currentYear;
    std::vector<int> filledYears;
    int ledgerCount;  // 0: the earlier form
  };
  const Case cases[] = {
      {1999, {}, 0},     {2024, {2024}, 0},     {2025, {}, 28},    {1999, {2031}, 34},
      {2050, {2031}, 53}, {2026, {2099}, 102}, {2099, {}, 102},   {2031, {1998}, 34},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.currentYear);
    CAccountBook book(c.currentYear);
    for (int year : c.filledYears) book.Ledger(year - CAccountBook::kFirstYear).SetOpeningBalance(1.0);
    const Bytes file = Stored(book);
    if (c.ledgerCount == 0) {
      EXPECT_EQ(MagicOf(file), "PURSO11");
      EXPECT_EQ(file.size(), 48u + 27u * 308u);
    } else {
      EXPECT_EQ(MagicOf(file), "PURSO12");
      EXPECT_EQ(file[kLedgerCountAt], c.ledgerCount);
      EXPECT_EQ(file.size(), 49u + 308u * static_cast<std::size_t>(c.ledgerCount));
    }
    EXPECT_EQ(file[kYearIndexAt], c.currentYear - 1998);
    CAccountBook loaded(1999);
    ASSERT_EQ(LoadAccount(file, loaded), ReadFailure::kNone);
    EXPECT_EQ(loaded.GetYear(), c.currentYear);
    EXPECT_EQ(Stored(loaded), file);
  }
}

TEST(AccountBookForms, ANewAccountOnALaterYearStoresItsBytes) {
  ByteBuilder b;
  b.Chars("PURSO12");
  b.U32(0).U8('/').Zeros(3).U32(0).U32(0).U32(0).U8(2).Text("$", 5).Zeros(2).Zeros(12);
  b.U8(28).U8(29);
  for (int i = 0; i < 29; ++i) AppendEmptyLedger(b);
  ASSERT_EQ(b.Bytes().size(), 8981u);
  EXPECT_EQ(Stored(CAccountBook(2026)), b.Bytes());
}

TEST(AccountBookForms, AnEarlierReaderRefusesTheExtendedForm) {
  // The check: an earlier reader reads the earlier form of the same years...
  CAccountBook earlier(1999);
  ASSERT_TRUE(EarlierProgramLoad(Stored(FilledBook()), earlier));
  EXPECT_EQ(earlier.GetYear(), 2022);
  // ...but refuses the extended form rather than read its first 27 years.
  CAccountBook book(1999);
  EXPECT_FALSE(EarlierProgramLoad(Stored(LaterBook()), book));
  EXPECT_EQ(book.GetYear(), 1999);
}

// --- Refused extended files ----------------------------------------------------

class ExtendedDamageTest : public ::testing::Test {
 protected:
  void SetUp() override { file_ = Stored(LaterBook()); }

  // Loads into a filled book; a refusal must leave it as it was.
  ReadFailure Load() const {
    CAccountBook book = FilledBook();
    const Bytes before = Stored(book);
    const ReadFailure failure = LoadAccount(file_, book);
    if (failure != ReadFailure::kNone) {
      EXPECT_EQ(Stored(book), before);
      EXPECT_TRUE(book.IsModified());
    }
    return failure;
  }

  Bytes file_;
};

TEST_F(ExtendedDamageTest, IntactFileLoads) { EXPECT_EQ(Load(), ReadFailure::kNone); }

TEST_F(ExtendedDamageTest, LedgerCountOutOfRange) {
  for (std::uint8_t count : {0, 103, 255}) {
    file_[kLedgerCountAt] = count;
    EXPECT_EQ(Load(), ReadFailure::kBadLedgerCount) << int{count};
  }
}

TEST_F(ExtendedDamageTest, YearIndexBeyondTheLedgerCount) {
  CAccountBook book(2031);
  FillLedger(book.Ledger(k2031), 1);
  file_ = Stored(book);
  ASSERT_EQ(file_[kLedgerCountAt], 34);
  for (std::uint8_t index : {34, 101, 102, 255}) {
    file_[kYearIndexAt] = index;
    EXPECT_EQ(Load(), ReadFailure::kBadYearIndex) << int{index};
  }
}

TEST_F(ExtendedDamageTest, LedgerCountOtherThanTheLedgersHeld) {
  // One ledger fewer leaves the last one behind; one more finds no bytes for it.
  const Bytes good = file_;
  file_[kLedgerCountAt] = 101;
  EXPECT_EQ(Load(), ReadFailure::kTrailingBytes);
  file_ = good;
  file_[kLedgerCountAt] = 34;  // the current year's ledger is still held, 2032 to 2099 follow
  EXPECT_EQ(Load(), ReadFailure::kTrailingBytes);
  file_ = Stored(CAccountBook(2030));
  file_[kLedgerCountAt] = 34;
  EXPECT_EQ(Load(), ReadFailure::kTruncated);
}

TEST_F(ExtendedDamageTest, EveryTruncation) {
  const Bytes good = file_;
  for (std::size_t n = 0; n < good.size(); n += (n < 600 ? 1 : 97)) {
    file_.assign(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    ASSERT_EQ(Load(), ReadFailure::kTruncated) << n;
  }
}

TEST_F(ExtendedDamageTest, BytesAfterTheLastLedger) {
  file_.push_back(0x2a);
  EXPECT_EQ(Load(), ReadFailure::kTrailingBytes);
}

TEST_F(ExtendedDamageTest, DamagedSettings) {
  file_[7 + 20] = 9;  // 9 decimals
  EXPECT_EQ(Load(), ReadFailure::kBadSettings);
}

}  // namespace
}  // namespace purso
