// The unmatched predactions of a year ledger that an import may still propose.
//
// A fixed-category line is proposed the unmatched predaction of its category
// nearest to its date within a window of days (NearestPredaction of
// calc/matching.h), and never one that another line of the same import
// holds. The pool hands each predaction to one line at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "calc/matching.h"
#include "data/year_ledger.h"

namespace purso {

class CPredactionPool {
 public:
  // A statement's day may differ from the day foreseen by this much.
  static constexpr std::uint32_t kWindowDays = 10;

  explicit CPredactionPool(const CYearLedger& ledger);

  // The nearest free unmatched predaction of the category within the
  // window, which is no longer free then; nothing when there is none.
  std::optional<std::uint32_t> Take(std::uint32_t category, double monthDay);
  // Frees a predaction that Take handed out.
  void GiveBack(std::uint32_t predaction);

 private:
  const CYearLedger& ledger_;
  // The free ones of each category, in table order (which is id order).
  std::unordered_map<std::uint32_t, std::vector<UnmatchedPredaction>> free_;
  std::unordered_map<std::uint32_t, std::pair<std::uint32_t, UnmatchedPredaction>> taken_;  // id: category, it
};

}  // namespace purso
