// Matching transactions with predactions.
//
// A transaction of a fixed category realises one predaction of the same
// category: its match column holds the predaction's row id, or kNoMatch. A
// predaction is matched when some transaction of its ledger holds its id;
// the predaction row itself carries no mark. Matching makes the predaction
// agree with what really happened: it takes the transaction's date and
// amount, and the category's budget, kept as the sum of its predactions,
// moves by the difference.
//
// These are the rules of the Match dialog (the list of unmatched
// predactions, the one proposed, Match and New Pred.), of the Transactions
// dialog that runs it and of statement import. They never show a message:
// a failure is their result, and nothing changes then.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <unordered_set>
#include <vector>

#include "data/year_ledger.h"

namespace purso {

struct UnmatchedPredaction {
  std::uint32_t id = 0;
  double monthDay = 0.0;
  double amount = 0.0;

  friend bool operator==(const UnmatchedPredaction&, const UnmatchedPredaction&) = default;
};

// True when some transaction of the ledger holds predactionId in its match column.
bool IsPredactionMatched(const CYearLedger& ledger, std::uint32_t predactionId);

// The ids held in the match columns of the ledger's transactions (kNoMatch
// left out): every matched predaction, found in one pass.
std::unordered_set<std::uint32_t> MatchedPredactionIds(const CYearLedger& ledger);

// The category's predactions that no transaction is matched with, in table
// order. The second form takes the matched ids from MatchedPredactionIds, for
// callers that ask about many categories.
std::vector<UnmatchedPredaction> UnmatchedPredactions(const CYearLedger& ledger, std::uint32_t categoryId);
std::vector<UnmatchedPredaction> UnmatchedPredactions(const CYearLedger& ledger, std::uint32_t categoryId,
                                                      const std::unordered_set<std::uint32_t>& matched);

// The position in candidates of the predaction nearest to monthDay: the
// smallest absolute difference of month-day numbers (for a transaction on
// April 2, April 20 at 18 is nearer than March 31 at 71); on equal
// differences the earlier candidate. With withinDays, only candidates whose
// day of the year in the ledger's year lies at most that many days from
// monthDay's take part. Nothing when no candidate does.
std::optional<std::size_t> NearestPredaction(const CYearLedger& ledger, std::span<const UnmatchedPredaction> candidates,
                                             double monthDay, std::optional<std::uint32_t> withinDays = std::nullopt);

// Match: the predaction takes the transaction's date and amount, and the
// category's budget moves by amount minus the predaction's old amount.
// False, changing nothing, when the predaction or the category does not exist.
bool ApplyMatch(CYearLedger& ledger, std::uint32_t categoryId, std::uint32_t predactionId, double monthDay,
                double amount);

// New Pred.: adds a predaction of the category with the transaction's date
// and amount, and the category's budget grows by the amount. The new
// predaction's row id; nothing, changing nothing, when the category does not
// exist or the Predactions table cannot take another row.
std::optional<std::uint32_t> AddPredactionFor(CYearLedger& ledger, std::uint32_t categoryId, double monthDay,
                                              double amount);

}  // namespace purso
