// CImportProposal: what importing a bank statement into an account would do.
//
// A proposal is made for one account of the statement (the one with the
// most lines, unless the caller chooses another); the lines of the others
// are counted, never imported. Each of its lines becomes a proposed
// transaction in the ledger of its own year; lines dated outside the
// account's years are set aside and never imported. A proposed line has its
// date, its amount as a magnitude with its direction (money in or out), its
// description (line_description.h; "added on" and today's date when the
// line has neither payee nor memo, as the Transactions dialog's Add makes
// it), and:
// - a category learned from the account (category_learner.h): from the
//   line's year, else from the year before, whose category is then the one
//   of the same name in the line's year if that takes money the line's way;
//   else the category the statement gives ("Food:Groceries"): the one of
//   that name, or the one whose object and functional area are named by the
//   two parts; none when nothing fits;
// - for a fixed category, the predaction it will be matched with: the
//   nearest free unmatched one within the pool's window of days
//   (predaction_pool.h), else a new one, as the Match dialog's New Pred.;
//   lines that are not duplicates take theirs first, in statement order;
// - whether the year holds the line already (duplicate_finder.h), or an
//   earlier line of the statement had the same bank id.
// A line is chosen when it has a category, is no duplicate and moves money
// (a line of 0.00 is left out); the user may then change categories and
// choices. A statement's opening balance becomes a line of its own kind,
// without a category, chosen only by the user, which sets the opening
// balance of its year; it is a duplicate when the year has that balance.
//
// Nothing here changes the account: a proposal that is dropped leaves it as
// it was. ApplyImport (import_apply.h) carries out the chosen lines. The
// proposal reads the book it was made for; the book must outlive it and
// stay unchanged until it is applied or dropped. Its lines point into the
// statement, whose lines must outlive it too (moving the statement keeps
// them where they are).
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "data/account_book.h"
#include "platform/task_progress.h"
#include "statement/statement.h"

namespace purso {

enum class PredactionProposal {
  kNone,      // no category, or a variable one
  kExisting,  // match the predaction predactionId
  kNew,       // add a new predaction for the transaction
};

struct ProposedLine {
  const StatementLine* source = nullptr;  // in the statement the proposal was made of
  int year = 0;                           // of the ledger it goes to
  double monthDay = 0.0;                  // its date in that year
  double amount = 0.0;                    // magnitude
  MoneyDirection direction = MoneyDirection::kIn;
  LineKind kind = LineKind::kTransaction;
  std::string description;                // account text, a valid description
  std::optional<std::uint32_t> category;  // row id in the year's Categories table
  PredactionProposal predaction = PredactionProposal::kNone;
  std::uint32_t predactionId = kNoMatch;  // for kExisting
  bool duplicate = false;
  bool chosen = false;
};

class CImportProposal {
 public:
  // The proposal for the statement's account with the most lines.
  CImportProposal(const CAccountBook& book, const Statement& statement);
  // The proposal for the statement's account of that index. With progress,
  // it reports how far it is, and stops short when the user cancels: the
  // caller then drops it.
  CImportProposal(const CAccountBook& book, const Statement& statement, std::uint32_t account,
                  CTaskProgress* progress = nullptr);
  // A statement that goes away at once cannot be proposed.
  CImportProposal(const CAccountBook&, Statement&&) = delete;
  CImportProposal(const CAccountBook&, Statement&&, std::uint32_t, CTaskProgress* = nullptr) = delete;
  ~CImportProposal();
  CImportProposal(const CImportProposal&) = delete;
  CImportProposal& operator=(const CImportProposal&) = delete;

  const CAccountBook& Book() const { return book_; }
  std::uint32_t Account() const { return account_; }
  // The lines of the account within the account book's years, in statement order.
  const std::vector<ProposedLine>& Lines() const { return lines_; }
  // The lines of the account dated outside the account book's years, in statement order.
  const std::vector<const StatementLine*>& OutsideYears() const { return outside_; }
  // How many lines of the statement belong to its other accounts.
  std::size_t OtherAccountLines() const { return otherAccountLines_; }
  std::size_t ChosenCount() const;
  // True when the account has two lines or more and every one brings money
  // in: a statement whose payments were all read as receipts looks so.
  bool AllMoneyIn() const;

  // The categories a line may take: those of its year that take money its
  // way, in table order; none for an opening balance.
  std::vector<std::uint32_t> CategoryChoices(std::size_t line) const;

  // Gives a line another category, or none (which leaves it out); a fixed
  // category's predaction is proposed anew as above. False, changing
  // nothing, for a category that is not among its choices.
  bool SetCategory(std::size_t line, std::optional<std::uint32_t> category);
  // The category named so (letter case ignored) of the line's year, if it
  // is among the line's choices.
  std::optional<std::uint32_t> CategoryNamed(std::size_t line, std::string_view name) const;
  // Chooses a line; false, changing nothing, for a transaction without a category.
  bool Choose(std::size_t line);
  // Chooses a line as the proposal does by itself: one with a category that
  // is no duplicate and not of 0.00. True when chosen.
  bool ChooseIfReady(std::size_t line);
  void LeaveOut(std::size_t line);

 private:
  struct YearState;

  YearState& StateOf(int year) const;
  void ProposeCategory(ProposedLine& line, YearState& year);
  void ProposePredaction(ProposedLine& line);

  const CAccountBook& book_;
  std::uint32_t account_ = 0;
  std::vector<ProposedLine> lines_;
  std::vector<const StatementLine*> outside_;
  std::size_t otherAccountLines_ = 0;
  // Built on first use, one per year the statement touches.
  mutable std::map<int, std::unique_ptr<YearState>> years_;
};

}  // namespace purso
