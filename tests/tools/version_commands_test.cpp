// purso-tool versions and restore, on versions kept in a private place of
// the test's own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "data/account_file.h"
#include "data/archive.h"
#include "data/kept_versions.h"
#include "data/private_store.h"
#include "data/scratch_folder.h"
#include "purso_tool/tool_commands.h"

namespace purso::tool {
namespace {

using test::Bytes;
using test::ReadRaw;

class VersionToolTest : public test::ScratchFolderTest {
 protected:
  VersionToolTest() {
    ::setenv("XDG_DATA_HOME", PathOf("data").c_str(), 1);
    // The account now, and two versions kept of it: an empty year and one
    // with an opening balance.
    for (double balance : {0.0, 250.0}) {
      CAccountBook book(2024);
      book.CurrentLedger().SetOpeningBalance(balance);
      CArchiveWriter archive;
      EXPECT_TRUE(book.Write(archive));
      versions_.push_back(archive.Bytes());
      saved_ += std::chrono::hours(1);
      EXPECT_TRUE(CKeptVersions(DefaultPrivateRoot(), account_).Keep(archive.Bytes(), saved_, {}));
    }
    test::WriteRaw(account_, versions_.back());
  }
  ~VersionToolTest() override { ::unsetenv("XDG_DATA_HOME"); }

  int Run(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunTool(arguments, out, err);
    out_ = out.str();
    err_ = err.str();
    return status;
  }

  const std::string account_ = PathOf("household.pxf");
  WallClock::time_point saved_ = WallClock::from_time_t(1717400000);
  std::vector<Bytes> versions_;
  std::string out_, err_;
};

TEST_F(VersionToolTest, VersionsListsTheKeptVersionsNewestFirst) {
  ASSERT_EQ(Run({"versions", account_}), kExitOk) << err_;
  const nlohmann::json listed = nlohmann::json::parse(out_);
  EXPECT_EQ(listed["account"], RealPathOf(account_));
  ASSERT_EQ(listed["versions"].size(), 2u);
  EXPECT_EQ(listed["versions"][0]["balance"], 250.0);
  EXPECT_EQ(listed["versions"][0]["saved"], LocalTimeText(saved_, TimeDetail::kSeconds));
  EXPECT_EQ(listed["versions"][1]["transactions"], 0);
  EXPECT_EQ(listed["versions"][1]["damaged"], false);
}

TEST_F(VersionToolTest, RestoreRefusesToOverwriteWithoutForceAndSavesTheAccountAsTheProgramDoes) {
  const std::string older = CKeptVersions(DefaultPrivateRoot(), account_).List()[1].id;
  const std::string out = PathOf("older.pxf");
  ASSERT_EQ(Run({"restore", account_, older, out}), kExitOk) << err_;
  EXPECT_EQ(ReadRaw(out), versions_[0]);

  struct Refusal {
    std::vector<std::string> arguments;
    std::string message;
  };
  const Refusal refusals[] = {
      {{"restore", account_, older, out}, "'" + out + "' already exists; use --force to replace it"},
      {{"restore", account_, older, account_},
       "'" + account_ + "' is the account itself; use --force to replace it with the version"},
      {{"restore", account_, "20240101-000000-000", out},
       "no version '20240101-000000-000' of '" + account_ + "' is kept; see 'purso-tool versions'"},
  };
  for (const Refusal& refusal : refusals) {
    EXPECT_EQ(Run(refusal.arguments), kExitFileError);
    EXPECT_EQ(err_, "purso-tool: " + refusal.message + "\n");
  }
  EXPECT_EQ(ReadRaw(account_), versions_[1]);

  ASSERT_EQ(Run({"restore", account_, older, account_, "--force"}), kExitOk) << err_;
  EXPECT_EQ(ReadRaw(account_), versions_[0]);
  EXPECT_EQ(ReadRaw(BackupPathOf(account_)), versions_[1]);
}

}  // namespace
}  // namespace purso::tool
