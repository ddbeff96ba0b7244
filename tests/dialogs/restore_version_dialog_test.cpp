// The Restore Earlier Version and Backups dialogs.
#include "dialogs/restore_version_dialog.h"

#include <gtest/gtest.h>

#include "data/account_file.h"
#include "dialogs/backups_dialog.h"
#include "resources/backups_dialog_resource.h"
#include "resources/restore_version_dialog_resource.h"
#include "support/scripted_host.h"

namespace purso {
namespace {

using test::CDialogDriver;
using test::CScriptedHost;
namespace ids = restore_version_dialog;

// Two versions, the newer damaged; the older one of 1999 is in the red.
std::vector<VersionSummary> TwoVersions() {
  const auto saved = WallClock::from_time_t(1717400000);
  VersionSummary damaged;
  damaged.version = {"new", "", saved, 3};
  damaged.failure = ReadFailure::kTruncated;
  VersionSummary good;
  good.version = {"old", "", saved - std::chrono::hours(1), 2 * 1024 * 1024 + 1};
  good.year = 1999;
  good.transactions = 61;
  good.balance = -1234.5;
  return {damaged, good};
}

TEST(RestoreVersionDialogTest, ListsTheVersionsAndOpensOnlyOneThatIsWhole) {
  CRestoreVersionDialog dialog(TwoVersions(), "household.pxf");
  CScriptedHost host;
  const std::string newer = LocalTimeText(TwoVersions()[0].version.savedAt, TimeDetail::kSeconds);
  const std::string older = LocalTimeText(TwoVersions()[1].version.savedAt, TimeDetail::kSeconds);
  EXPECT_EQ(host.Run(dialog,
                     [&](CDialogDriver& d) {
                       EXPECT_EQ(d.Text(ids::kAccount), "Versions of household.pxf, newest first");
                       EXPECT_EQ(d.Item(ids::kVersions, 0), "%000!130!LB%" + newer +
                                                                "@00000000@%136!206!RB%1 KB%220!460!LR%damaged: the "
                                                                "file ends early%000!000!SB%");
                       EXPECT_EQ(d.Item(ids::kVersions, 1), "%000!130!LB%" + older +
                                                                "@00000001@%136!206!RB%2.0 MB%220!256!LB%1999"
                                                                "%262!340!RB%61%346!460!RR%$1,234.50%000!000!SB%");
                       d.Press(ids::kOpen);
                       d.ExpectRefused(kReadingProblem, kReadingSuggestion, ids::kVersions);
                       d.DoubleClick(ids::kVersions, 1);
                     }),
            ids::kOpen);
  EXPECT_EQ(dialog.Chosen().version.id, "old");
}

TEST(RestoreVersionDialogTest, AnAccountWithoutVersionsSaysSoAndOpensNothing) {
  CRestoreVersionDialog dialog({}, "Purso1");
  CScriptedHost host;
  host.Run(dialog, [](CDialogDriver& d) {
    EXPECT_EQ(d.Text(ids::kAccount), "No earlier versions of Purso1 are kept.");
    EXPECT_FALSE(d.Controls().IsEnabled(ids::kOpen));
    d.Escape();
  });
}

TEST(BackupsDialogTest, RefusesNumbersOutOfRangeAndGivesTheOnesTyped) {
  namespace backups = backups_dialog;
  const struct {
    const char* saves;
    const char* days;
    const char* problem;
    const char* suggestion;
    int field;
  } refusals[] = {
      {"0", "30", "The number of saves is invalid", "Enter a whole number from 1 to 999.", backups::kSaves},
      {"20x", "30", "The number of saves is invalid", "Enter a whole number from 1 to 999.", backups::kSaves},
      {"20", "1000", "The number of days is invalid", "Enter a whole number from 0 to 999.", backups::kDays},
      {"20", "", "The number of days is invalid", "Enter a whole number from 0 to 999.", backups::kDays},
  };
  CBackupsDialog dialog(VersionLimits{});
  CScriptedHost host;
  host.Run(dialog, [&](CDialogDriver& d) {
    EXPECT_EQ(d.Text(backups::kSaves), "20");
    EXPECT_EQ(d.Text(backups::kDays), "30");
    for (const auto& refusal : refusals) {
      d.Type(backups::kSaves, refusal.saves);
      d.Type(backups::kDays, refusal.days);
      d.Press(backups::kOk);
      d.ExpectRefused(refusal.problem, refusal.suggestion, refusal.field);
    }
    d.Type(backups::kSaves, "50");
    d.Type(backups::kDays, "0");
    d.Press(backups::kOk);
  });
  EXPECT_EQ(dialog.Limits(), (VersionLimits{50, 0}));
}

}  // namespace
}  // namespace purso
