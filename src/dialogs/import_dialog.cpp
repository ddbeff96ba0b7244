#include "dialogs/import_dialog.h"

#include <utility>

#include "data/account_text.h"
#include "dialogs/message_dialogs.h"
#include "resources/import_dialog_resource.h"
#include "text/amount_text.h"
#include "text/date_text.h"
#include "text/list_layouts.h"
#include "text/list_row.h"

namespace purso {
namespace {

namespace ids = import_dialog;
namespace columns = layout::statement_import;

// The headers of the resource stand over the columns of the rows.
constexpr int LayoutNumber(std::string_view layout, std::size_t at) {
  return (layout[at] - '0') * 100 + (layout[at + 1] - '0') * 10 + (layout[at + 2] - '0');
}
constexpr bool SameColumn(std::string_view layout, import_dialog::table::Column column) {
  return LayoutNumber(layout, 1) == column.start && LayoutNumber(layout, 5) == column.end;
}
static_assert(SameColumn(columns::kDate, ids::table::kDateColumn));
static_assert(SameColumn(columns::kAmountIn, ids::table::kAmountColumn));
static_assert(SameColumn(columns::kAmountOut, ids::table::kAmountColumn));
static_assert(SameColumn(columns::kCategory, ids::table::kCategoryColumn));
static_assert(SameColumn(columns::kPredaction, ids::table::kPredactionColumn));
static_assert(SameColumn(columns::kNote, ids::table::kNoteColumn));
static_assert(SameColumn(columns::kDescription, ids::table::kDescriptionColumn));

constexpr std::string_view kNoCategory = "(no category)";
constexpr std::string_view kOpeningBalance = "opening balance";
constexpr std::string_view kUnnamedAccount = "(unnamed)";
constexpr std::string_view kAllMoneyIn =
    "Every line is money in. If some are payments, check the signs or the columns of the statement.";
constexpr std::string_view kChosenMark = "[x]";
constexpr std::string_view kLeftOutMark = "[ ]";
constexpr std::string_view kNewPredaction = "new";
constexpr std::string_view kDuplicate = "duplicate";
constexpr std::string_view kNoCategoryProblem = "The line has no category.";
constexpr std::string_view kNoCategorySuggestion = "Choose a category for the line first.";
constexpr std::string_view kNoCategoriesProblem = "Some of the selected lines have no category.";
constexpr std::string_view kNoCategoriesSuggestion = "Choose a category for the lines first.";
constexpr std::string_view kOutOfDateProblem = "The account has changed since the statement was read.";
constexpr std::string_view kOutOfDateSuggestion = "Import the statement again.";
// The outside label names at most this many lines of the file.
constexpr std::size_t kOutsideLinesNamed = 6;

std::string Lines(std::size_t count) { return std::to_string(count) + (count == 1 ? " line" : " lines"); }

// "1 line (line 68 of the file)", naming at most kOutsideLinesNamed lines.
std::string LinesOfFile(const std::vector<std::uint32_t>& lines) {
  std::string numbers;
  for (std::size_t i = 0; i < lines.size() && i < kOutsideLinesNamed; ++i) {
    numbers += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
  }
  if (lines.size() > kOutsideLinesNamed) numbers += ", ...";
  return Lines(lines.size()) + " (" + (lines.size() == 1 ? "line " : "lines ") + numbers + " of the file)";
}

}  // namespace

CImportDialog::YearFacts::YearFacts(const CYearLedger& ledger) : categories(ledger) {
  const CRecordTable& predactions = ledger.Predactions();
  for (std::uint32_t row = 0; row < predactions.GetRowCount(); ++row) {
    predactionDates[predactions.RowIdAt(row)] = predactions.NumberAt(row, predaction_column::kDate);
  }
}

CImportDialog::CImportDialog(CAccountBook& book, Statement statement, std::string statementName)
    : CImportDialog(book, std::move(statement), nullptr, std::move(statementName)) {}

CImportDialog::CImportDialog(CAccountBook& book, Statement statement, std::unique_ptr<CImportProposal> proposal,
                             std::string statementName)
    : CEditingDialog(ids::kResource, {ids::kHelp, "imp_dlg.htm"}),
      book_(book),
      statement_(std::move(statement)),
      proposal_(proposal ? std::move(proposal) : std::make_unique<CImportProposal>(book, statement_)),
      statementName_(std::move(statementName)) {}

void CImportDialog::OnInit() {
  const std::size_t total = statement_.lines.size() + statement_.undated.size();
  Controls().SetText(ids::kStatement, "Statement: " + statementName_ + ", " + Lines(total));
  ShowAccounts();
  ShowSetAside();
  FillList();
  if (!proposal_->Lines().empty()) Controls().SetSelection(ids::kLines, 0);
  ShowSelection();
  Controls().SetFocus(ids::kLines);
}

void CImportDialog::ShowAccounts() {
  const std::vector<std::size_t> counts = statement_.LinesPerAccount();
  std::vector<std::string> items;
  for (std::size_t i = 0; i < statement_.accounts.size(); ++i) {
    const StatementAccount& account = statement_.accounts[i];
    items.push_back((account.id.empty() ? std::string(kUnnamedAccount) : Utf8ToAccountText(account.id)) + " (" +
                    std::string(AccountKindName(account.kind)) + ", " + Lines(counts[i]) + ")");
  }
  Controls().SetItems(ids::kAccount, std::move(items));
  Controls().SetSelection(ids::kAccount, static_cast<int>(proposal_->Account()));
  Controls().Enable(ids::kAccount, statement_.accounts.size() > 1);
}

void CImportDialog::OnAccountChosen() {
  const int account = Controls().GetSelection(ids::kAccount);
  if (account == CControlModel::kNoSelection || static_cast<std::uint32_t>(account) == proposal_->Account()) return;
  proposal_ = std::make_unique<CImportProposal>(book_, statement_, static_cast<std::uint32_t>(account));
  ShowSetAside();
  FillList();
  Controls().SetSelection(ids::kLines, proposal_->Lines().empty() ? CControlModel::kNoSelection : 0);
  ShowSelection();
}

void CImportDialog::OnCommand(int controlId) {
  switch (controlId) {
    case ids::kImport:
      return OnImport();
    case ids::kChosen:
      return OnToggle();
    default:
      return CEditingDialog::OnCommand(controlId);
  }
}

void CImportDialog::OnSelectionChange(int controlId) {
  if (controlId == ids::kLines) ShowSelection();
  if (controlId == ids::kCategory) OnCategoryChosen();
  if (controlId == ids::kAccount) OnAccountChosen();
}

void CImportDialog::OnDoubleClick(int controlId) {
  if (controlId != ids::kLines || SelectedLines().empty()) return;
  Controls().SetChecked(ids::kChosen, !Controls().IsChecked(ids::kChosen));
  OnToggle();
}

const CImportDialog::YearFacts& CImportDialog::FactsOf(int year) {
  std::unique_ptr<YearFacts>& facts = years_[year];
  if (!facts) facts = std::make_unique<YearFacts>(book_.Ledger(year - CAccountBook::kFirstYear));
  return *facts;
}

std::string CImportDialog::RowText(std::size_t index) {
  const ProposedLine& line = proposal_->Lines()[index];
  const CDisplaySettings& settings = book_.Settings();
  const YearFacts& facts = FactsOf(line.year);
  const CategoryFacts* category = line.category ? facts.categories.Find(*line.category) : nullptr;
  std::string predaction;
  if (line.predaction == PredactionProposal::kNew) predaction = kNewPredaction;
  if (line.predaction == PredactionProposal::kExisting) {
    const auto date = facts.predactionDates.find(line.predactionId);
    if (date != facts.predactionDates.end()) predaction = FormatDate(settings, date->second);
  }
  const bool out = line.direction == MoneyDirection::kOut;
  return CListRowBuilder()
      .Column(columns::kChosen, line.chosen ? kChosenMark : kLeftOutMark)
      .Column(columns::kDate, FormatDate(settings, line.monthDay) + "/" + std::to_string(line.year))
      .Column(out ? columns::kAmountOut : columns::kAmountIn, FormatAmount(settings, line.amount))
      .Column(columns::kCategory, line.kind == LineKind::kOpeningBalance ? kOpeningBalance
                                  : category != nullptr                  ? std::string_view(category->name)
                                                                         : kNoCategory)
      .Column(columns::kPredaction, predaction)
      .Column(columns::kNote, line.duplicate ? kDuplicate : std::string_view())
      .Column(columns::kDescription, line.description)
      .Finish();
}

void CImportDialog::FillList() {
  // The rows stand in statement order, so a row's index is its line's.
  std::vector<std::string> rows;
  rows.reserve(proposal_->Lines().size());
  for (std::size_t line = 0; line < proposal_->Lines().size(); ++line) rows.push_back(RowText(line));
  const std::vector<int> selection = Controls().SelectedItems(ids::kLines);
  Controls().SetItems(ids::kLines, std::move(rows));
  Controls().SetSelectedItems(ids::kLines, selection);
  const std::size_t chosen = proposal_->ChosenCount();
  Controls().SetText(ids::kChosenCount,
                     std::to_string(chosen) + " of " + Lines(proposal_->Lines().size()) + " to import");
  Controls().SetText(ids::kWarning, proposal_->AllMoneyIn() ? kAllMoneyIn : std::string_view());
  Controls().Enable(ids::kImport, chosen > 0);
}

std::vector<std::size_t> CImportDialog::SelectedLines() const {
  std::vector<std::size_t> lines;
  for (const int item : Controls().SelectedItems(ids::kLines)) lines.push_back(static_cast<std::size_t>(item));
  return lines;
}

void CImportDialog::ShowSelection() {
  CControlModel& controls = Controls();
  const std::vector<std::size_t> selected = SelectedLines();
  std::vector<std::string> items;
  int current = CControlModel::kNoSelection;
  bool chosen = !selected.empty();
  for (const std::size_t line : selected) chosen = chosen && proposal_->Lines()[line].chosen;
  // The choices are those of the line clicked last.
  const int anchor = controls.GetSelection(ids::kLines);
  if (anchor != CControlModel::kNoSelection) {
    const ProposedLine& line = proposal_->Lines()[static_cast<std::size_t>(anchor)];
    const YearFacts& facts = FactsOf(line.year);
    const std::vector<std::uint32_t> choices = proposal_->CategoryChoices(static_cast<std::size_t>(anchor));
    items.emplace_back(line.kind == LineKind::kOpeningBalance ? kOpeningBalance : kNoCategory);
    current = 0;
    for (std::size_t i = 0; i < choices.size(); ++i) {
      items.push_back(facts.categories.Find(choices[i])->name);
      if (line.category == choices[i]) current = static_cast<int>(i + 1);
    }
  }
  controls.SetChecked(ids::kChosen, chosen);
  const bool opening = anchor != CControlModel::kNoSelection &&
                       proposal_->Lines()[static_cast<std::size_t>(anchor)].kind == LineKind::kOpeningBalance;
  controls.SetItems(ids::kCategory, std::move(items));
  controls.SetSelection(ids::kCategory, current);
  controls.Enable(ids::kCategory, !selected.empty() && !opening);
  controls.Enable(ids::kChosen, !selected.empty());
}

void CImportDialog::ShowSetAside() {
  std::vector<std::string> parts;
  std::vector<std::uint32_t> outside;
  for (const StatementLine* line : proposal_->OutsideYears()) outside.push_back(line->line);
  if (!outside.empty()) {
    const int lastYear = CAccountBook::kFirstYear + CAccountBook::kYearCount - 1;
    parts.push_back("outside the years " + std::to_string(CAccountBook::kFirstYear) + " to " +
                    std::to_string(lastYear) + ": " + LinesOfFile(outside));
  }
  if (!statement_.undated.empty()) parts.push_back("without a date: " + LinesOfFile(statement_.undated));
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "Not imported, " : "; ") + part;
  Controls().SetText(ids::kOutside, text);
}

void CImportDialog::OnCategoryChosen() {
  const std::vector<std::size_t> lines = SelectedLines();
  const int anchor = Controls().GetSelection(ids::kLines);
  const int item = Controls().GetSelection(ids::kCategory);
  if (lines.empty() || anchor == CControlModel::kNoSelection || item == CControlModel::kNoSelection) return;
  // The drop-down lists that line's choices after "(no category)";
  // the others take the category of that name where they can.
  const std::string name = item == 0 ? std::string() : Controls().SelectedText(ids::kCategory);
  for (const std::size_t line : lines) {
    const std::optional<std::uint32_t> category = item == 0 ? std::nullopt : proposal_->CategoryNamed(line, name);
    if ((item != 0 && !category) || !proposal_->SetCategory(line, category)) continue;
    const ProposedLine& proposed = proposal_->Lines()[line];
    if (category && !proposed.duplicate && proposed.amount != 0.0) proposal_->Choose(line);
  }
  FillList();
  ShowSelection();
}

void CImportDialog::OnToggle() {
  const std::vector<std::size_t> lines = SelectedLines();
  if (lines.empty()) return;
  if (!Controls().IsChecked(ids::kChosen)) {
    for (const std::size_t line : lines) proposal_->LeaveOut(line);
  } else {
    bool refused = false;
    for (const std::size_t line : lines) refused = !proposal_->Choose(line) || refused;
    if (refused) {
      FillList();
      ShowSelection();
      return lines.size() == 1 ? Refuse(kNoCategoryProblem, kNoCategorySuggestion, ids::kCategory)
                               : Refuse(kNoCategoriesProblem, kNoCategoriesSuggestion, ids::kCategory);
    }
  }
  FillList();
  ShowSelection();
}

void CImportDialog::OnImport() {
  const ImportResult result = ApplyImport(book_, *proposal_);
  switch (result.status) {
    case ImportStatus::kApplied:
      imported_ = result;
      return EndDialog(kCommandOk);
    case ImportStatus::kTableFull:
      return Problem(kOutOfMemoryProblem, kOutOfMemorySuggestion);
    case ImportStatus::kOutOfDate:
      return Problem(kOutOfDateProblem, kOutOfDateSuggestion);
  }
}

}  // namespace purso
