// The versions kept of every save: which the limits keep, and the files in
// the private place.
#include "data/kept_versions.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <vector>

#include "data/scratch_folder.h"

namespace purso {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

// A local time on a day of May 2024.
WallClock::time_point LocalTime(int day, int hour, int minute = 0) {
  std::tm local{};
  local.tm_year = 2024 - 1900;
  local.tm_mon = 4;
  local.tm_mday = day;
  local.tm_hour = hour;
  local.tm_min = minute;
  local.tm_isdst = -1;
  return WallClock::from_time_t(std::mktime(&local));
}

struct Saves {
  int day;
  int count;  // saves that day, a minute apart from 9 o'clock
};

// The times of the saves, newest first, as the list gives them.
std::vector<WallClock::time_point> NewestFirst(std::initializer_list<Saves> saves) {
  std::vector<WallClock::time_point> times;
  for (const Saves& day : saves) {
    for (int i = 0; i < day.count; ++i) times.insert(times.begin(), LocalTime(day.day, 9, i));
  }
  return times;
}

TEST(KeptVersionsTest, TheLimitsKeepTheLastSavesAndTheLastOfEachRecentDay) {
  struct Case {
    const char* name;
    std::initializer_list<Saves> saves;  // oldest day first
    VersionLimits limits;
    std::size_t kept;
  };
  const Case cases[] = {
      {"25 saves on one day", {{20, 25}}, {}, 20},
      {"25 saves, the first 5 the day before", {{19, 5}, {20, 20}}, {}, 21},
      {"a save a day, the last save and two days kept", {{1, 1}, {2, 1}, {3, 1}}, {1, 2}, 2},
      {"no days kept: the last saves alone", {{1, 3}, {2, 1}}, {2, 0}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<WallClock::time_point> times = NewestFirst(c.saves);
    const std::vector<bool> kept = KeptByLimits(times, c.limits, times.front());
    EXPECT_EQ(static_cast<std::size_t>(std::count(kept.begin(), kept.end(), true)), c.kept);
  }
  // The last version of a day 29 days back is kept, of a day 30 back not.
  const std::vector<WallClock::time_point> old = {LocalTime(31, 9), LocalTime(2, 9), LocalTime(1, 9)};
  EXPECT_EQ(KeptByLimits(old, {1, 30}, old.front()), (std::vector<bool>{true, true, false}));
}

class KeptVersionsFilesTest : public test::ScratchFolderTest {};

TEST_F(KeptVersionsFilesTest, SavesAreKeptPrivatelyNewestFirstAndBounded) {
  const std::string root = PathOf("data/purso");
  CKeptVersions versions(root, PathOf("household.pxf"));
  for (int i = 0; i < 25; ++i) {
    const WallClock::time_point when = i < 5 ? LocalTime(19, 18, i) : LocalTime(20, 9, i);
    ASSERT_TRUE(versions.Keep(Bytes{static_cast<std::uint8_t>(i)}, when, {}));
  }
  const std::vector<KeptVersion> kept = versions.List();
  ASSERT_EQ(kept.size(), 21u);
  EXPECT_EQ(test::ReadRaw(kept.front().path), Bytes{24});
  EXPECT_EQ(test::ReadRaw(kept.back().path), Bytes{4});  // the last of the day before
  EXPECT_EQ(kept.front().savedAt, LocalTime(20, 9, 24));

  struct stat folder {};
  struct stat file {};
  ASSERT_EQ(::stat(versions.Folder().c_str(), &folder), 0);
  ASSERT_EQ(::stat(kept.front().path.c_str(), &file), 0);
  EXPECT_EQ(folder.st_mode & 0777, 0700u);
  EXPECT_EQ(file.st_mode & 0777, 0600u);

  // Another name of the same file shares its versions; another file has its own.
  EXPECT_EQ(CKeptVersions(root, PathOf("./household.pxf")).Folder(), versions.Folder());
  EXPECT_TRUE(CKeptVersions(root, PathOf("other.pxf")).List().empty());
  EXPECT_EQ(versions.Find(kept[3].id)->path, kept[3].path);
}

TEST_F(KeptVersionsFilesTest, ASaveRemovesTheTemporariesOfKilledSavesButNotOfARunningOne) {
  CKeptVersions versions(PathOf("data/purso"), PathOf("household.pxf"));
  ASSERT_TRUE(versions.Keep(Bytes{1}, LocalTime(20, 9), {}));
  const fs::path folder(versions.Folder());
  const fs::path killed = folder / "20240520-070000-000.pxf.00000000deadbeef.tmp";
  const fs::path running = folder / "20240520-070100-000.pxf.00000000cafef00d.tmp";
  const fs::path foreign = folder / "notes.tmp";
  for (const fs::path& path : {killed, running, foreign}) test::WriteRaw(path, Bytes{7});
  const auto longAgo = fs::file_time_type::clock::now() - std::chrono::hours(2);
  fs::last_write_time(killed, longAgo);
  fs::last_write_time(foreign, longAgo);

  ASSERT_TRUE(versions.Keep(Bytes{2}, LocalTime(20, 10), {}));
  EXPECT_FALSE(fs::exists(killed));
  EXPECT_TRUE(fs::exists(running));
  EXPECT_TRUE(fs::exists(foreign));
  EXPECT_EQ(versions.List().size(), 2u);
}

}  // namespace
}  // namespace purso
