// CSafekeeping: what the program keeps of its accounts beside their files,
// and where.
//
// The private place (data/private_store.h) holds the kept versions of every
// account the program saves and the recovery copies of accounts with unsaved
// changes. How many versions are kept is the user's choice, kept in the
// per-user settings (section "Kept Versions", keys "Saves" and "Days"). The
// clock that dates versions and copies is the system's unless a test sets
// another. Documents are given it; a document without one keeps nothing.
#pragma once

#include <functional>
#include <set>
#include <string>

#include "data/kept_versions.h"
#include "platform/settings_store.h"

namespace purso {

class CSafekeeping {
 public:
  // root: the private place, DefaultPrivateRoot() for the program; an empty
  // root keeps nothing. settings must outlive this object.
  CSafekeeping(std::string root, ISettingsStore& settings);

  const std::string& Root() const { return root_; }
  std::string RecoveryFolder() const { return root_.empty() ? std::string() : root_ + "/recovery"; }

  // The limits the user chose, or the defaults; values out of range are
  // brought within it.
  VersionLimits Limits() const;
  void SetLimits(const VersionLimits& limits);

  WallClock::time_point Now() const { return clock_ ? clock_() : WallClock::now(); }
  void SetClock(std::function<WallClock::time_point()> clock) { clock_ = std::move(clock); }

  // Recovery copies already offered in this run are not offered again until
  // the program starts anew.
  bool WasOffered(const std::string& copyPath) const { return offered_.contains(copyPath); }
  void MarkOffered(const std::string& copyPath) { offered_.insert(copyPath); }

 private:
  std::string root_;
  ISettingsStore& settings_;
  std::function<WallClock::time_point()> clock_;
  std::set<std::string> offered_;
};

}  // namespace purso
