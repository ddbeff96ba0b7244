// CImportDialog: the Import Statement dialog (170), what importing a bank
// statement into the account would do, and doing it.
//
// The list shows the proposal (statement/import_proposal.h) for one account
// of the statement, one row per line in statement order: whether it is
// chosen ("[x]"), its date with the year, its amount (red for money out),
// its category, "(no category)" or "opening balance", the predaction it
// would be matched with (its date) or "new", and "duplicate" for a line the
// year holds already; then its description. A label names the lines set
// aside (outside the account book's years, or without a date) by their
// lines in the file, and a warning says when every line is money in.
//
// The statement's accounts are listed with their lines; choosing another
// proposes that account's lines afresh. The user selects one line or
// several (Shift and Ctrl), chooses a category among those that take the
// money of the line clicked last (or none, which leaves them out), which
// each selected line that can take it gets, and ticks or unticks them; a line
// given a category is chosen unless it is a duplicate or moves no money;
// double-clicking a row ticks or unticks it. A line without a category
// cannot be chosen; an opening balance can, without one. Import, enabled
// while a line is chosen, adds every chosen line at once
// (statement/import_apply.h) and closes the dialog with kCommandOk; when a
// table cannot take another row the account is left as it was, the "Out of
// memory." problem is shown and the dialog stays open. Cancel changes
// nothing.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/account_book.h"
#include "dialogs/editing_dialog.h"
#include "statement/import_apply.h"
#include "statement/import_proposal.h"
#include "statement/ledger_categories.h"

namespace purso {

class CImportDialog final : public CEditingDialog {
 public:
  // The proposal of statement for book, which must outlive the dialog and
  // change only through it while it is open. statementName (account text)
  // names the statement in the dialog.
  CImportDialog(CAccountBook& book, Statement statement, std::string statementName);
  // The same with the proposal of statement for book made already, for its
  // busiest account (made away from the window's thread).
  CImportDialog(CAccountBook& book, Statement statement, std::unique_ptr<CImportProposal> proposal,
                std::string statementName);

  void OnInit() override;
  void OnCommand(int controlId) override;
  void OnSelectionChange(int controlId) override;
  void OnDoubleClick(int controlId) override;

  // What Import did; status kOutOfDate and no counts before it succeeded.
  const ImportResult& Imported() const { return imported_; }

 private:
  // What the rows need of a year: its categories and its predactions' dates.
  struct YearFacts {
    explicit YearFacts(const CYearLedger& ledger);
    CLedgerCategories categories;
    std::unordered_map<std::uint32_t, double> predactionDates;
  };

  void OnImport();
  void OnCategoryChosen();
  void OnToggle();
  void OnAccountChosen();
  // Refills the list, keeping the selection, and what depends on it.
  void FillList();
  void ShowSelection();
  void ShowSetAside();
  void ShowAccounts();
  std::string RowText(std::size_t line);
  std::vector<std::size_t> SelectedLines() const;
  const YearFacts& FactsOf(int year);

  // The words a row may show, translated once: a statement may have
  // 100,000 lines, and every choice refills the list.
  struct RowWords {
    RowWords();
    std::string noCategory, openingBalance, newPredaction, duplicate;
  };

  CAccountBook& book_;
  const RowWords words_;
  Statement statement_;
  std::unique_ptr<CImportProposal> proposal_;
  std::string statementName_;
  std::map<int, std::unique_ptr<YearFacts>> years_;
  ImportResult imported_;
};

}  // namespace purso
