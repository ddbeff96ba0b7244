#include "data/kept_versions.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <memory>
#include <set>

#include "data/account_file.h"
#include "data/private_store.h"

namespace purso {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kVersionExtension = ".pxf";
constexpr std::string_view kAccountFile = "account";
// Folders tried for one hash before giving up: a clash of two real paths is
// already most unlikely.
constexpr int kHashFolders = 8;

// A temporary a save left behind when it was killed before its rename. One
// younger than this may still be a running save's (an account opened anyway
// in a second program), so it is left to that save.
constexpr auto kStaleTemporaryAge = std::chrono::hours(1);

bool IsStaleTemporary(const fs::directory_entry& entry) {
  const std::string name = entry.path().filename().string();
  const std::optional<std::string_view> target = PrivateTemporaryTarget(name);
  std::error_code error;
  if (!target || !target->ends_with(kVersionExtension) || !entry.is_regular_file(error)) return false;
  const fs::file_time_type written = entry.last_write_time(error);
  return !error && fs::file_time_type::clock::now() - written > kStaleTemporaryAge;
}

// Days since 1970-01-01 of the local date of a moment.
long LocalDay(WallClock::time_point time) {
  const std::time_t seconds = WallClock::to_time_t(time);
  std::tm local{};
  localtime_r(&seconds, &local);
  const std::chrono::year_month_day date{std::chrono::year(local.tm_year + 1900),
                                         std::chrono::month(static_cast<unsigned>(local.tm_mon + 1)),
                                         std::chrono::day(static_cast<unsigned>(local.tm_mday))};
  return std::chrono::sys_days(date).time_since_epoch().count();
}

std::string IdOf(WallClock::time_point time) {
  const std::time_t seconds = WallClock::to_time_t(time);
  std::tm utc{};
  gmtime_r(&seconds, &utc);
  const auto millis = std::chrono::duration_cast<std::chrono::milliseconds>(time.time_since_epoch()).count() % 1000;
  char id[96];
  std::snprintf(id, sizeof id, "%04d%02d%02d-%02d%02d%02d-%03d", utc.tm_year + 1900, utc.tm_mon + 1, utc.tm_mday,
                utc.tm_hour, utc.tm_min, utc.tm_sec, static_cast<int>(millis < 0 ? 0 : millis));
  return id;
}

// The moment an id names; none for a name no version has.
std::optional<WallClock::time_point> TimeOfId(std::string_view id) {
  std::tm utc{};
  int millis = 0;
  int used = 0;
  const std::string text(id);
  if (std::sscanf(text.c_str(), "%4d%2d%2d-%2d%2d%2d-%3d%n", &utc.tm_year, &utc.tm_mon, &utc.tm_mday, &utc.tm_hour,
                  &utc.tm_min, &utc.tm_sec, &millis, &used) != 7 ||
      used != 19) {
    return std::nullopt;
  }
  // A second version within the same millisecond carries "-2", "-3", ...
  if (text.size() > 19 && (text[19] != '-' || text.find_first_not_of("0123456789", 20) != std::string::npos)) {
    return std::nullopt;
  }
  utc.tm_year -= 1900;
  utc.tm_mon -= 1;
  return WallClock::from_time_t(timegm(&utc)) + std::chrono::milliseconds(millis);
}

}  // namespace

std::vector<bool> KeptByLimits(std::span<const WallClock::time_point> newestFirst, const VersionLimits& limits,
                               WallClock::time_point now) {
  std::vector<bool> kept(newestFirst.size(), false);
  const long today = LocalDay(now);
  std::set<long> daysSeen;
  for (std::size_t i = 0; i < newestFirst.size(); ++i) {
    const long day = LocalDay(newestFirst[i]);
    const bool lastOfItsDay = daysSeen.insert(day).second;
    kept[i] = i < static_cast<std::size_t>(limits.saves) || (lastOfItsDay && today - day < limits.days);
  }
  return kept;
}

std::string LocalTimeText(WallClock::time_point time, TimeDetail detail) {
  const std::time_t seconds = WallClock::to_time_t(time);
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[32];
  std::strftime(text, sizeof text, detail == TimeDetail::kSeconds ? "%Y-%m-%d %H:%M:%S" : "%Y-%m-%d %H:%M", &local);
  return text;
}

CKeptVersions::CKeptVersions(const std::string& root, const std::string& accountPath)
    : accountPath_(RealPathOf(accountPath)) {
  if (root.empty()) return;
  const fs::path versions = fs::path(root) / "versions";
  const std::string hash = HashName(accountPath_);
  for (int i = 0; i < kHashFolders; ++i) {
    const fs::path folder = versions / (i == 0 ? hash : hash + "-" + std::to_string(i));
    std::error_code error;
    std::vector<std::uint8_t> owner;
    if (!fs::exists(folder / kAccountFile, error) ||
        (ReadFileBytes((folder / kAccountFile).string(), owner) &&
         std::string_view(reinterpret_cast<const char*>(owner.data()), owner.size()) == accountPath_)) {
      folder_ = folder.string();
      return;
    }
  }
}

bool CKeptVersions::Keep(std::span<const std::uint8_t> bytes, WallClock::time_point savedAt,
                         const VersionLimits& limits) {
  if (folder_.empty() || !MakePrivateFolder(folder_)) return false;
  const fs::path folder(folder_);
  std::error_code error;
  if (!fs::exists(folder / kAccountFile, error)) {
    const std::string& path = accountPath_;
    if (!WritePrivateFile((folder / kAccountFile).string(),
                          {reinterpret_cast<const std::uint8_t*>(path.data()), path.size()})) {
      return false;
    }
  }
  std::string id = IdOf(savedAt);
  for (int n = 2; fs::exists(folder / (id + std::string(kVersionExtension)), error); ++n) {
    id = IdOf(savedAt) + "-" + std::to_string(n);
  }
  if (!WritePrivateFile((folder / (id + std::string(kVersionExtension))).string(), bytes)) return false;

  const std::vector<KeptVersion> versions = List();
  std::vector<WallClock::time_point> times;
  for (const KeptVersion& version : versions) times.push_back(version.savedAt);
  const std::vector<bool> kept = KeptByLimits(times, limits, savedAt);
  // Oldest first, so that a removal cut short leaves the newest.
  for (std::size_t i = versions.size(); i-- > 0;) {
    if (!kept[i]) fs::remove(versions[i].path, error);
  }
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (IsStaleTemporary(entry)) fs::remove(entry.path(), error);
  }
  return true;
}

std::vector<KeptVersion> CKeptVersions::List() const {
  std::vector<KeptVersion> versions;
  std::error_code error;
  if (folder_.empty()) return versions;
  for (const auto& entry : fs::directory_iterator(folder_, error)) {
    const fs::path& path = entry.path();
    if (path.extension() != kVersionExtension || !entry.is_regular_file(error)) continue;
    const std::string id = path.stem().string();
    const std::optional<WallClock::time_point> time = TimeOfId(id);
    if (!time) continue;
    const auto size = entry.file_size(error);
    versions.push_back({id, path.string(), *time, error ? 0 : static_cast<std::uint64_t>(size)});
  }
  std::sort(versions.begin(), versions.end(), [](const KeptVersion& a, const KeptVersion& b) {
    return a.savedAt != b.savedAt ? a.savedAt > b.savedAt : a.id > b.id;
  });
  return versions;
}

std::optional<KeptVersion> CKeptVersions::Find(std::string_view id) const {
  for (KeptVersion& version : List()) {
    if (version.id == id) return std::move(version);
  }
  return std::nullopt;
}

VersionSummary Summarize(const KeptVersion& version) {
  VersionSummary summary;
  summary.version = version;
  const auto book = std::make_unique<CAccountBook>();
  summary.failure = LoadAccountFile(version.path, *book);
  if (summary.failure != ReadFailure::kNone) return summary;
  CYearLedger& year = book->CurrentLedger();
  summary.year = book->GetYear();
  summary.transactions = year.Transactions().GetRowCount();
  summary.balance = year.TransactionBalance();
  summary.settings = book->Settings();
  return summary;
}

}  // namespace purso
