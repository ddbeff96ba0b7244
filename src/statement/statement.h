// A bank statement as read from its file: one line per transaction the bank
// reports, in the order of the file, and the accounts they belong to.
//
// The readers (OFX, QIF, CSV) fill it and check every line: a statement that
// exists has only real dates and amounts within what an account can hold,
// and every line names one of its accounts. Texts are UTF-8, whatever the
// file was written in; turning them into account text is the import's work.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/calendar.h"

namespace purso {

// The largest amount a statement line may have: the limit of typed amounts.
inline constexpr double kMaxStatementAmount = 999999999.0;

// The most transactions one statement may hold: a busy household's twenty
// years, and few enough that reading and proposing them stays within
// seconds and tens of megabytes.
inline constexpr std::size_t kMaxStatementLines = 100000;

enum class MoneyDirection { kIn, kOut };

enum class LineKind {
  kTransaction,
  kOpeningBalance,  // the balance the account started with (a QIF "Opening Balance" record)
};

enum class StatementAccountKind { kBank, kCard, kInvestment };

// "bank", "card" or "investment".
std::string_view AccountKindName(StatementAccountKind kind);

// One account of the bank's file: a bank statement may hold several (a
// current account and a card, or a household's two accounts).
struct StatementAccount {
  std::string id;  // UTF-8: the account number (OFX) or name (QIF); empty when the file names none
  StatementAccountKind kind = StatementAccountKind::kBank;

  friend bool operator==(const StatementAccount&, const StatementAccount&) = default;
};

struct StatementLine {
  std::uint32_t line = 0;     // the line of the file the transaction starts on, from 1
  CivilDate date;             // a real calendar date
  double amount = 0.0;        // signed: positive money in, negative money out
  std::string payee;          // UTF-8; may be empty
  std::string memo;           // UTF-8; may be empty
  std::string uniqueId;       // the bank's own id of the transaction (OFX FITID); empty when none
  std::string category;       // UTF-8: the category the file gives (QIF "Food:Groceries"); empty when none
  std::uint32_t account = 0;  // index into Statement::accounts
  LineKind kind = LineKind::kTransaction;

  // Zero counts as money in: it is no payment.
  MoneyDirection Direction() const { return amount < 0.0 ? MoneyDirection::kOut : MoneyDirection::kIn; }
};

struct Statement {
  std::vector<StatementLine> lines;
  // In the order the file names them; at least one when there are lines.
  std::vector<StatementAccount> accounts;
  // The lines of the file that hold a transaction without a date (a payment
  // the bank has not booked yet): set aside, never imported.
  std::vector<std::uint32_t> undated;

  // The index of the account, added when the statement has none such yet.
  std::uint32_t AccountIndex(const StatementAccount& account);
  // The number of lines of each account, by index.
  std::vector<std::size_t> LinesPerAccount() const;
  // The account with the most lines (the first of equals); 0 when there are none.
  std::uint32_t BusiestAccount() const;
};

// The index of the account in accounts, added when it is not there yet.
std::uint32_t AccountIndex(std::vector<StatementAccount>& accounts, const StatementAccount& account);

}  // namespace purso
