#include "data/account_file.h"

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace purso {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using Bytes = std::vector<std::uint8_t>;

Bytes Stored(const CAccountBook& book) {
  CArchiveWriter writer;
  EXPECT_TRUE(book.Write(writer));
  return writer.Bytes();
}

// A modified account with a row in one year and a changed setting.
CAccountBook SmallBook() {
  CAccountBook book;
  book.SetYearIndex(10);
  book.Settings().currencySymbol = "kr";
  book.SetModified();
  CRecordTable& objects = book.CurrentLedger().Objects();
  EXPECT_TRUE(objects.AddRow());
  objects.SetText(name_column::kName, "Car");
  book.Ledger(2).SetOpeningBalance(99.5);
  return book;
}

// An account of many transactions, larger than SmallBook's file.
CAccountBook LargeBook() {
  CAccountBook book = SmallBook();
  CRecordTable& transactions = book.Ledger(20).Transactions();
  for (int i = 0; i < 400; ++i) {
    EXPECT_TRUE(transactions.AddRow());
    transactions.SetNumber(transaction_column::kDate, 101 + i % 28);
    transactions.SetText(transaction_column::kDescription, "Transaction " + std::to_string(i));
  }
  return book;
}

void WriteRaw(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good());
}

Bytes ReadRaw(const fs::path& path) {
  Bytes bytes;
  EXPECT_TRUE(ReadFileBytes(path.string(), bytes));
  return bytes;
}

class AccountFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "purso_account_file_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(folder_, ignored);
  }

  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path folder_;
};

TEST_F(AccountFileTest, SavedAccountReadsBackAndIsNoLongerModified) {
  CAccountBook book = SmallBook();
  const Bytes expected = Stored(book);
  const fs::path path = folder_ / "budget.pxf";
  ASSERT_TRUE(StoreAccountFile(path.string(), book));
  EXPECT_FALSE(book.IsModified());
  EXPECT_EQ(ReadRaw(path), expected);
  EXPECT_THAT(Entries(), ElementsAre("budget.pxf"));

  CAccountBook loaded;
  ASSERT_EQ(LoadAccountFile(path.string(), loaded), ReadFailure::kNone);
  EXPECT_EQ(Stored(loaded), expected);
  EXPECT_EQ(loaded.GetYear(), 2008);
  EXPECT_FALSE(loaded.IsModified());
}

TEST_F(AccountFileTest, SavingOverAFileReplacesItWhole) {
  const fs::path path = folder_ / "budget.pxf";
  CAccountBook large = LargeBook();
  ASSERT_TRUE(StoreAccountFile(path.string(), large));
  CAccountBook small = SmallBook();
  ASSERT_TRUE(StoreAccountFile(path.string(), small));
  EXPECT_EQ(ReadRaw(path), Stored(SmallBook()));
  EXPECT_THAT(Entries(), ElementsAre("budget.pxf", "budget.pxf.bak"));
}

TEST_F(AccountFileTest, ReplacedFileKeepsItsPermissions) {
  const fs::path path = folder_ / "budget.pxf";
  for (mode_t mode : {0640, 0600, 0604}) {
    WriteRaw(path, Bytes{1, 2, 3});
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    CAccountBook book = SmallBook();
    ASSERT_TRUE(StoreAccountFile(path.string(), book)) << std::oct << mode;
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, mode) << std::oct << mode;
  }
}

TEST_F(AccountFileTest, NewFileTakesTheUmask) {
  const mode_t previous = ::umask(027);
  CAccountBook book = SmallBook();
  const bool stored = StoreAccountFile((folder_ / "new.pxf").string(), book);
  ::umask(previous);
  ASSERT_TRUE(stored);
  struct stat info {};
  ASSERT_EQ(::stat((folder_ / "new.pxf").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
}

TEST_F(AccountFileTest, SavingThroughALinkReplacesTheFileItNames) {
  const fs::path target = folder_ / "real.pxf";
  const fs::path link = folder_ / "link.pxf";
  WriteRaw(target, Bytes{1, 2, 3});
  fs::create_symlink(target.filename(), link);
  CAccountBook book = SmallBook();
  ASSERT_TRUE(StoreAccountFile(link.string(), book));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadRaw(target), Stored(SmallBook()));
  EXPECT_THAT(Entries(), ElementsAre("link.pxf", "real.pxf", "real.pxf.bak"));
}

TEST_F(AccountFileTest, SavingIntoAMissingFolderFails) {
  CAccountBook book = SmallBook();
  EXPECT_FALSE(StoreAccountFile((folder_ / "missing" / "budget.pxf").string(), book));
  EXPECT_TRUE(book.IsModified());
  EXPECT_TRUE(book.Ledger(2).IsModified());
  EXPECT_TRUE(Entries().empty());
}

TEST_F(AccountFileTest, SavingOverAFolderFailsAndLeavesNoTemporaryFile) {
  const fs::path path = folder_ / "budget.pxf";
  fs::create_directory(path);
  WriteRaw(path / "inside", Bytes{7});
  CAccountBook book = SmallBook();
  EXPECT_FALSE(StoreAccountFile(path.string(), book));
  EXPECT_TRUE(book.IsModified());
  EXPECT_TRUE(fs::is_directory(path));
  EXPECT_THAT(Entries(), ElementsAre("budget.pxf"));
  EXPECT_EQ(ReadRaw(path / "inside"), Bytes{7});
}

// Lowers the largest file this process may write, so that a write fails
// part way whatever the user's rights; restores it and the signal on exit.
class CScopedFileSizeLimit {
 public:
  explicit CScopedFileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    previousHandler_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = previous_;
    lowered.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~CScopedFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousHandler_);
  }
  CScopedFileSizeLimit(const CScopedFileSizeLimit&) = delete;
  CScopedFileSizeLimit& operator=(const CScopedFileSizeLimit&) = delete;

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST_F(AccountFileTest, FailedWriteLeavesTheOldFileByteForByte) {
  const fs::path path = folder_ / "budget.pxf";
  CAccountBook old = SmallBook();
  ASSERT_TRUE(StoreAccountFile(path.string(), old));
  const Bytes oldBytes = ReadRaw(path);

  CAccountBook book = LargeBook();
  ASSERT_GT(Stored(book).size(), oldBytes.size() + 4096);
  bool stored = true;
  {
    CScopedFileSizeLimit limit(oldBytes.size() + 4096);
    stored = StoreAccountFile(path.string(), book);
  }
  EXPECT_FALSE(stored);
  EXPECT_TRUE(book.IsModified());
  EXPECT_EQ(ReadRaw(path), oldBytes);
  EXPECT_THAT(Entries(), ElementsAre("budget.pxf"));
  // The same book saves once the disk has room again.
  EXPECT_TRUE(StoreAccountFile(path.string(), book));
  EXPECT_FALSE(book.IsModified());
}

TEST_F(AccountFileTest, SavingIntoAReadOnlyFolderFails) {
  if (::geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind the superuser";
  const fs::path path = folder_ / "budget.pxf";
  CAccountBook old = SmallBook();
  ASSERT_TRUE(StoreAccountFile(path.string(), old));
  const Bytes oldBytes = ReadRaw(path);
  fs::permissions(folder_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  CAccountBook book = LargeBook();
  EXPECT_FALSE(StoreAccountFile(path.string(), book));
  EXPECT_TRUE(book.IsModified());
  EXPECT_EQ(ReadRaw(path), oldBytes);
  EXPECT_THAT(Entries(), ElementsAre("budget.pxf"));
}

TEST_F(AccountFileTest, ReadingFailsForWhatIsNotAnAccount) {
  const Bytes good = Stored(SmallBook());
  WriteRaw(folder_ / "short.pxf", Bytes(good.begin(), good.end() - 1));
  WriteRaw(folder_ / "empty.pxf", Bytes{});
  Bytes trailing = good;
  trailing.push_back(0);
  WriteRaw(folder_ / "trailing.pxf", trailing);
  fs::create_directory(folder_ / "folder.pxf");
  ASSERT_EQ(::mkfifo((folder_ / "pipe.pxf").c_str(), 0600), 0);
  const struct {
    const char* name;
    ReadFailure reason;
  } cases[] = {
      {"short.pxf", ReadFailure::kTruncated},      {"empty.pxf", ReadFailure::kTruncated},
      {"trailing.pxf", ReadFailure::kTrailingBytes}, {"folder.pxf", ReadFailure::kNotAFile},
      {"pipe.pxf", ReadFailure::kNotAFile},        {"missing.pxf", ReadFailure::kNoSuchFile},
      {"short.pxf/inside.pxf", ReadFailure::kNoSuchFile},
  };
  CAccountBook book = LargeBook();
  const Bytes before = Stored(book);
  for (const auto& c : cases) {
    EXPECT_EQ(LoadAccountFile((folder_ / c.name).string(), book), c.reason) << c.name;
    EXPECT_EQ(Stored(book), before) << c.name;
    EXPECT_TRUE(book.IsModified()) << c.name;
  }
}

// The reason LoadAccountFile gives for a file this process may not read. The
// superuser reads every file, so it asks as the user nobody, in a child process.
ReadFailure LoadAsOtherUser(const std::string& path) {
  if (::geteuid() != 0) {
    CAccountBook book;
    return LoadAccountFile(path, book);
  }
  const pid_t child = ::fork();
  if (child == 0) {
    CAccountBook book;
    const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
    ::_exit(dropped ? static_cast<int>(LoadAccountFile(path, book)) : 255);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return ReadFailure::kNone;
  return static_cast<ReadFailure>(WEXITSTATUS(status));
}

TEST_F(AccountFileTest, AFileThatMayNotBeReadIsNoMissingFile) {
  const fs::path path = folder_ / "private.pxf";
  CAccountBook book = SmallBook();
  ASSERT_TRUE(StoreAccountFile(path.string(), book));
  ASSERT_EQ(::chmod(path.c_str(), 0), 0);
  ASSERT_EQ(::chmod(folder_.c_str(), 0755), 0);
  EXPECT_EQ(LoadAsOtherUser(path.string()), ReadFailure::kNoPermission);
  EXPECT_EQ(LoadAsOtherUser((folder_ / "missing.pxf").string()), ReadFailure::kNoSuchFile);
}

TEST_F(AccountFileTest, AnAccountWithLaterYearsKeepsThemThroughSaveAndOpen) {
  CAccountBook book = SmallBook();
  CRecordTable& objects = book.Ledger(2031 - CAccountBook::kFirstYear).Objects();
  ASSERT_TRUE(objects.AddRow());
  objects.SetText(name_column::kName, "Boat");
  book.Ledger(101).SetOpeningBalance(-3.25);
  const Bytes expected = Stored(book);
  const fs::path path = folder_ / "later.pxf";
  ASSERT_TRUE(StoreAccountFile(path.string(), book));

  CAccountBook reopened(1999);
  ASSERT_EQ(LoadAccountFile(path.string(), reopened), ReadFailure::kNone);
  ASSERT_TRUE(StoreAccountFile(path.string(), reopened));
  EXPECT_EQ(ReadRaw(path), expected);
  CAccountBook again(1999);
  ASSERT_EQ(LoadAccountFile(path.string(), again), ReadFailure::kNone);
  EXPECT_EQ(again.Ledger(2031 - CAccountBook::kFirstYear).Objects().TextAt(0, name_column::kName), "Boat");
  EXPECT_EQ(again.Ledger(101).GetOpeningBalance(), -3.25);
  EXPECT_EQ(again.Ledger(2).GetOpeningBalance(), 99.5);
  EXPECT_EQ(again.GetYear(), 2008);
}

TEST_F(AccountFileTest, LargeAccountReadsBackFromItsFile) {
  // Tables far larger than any read buffer, read from the file in pieces.
  CAccountBook book = LargeBook();
  for (int year : {3, 20}) {
    CRecordTable& transactions = book.Ledger(year).Transactions();
    for (int i = 0; i < 1500; ++i) {
      ASSERT_TRUE(transactions.AddRow());
      transactions.SetNumber(transaction_column::kAmount, i * 0.25);
      transactions.SetText(transaction_column::kDescription, std::string(48, static_cast<char>('a' + i % 26)));
    }
  }
  const Bytes expected = Stored(book);
  ASSERT_GT(expected.size(), 256u * 1024u);
  const fs::path path = folder_ / "large.pxf";
  ASSERT_TRUE(StoreAccountFile(path.string(), book));

  CAccountBook loaded;
  ASSERT_EQ(LoadAccountFile(path.string(), loaded), ReadFailure::kNone);
  EXPECT_EQ(Stored(loaded), expected);

  const Bytes before = Stored(loaded);
  for (std::size_t cut : {std::size_t{47}, std::size_t{9000}, expected.size() / 3, expected.size() / 2,
                          expected.size() - 85, expected.size() - 1}) {
    WriteRaw(path, Bytes(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(cut)));
    EXPECT_EQ(LoadAccountFile(path.string(), loaded), ReadFailure::kTruncated) << cut;
    EXPECT_EQ(Stored(loaded), before) << cut;
  }
}

TEST_F(AccountFileTest, FileBytesAreReadWhole) {
  Bytes big(70000);
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i * 7);
  ASSERT_TRUE(WriteFileAtomically((folder_ / "big").string(), big));
  EXPECT_EQ(ReadRaw(folder_ / "big"), big);
  ASSERT_TRUE(WriteFileAtomically((folder_ / "empty").string(), Bytes{}));
  EXPECT_EQ(ReadRaw(folder_ / "empty"), Bytes{});
  Bytes untouched{9};
  EXPECT_FALSE(ReadFileBytes((folder_ / "missing").string(), untouched));
  EXPECT_EQ(untouched, Bytes{9});
}

}  // namespace
}  // namespace purso
