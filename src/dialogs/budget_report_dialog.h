// CBudgetReportDialog: the Budget Report (dialog 174) of the current year.
//
// One row per category, grouped by type (incomes first), each group closed
// by its total; the columns are the category's type, its annual budget, the
// share of it that belongs to the year up to the balance date, what was
// actually spent or received, the surplus (red: a deficit) at the balance
// date and at the year's end, and for a fixed category how many of its
// predactions are matched and how many are outstanding. The foot shows the
// year's predicted balance at the balance date and at December 31 and its
// actual balance. The figures are those of calc/budget_report.h, computed
// when the dialog opens; the dialog changes nothing in the account.
//
// Print... prints the report as one landscape page through the host;
// Export HTML... and Export CSV... write it to a file the user names,
// replaced whole or not at all; a file that cannot be written is reported
// by its name.
#pragma once

#include <string>
#include <string_view>

#include "calc/budget_report.h"
#include "data/account_book.h"
#include "dialogs/editing_dialog.h"

namespace purso {

class CBudgetReportDialog final : public CEditingDialog {
 public:
  // On the book's current year; book must outlive the dialog. accountName
  // (UTF-8) titles the report and the files it proposes, in folder (UTF-8;
  // empty for the file dialog's own choice).
  CBudgetReportDialog(CAccountBook& book, std::string accountName, std::string folder = {});

  void OnInit() override;
  void OnCommand(int controlId) override;

 private:
  enum class FileKind { kHtml, kCsv };

  void ShowCaptions();
  void FillRows();
  void ShowBalances();
  std::string Row(std::string_view name, CategoryType type, const BudgetFigures& figures) const;
  std::string Html() const;
  void Export(FileKind kind);

  CAccountBook& book_;
  std::string accountName_;
  std::string folder_;
  BudgetReport report_;
};

}  // namespace purso
