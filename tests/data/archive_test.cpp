// Streaming archive reader: the same results as the in-memory reader however
// the source hands out its bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "data/account_book.h"
#include "data/account_file.h"
#include "data/archive.h"

namespace purso {
namespace {

// Ends (or fails, as a read error does) after failAt bytes.
class CChunkedSource final : public CByteSource {
 public:
  enum class End { kEnds, kFails };
  CChunkedSource(const std::vector<std::uint8_t>& bytes, unsigned seed, std::size_t failAt = SIZE_MAX,
                 End end = End::kEnds)
      : bytes_(bytes), random_(seed), failAt_(failAt), end_(end) {}
  bool HadError() const override { return end_ == End::kFails && position_ >= failAt_; }
  std::size_t ReadSome(std::uint8_t* destination, std::size_t n) override {
    EXPECT_GT(n, 0u);
    if (position_ >= failAt_) return 0;
    std::size_t count = std::uniform_int_distribution<std::size_t>(1, 3000)(random_);
    count = std::min({count, n, bytes_.size() - position_, failAt_ - position_});
    std::memcpy(destination, bytes_.data() + position_, count);
    position_ += count;
    return count;
  }
 private:
  const std::vector<std::uint8_t>& bytes_;
  std::mt19937 random_;
  std::size_t position_ = 0;
  std::size_t failAt_;
  End end_;
};

std::vector<std::uint8_t> SampleAccount() {
  CAccountBook book;
  for (int y = 0; y < CAccountBook::kYearCount; y += 5) {
    CYearLedger& ledger = book.Ledger(y);
    ledger.SetOpeningBalance(y * 10.5);
    for (int i = 0; i < 70; ++i) {
      ledger.Categories().AddRow();
      ledger.Categories().SetText(category_column::kName, "Cat" + std::to_string(i));
      ledger.Categories().SetNumber(category_column::kType, i % 4);
    }
    for (int i = 0; i < 3000; ++i) {
      ledger.Transactions().AddRow();
      ledger.Transactions().SetNumber(transaction_column::kDate, 101 + i % 1100);
      ledger.Transactions().SetText(transaction_column::kDescription, "T" + std::to_string(i));
    }
    for (int i = 0; i < 700; ++i) {
      ledger.Predactions().AddRow();
      ledger.Predactions().SetNumber(predaction_column::kAmount, i);
    }
  }
  CArchiveWriter writer;
  EXPECT_TRUE(book.Write(writer));
  return writer.Bytes();
}

std::vector<std::uint8_t> BytesOf(const CAccountBook& book) {
  CArchiveWriter writer;
  EXPECT_TRUE(book.Write(writer));
  return writer.Bytes();
}

TEST(ArchiveStreamTest, LoadsTheSameBookAsFromMemory) {
  const auto bytes = SampleAccount();
  for (unsigned seed = 0; seed < 20; ++seed) {
    CChunkedSource source(bytes, seed);
    CArchiveReader archive(source, bytes.size());
    CAccountBook book;
    ASSERT_TRUE(book.Load(archive)) << seed;
    EXPECT_EQ(archive.Position(), bytes.size());
    EXPECT_EQ(archive.Remaining(), 0u);
    EXPECT_EQ(BytesOf(book), bytes);
  }
}

TEST(ArchiveStreamTest, ShortOrFailingSourceFails) {
  const auto bytes = SampleAccount();
  for (std::size_t cut : {std::size_t{0}, std::size_t{10}, std::size_t{48}, std::size_t{5000}, bytes.size() / 2, bytes.size() - 1}) {
    // The size claims the whole file, the source ends early.
    CChunkedSource source(bytes, 7, cut);
    CArchiveReader archive(source, bytes.size());
    CAccountBook book;
    book.SetYearIndex(5);
    EXPECT_FALSE(book.Load(archive)) << cut;
    EXPECT_EQ(archive.Failure(), ReadFailure::kTruncated) << cut;
    EXPECT_EQ(book.GetYearIndex(), 5);
    // The source reports an error where it stops.
    CChunkedSource failing(bytes, 7, cut, CChunkedSource::End::kFails);
    CArchiveReader failingArchive(failing, bytes.size());
    EXPECT_FALSE(book.Load(failingArchive)) << cut;
    EXPECT_EQ(failingArchive.Failure(), ReadFailure::kReadError) << cut;
    // The size itself is short.
    CChunkedSource source2(bytes, 7);
    CArchiveReader archive2(source2, cut);
    EXPECT_FALSE(book.Load(archive2)) << cut;
    EXPECT_EQ(archive2.Failure(), ReadFailure::kTruncated) << cut;
    EXPECT_EQ(book.GetYearIndex(), 5);
  }
}

TEST(ArchiveStreamTest, PrimitiveReadsMatchMemory) {
  std::vector<std::uint8_t> bytes(100000);
  std::mt19937 random(3);
  for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
  for (unsigned seed = 0; seed < 30; ++seed) {
    CChunkedSource source(bytes, seed);
    CArchiveReader stream(source, bytes.size());
    CArchiveReader memory(bytes);
    std::mt19937 ops(seed);
    while (memory.Remaining() > 0) {
      const int op = std::uniform_int_distribution<int>(0, 4)(ops);
      if (op == 0) { std::uint32_t a = 0, b = 0; EXPECT_EQ(stream.ReadU32(a), memory.ReadU32(b)); EXPECT_EQ(a, b); }
      if (op == 1) { double a = 0, b = 0; EXPECT_EQ(stream.ReadDouble(a), memory.ReadDouble(b)); if (a == a) { EXPECT_EQ(a, b); } }
      if (op == 2 || op == 3) {
        const std::size_t n = std::uniform_int_distribution<std::size_t>(0, op == 2 ? 100 : 40000)(ops);
        std::vector<std::uint8_t> a(n, 1), b(n, 1);
        EXPECT_EQ(stream.Read(a.data(), n), memory.Read(b.data(), n));
        if (!memory.Failed()) { EXPECT_EQ(a, b); }
      }
      if (op == 4) {
        const std::size_t n = std::uniform_int_distribution<std::size_t>(0, 30000)(ops);
        const auto a = stream.Take(n);
        const auto b = memory.Take(n);
        ASSERT_EQ(a.size(), b.size());
        EXPECT_TRUE(std::equal(a.begin(), a.end(), b.begin()));
      }
      EXPECT_EQ(stream.Position(), memory.Position());
      EXPECT_EQ(stream.Remaining(), memory.Remaining());
      EXPECT_EQ(stream.Failed(), memory.Failed());
      if (memory.Failed()) break;
    }
  }
}

class CCollectingSink final : public CByteSink {
 public:
  explicit CCollectingSink(std::size_t failAt = SIZE_MAX) : failAt_(failAt) {}
  bool WriteAll(const std::uint8_t* source, std::size_t n) override {
    EXPECT_GT(n, 0u);
    ++calls;
    if (bytes.size() + n > failAt_) return false;
    bytes.insert(bytes.end(), source, source + n);
    return true;
  }
  std::vector<std::uint8_t> bytes;
  int calls = 0;
 private:
  std::size_t failAt_;
};

TEST(ArchiveStreamTest, StreamingWriterWritesTheSameBytes) {
  const auto bytes = SampleAccount();
  CAccountBook book;
  CArchiveReader reader(bytes);
  ASSERT_TRUE(book.Load(reader));
  CCollectingSink sink;
  CArchiveWriter writer(sink);
  ASSERT_TRUE(book.Write(writer));
  ASSERT_TRUE(writer.Flush());
  EXPECT_EQ(sink.bytes, bytes);
  EXPECT_EQ(writer.Size(), bytes.size());
  EXPECT_LT(sink.calls, 200);
}

TEST(ArchiveStreamTest, StreamingWriterFailsWithItsSink) {
  const auto bytes = SampleAccount();
  CAccountBook book;
  CArchiveReader reader(bytes);
  ASSERT_TRUE(book.Load(reader));
  for (std::size_t cut : {std::size_t{0}, std::size_t{100}, bytes.size() / 3, bytes.size() - 1}) {
    CCollectingSink sink(cut);
    CArchiveWriter writer(sink);
    const bool ok = book.Write(writer) && writer.Flush();
    EXPECT_FALSE(ok) << cut;
    EXPECT_TRUE(writer.Failed());
    EXPECT_FALSE(writer.Flush());
  }
}

TEST(ArchiveStreamTest, PrimitiveWritesMatchMemory) {
  std::mt19937 ops(5);
  CCollectingSink sink;
  CArchiveWriter stream(sink);
  CArchiveWriter memory;
  std::vector<std::uint8_t> block(50000);
  for (auto& b : block) b = static_cast<std::uint8_t>(ops());
  for (int i = 0; i < 3000; ++i) {
    const int op = std::uniform_int_distribution<int>(0, 3)(ops);
    if (op == 0) { const auto v = static_cast<std::uint32_t>(ops()); stream.WriteU32(v); memory.WriteU32(v); }
    if (op == 1) { const double v = ops() / 7.0; stream.WriteDouble(v); memory.WriteDouble(v); }
    if (op == 2) { const auto n = std::uniform_int_distribution<std::size_t>(0, 5000)(ops); stream.Write(block.data(), n); memory.Write(block.data(), n); }
    if (op == 3) { const auto n = std::uniform_int_distribution<std::size_t>(0, 50000)(ops); stream.Write(block.data(), n); memory.Write(block.data(), n); }
  }
  ASSERT_TRUE(stream.Flush());
  EXPECT_EQ(sink.bytes, memory.Bytes());
  EXPECT_EQ(stream.Size(), memory.Size());
}

}  // namespace
}  // namespace purso
