// A bank statement as read from its file: one line per transaction the bank
// reports, in the order of the file.
//
// The readers (OFX, QIF, CSV) fill it and check every line: a statement that
// exists has only real dates and amounts within what an account can hold.
// Texts are UTF-8, whatever the file was written in; turning them into
// account text is the import's work.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/calendar.h"

namespace purso {

// The largest amount a statement line may have: the limit of typed amounts.
inline constexpr double kMaxStatementAmount = 999999999.0;

enum class MoneyDirection { kIn, kOut };

struct StatementLine {
  std::uint32_t line = 0;  // the line of the file the transaction starts on, from 1
  CivilDate date;          // a real calendar date
  double amount = 0.0;     // signed: positive money in, negative money out
  std::string payee;       // UTF-8; may be empty
  std::string memo;        // UTF-8; may be empty
  std::string uniqueId;    // the bank's own id of the transaction (OFX FITID); empty when none

  // Zero counts as money in: it is no payment.
  MoneyDirection Direction() const { return amount < 0.0 ? MoneyDirection::kOut : MoneyDirection::kIn; }
};

struct Statement {
  std::vector<StatementLine> lines;
};

}  // namespace purso
