// CKeptVersions: earlier versions of an account, kept in the private place.
//
// After each save the program keeps a copy of what it wrote: the last
// VersionLimits::saves saves, and the last version of each of the last
// VersionLimits::days days (local days, today among them); older versions
// are removed, oldest first. They live in the folder
// "<root>/versions/<hash of the account's real path>", whose file "account"
// names that path, so that every name of one file (a symbolic link, a
// relative path) shares one history and a hash shared by two paths is seen.
// A version is a plain account file named after the moment it was saved, in
// UTC: "20240503-142210-123.pxf".
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/account_book.h"
#include "data/read_failure.h"

namespace purso {

using WallClock = std::chrono::system_clock;

struct VersionLimits {
  static constexpr int kDefaultSaves = 20;
  static constexpr int kDefaultDays = 30;
  static constexpr int kMaxSaves = 999;
  static constexpr int kMaxDays = 999;

  int saves = kDefaultSaves;  // 1..kMaxSaves
  int days = kDefaultDays;    // 0..kMaxDays

  friend bool operator==(const VersionLimits&, const VersionLimits&) = default;
};

struct KeptVersion {
  std::string id;  // the file's name without ".pxf"; names sort by time
  std::string path;
  WallClock::time_point savedAt;
  std::uint64_t size = 0;
};

// What a version holds, for the list the user chooses from.
struct VersionSummary {
  KeptVersion version;
  ReadFailure failure = ReadFailure::kNone;  // anything else: damaged
  int year = 0;                              // the version's current year
  std::uint32_t transactions = 0;            // of that year
  double balance = 0.0;                      // that year's actual balance
  CDisplaySettings settings;                 // to show the balance as the account does
};

// Which of the versions saved at the given times, newest first, the limits
// keep as of now: true for each one kept.
std::vector<bool> KeptByLimits(std::span<const WallClock::time_point> newestFirst, const VersionLimits& limits,
                               WallClock::time_point now);

// The local date and time of a moment, "2024-05-03 14:22" (with seconds
// "2024-05-03 14:22:10").
enum class TimeDetail { kMinutes, kSeconds };
std::string LocalTimeText(WallClock::time_point time, TimeDetail detail = TimeDetail::kMinutes);

class CKeptVersions {
 public:
  // The versions of the account at accountPath in the private place root.
  CKeptVersions(const std::string& root, const std::string& accountPath);

  // Keeps bytes as the version saved at savedAt, then removes the versions
  // the limits no longer keep. False, with nothing removed, when the version
  // cannot be written.
  bool Keep(std::span<const std::uint8_t> bytes, WallClock::time_point savedAt, const VersionLimits& limits);

  // The versions, newest first; none when the account has none.
  std::vector<KeptVersion> List() const;
  std::optional<KeptVersion> Find(std::string_view id) const;

  // The account's own folder of versions; empty when another account holds
  // every folder its hash could name.
  const std::string& Folder() const { return folder_; }

 private:
  std::string accountPath_;
  std::string folder_;
};

// Reads a version for the list: its year, transactions and balance, or why
// it is damaged.
VersionSummary Summarize(const KeptVersion& version);

}  // namespace purso
