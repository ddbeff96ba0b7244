// The filter typed over the Transactions list, and what it keeps.
//
// Three forms, read by the account's display settings:
//   text        rows whose description or category name holds the text,
//               compared without regard to the case of A-Z;
//   =amount     rows of that amount, as the list shows it (to the account's
//               number of decimals);
//   low..high   rows of an amount from low to high, both included; either
//               end may be left out ("..50", "10.."), and the two may be
//               given the other way round.
// An "=" or ".." form whose amounts do not read as amounts is searched for as
// text, so that a description holding "=" or ".." can still be found.
// Spaces around the whole filter do not count; an empty filter keeps every row.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/display_settings.h"

namespace purso {

class CTransactionFilter {
 public:
  enum class Kind : std::uint8_t { kEverything, kText, kAmounts };

  // Keeps every row.
  CTransactionFilter() = default;
  CTransactionFilter(const CDisplaySettings& settings, std::string_view typed);

  Kind GetKind() const { return kind_; }

  // Whether a stored amount (a magnitude) lies in the amounts asked for; the
  // amount forms only.
  bool MatchesAmount(double amount) const;
  // Both tests as the form asks: a text filter looks at the two texts, an
  // amount filter at the amount; the filter that keeps everything keeps it.
  bool Matches(std::string_view description, std::string_view category, double amount) const;

  // Whether a text already case-folded (FoldedCopy) holds the text; the
  // text forms only.
  bool FoldedHolds(std::string_view folded) const;

 private:
  Kind kind_ = Kind::kEverything;
  std::string folded_;       // the text searched for, folded
  long long low_ = 0;        // the amounts, in units of the last shown decimal
  long long high_ = 0;
  double unitsPerAmount_ = 100.0;
};

}  // namespace purso
