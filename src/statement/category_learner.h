// Learning a statement line's category from the account itself.
//
// A line takes the category of the most recent transaction (latest date,
// then latest in table order) whose description matches the line's payee
// and whose category takes money the line's way: an expense category for
// money out, an income category for money in. Texts are compared by their
// PayeeKey (line_description.h): a description matches when its key is the
// payee's key or begins with it and a further word, since a description
// made on import holds the payee first and the memo after it. When none
// does, the description that is the longest start of the payee's key (in
// whole words) matches: a payee longer than the 48 characters of a
// description was stored cut, and is found again by what was kept of it.
//
// One learner serves one year ledger. It indexes the descriptions once, by
// every key that a payee could match (each run of leading words, and each
// whole key), so that a line is answered without a pass over the
// transactions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "data/year_ledger.h"
#include "statement/ledger_categories.h"
#include "statement/statement.h"

namespace purso {

class CCategoryLearner {
 public:
  CCategoryLearner(const CYearLedger& ledger, const CLedgerCategories& categories);

  // The category id in this ledger; nothing when no transaction fits.
  std::optional<std::uint32_t> Learned(std::string_view payeeKey, MoneyDirection direction) const;

 private:
  struct Latest {
    double monthDay = 0.0;
    std::uint32_t category = 0;
    bool found = false;
  };
  struct Found {
    Latest in;
    Latest out;
  };

  // The keys of the descriptions; the index's keys point into them, so the
  // vector is reserved for every transaction and never grows past that.
  std::vector<std::string> descriptionKeys_;
  std::unordered_map<std::string_view, Found> byKey_;    // by every run of leading words
  std::unordered_map<std::string_view, Found> byWhole_;  // by the whole key
};

}  // namespace purso
