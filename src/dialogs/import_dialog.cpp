#include "dialogs/import_dialog.h"

#include <utility>

#include "data/account_text.h"
#include "data/translation.h"
#include "dialogs/message_dialogs.h"
#include "platform/shown_text.h"
#include "resources/import_dialog_resource.h"
#include "resources/translatable.h"
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
constexpr bool SameColumn(std::string_view layout, ListColumn column) {
  return LayoutNumber(layout, 1) == column.start && LayoutNumber(layout, 5) == column.end;
}
static_assert(SameColumn(columns::kDate, ids::table::kDateColumn));
static_assert(SameColumn(columns::kAmountIn, ids::table::kAmountColumn));
static_assert(SameColumn(columns::kAmountOut, ids::table::kAmountColumn));
static_assert(SameColumn(columns::kCategory, ids::table::kCategoryColumn));
static_assert(SameColumn(columns::kPredaction, ids::table::kPredactionColumn));
static_assert(SameColumn(columns::kNote, ids::table::kNoteColumn));
static_assert(SameColumn(columns::kDescription, ids::table::kDescriptionColumn));

// Marked in the dialog's context.
constexpr std::string_view kNoCategory = PURSO_TEXT("ImportDialog", "(no category)");
constexpr std::string_view kOpeningBalance = PURSO_TEXT("ImportDialog", "opening balance");
constexpr std::string_view kAllMoneyIn = PURSO_TEXT(
    "ImportDialog", "Every line is money in. If some are payments, check the signs or the columns of the statement.");
constexpr std::string_view kChosenMark = "[x]";
constexpr std::string_view kLeftOutMark = "[ ]";
constexpr std::string_view kNewPredaction = PURSO_TEXT("ImportDialog", "new");
constexpr std::string_view kDuplicate = PURSO_TEXT("ImportDialog", "duplicate");
constexpr std::string_view kNoCategoryProblem = PURSO_TEXT("ImportDialog", "The line has no category.");
constexpr std::string_view kNoCategorySuggestion = PURSO_TEXT("ImportDialog", "Choose a category for the line first.");
constexpr std::string_view kNoCategoriesProblem =
    PURSO_TEXT("ImportDialog", "Some of the selected lines have no category.");
constexpr std::string_view kNoCategoriesSuggestion =
    PURSO_TEXT("ImportDialog", "Choose a category for the lines first.");
constexpr std::string_view kOutOfDateProblem =
    PURSO_TEXT("ImportDialog", "The account has changed since the statement was read.");
constexpr std::string_view kOutOfDateSuggestion = PURSO_TEXT("ImportDialog", "Import the statement again.");
// The outside label names at most this many lines of the file.
constexpr std::size_t kOutsideLinesNamed = 6;

std::string Shown(std::string_view text) { return ShownText(ids::kResource, text); }

std::string Lines(std::size_t count) {
  return Filled(
      count == 1 ? Shown(PURSO_TEXT("ImportDialog", "%1 line")) : Shown(PURSO_TEXT("ImportDialog", "%1 lines")),
      {std::to_string(count)});
}

// "1 line (line 68 of the file)", naming at most kOutsideLinesNamed lines.
std::string LinesOfFile(const std::vector<std::uint32_t>& lines) {
  std::string numbers;
  for (std::size_t i = 0; i < lines.size() && i < kOutsideLinesNamed; ++i) {
    numbers += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
  }
  if (lines.size() > kOutsideLinesNamed) numbers += ", ...";
  return Filled(lines.size() == 1 ? Shown(PURSO_TEXT("ImportDialog", "%1 (line %2 of the file)"))
                                  : Shown(PURSO_TEXT("ImportDialog", "%1 (lines %2 of the file)")),
                {Lines(lines.size()), numbers});
}

std::string KindText(StatementAccountKind kind) {
  switch (kind) {
    case StatementAccountKind::kBank:
      return Shown(PURSO_TEXT("ImportDialog", "bank"));
    case StatementAccountKind::kCard:
      return Shown(PURSO_TEXT("ImportDialog", "card"));
    case StatementAccountKind::kInvestment:
      return Shown(PURSO_TEXT("ImportDialog", "investment"));
  }
  return "";
}

}  // namespace

CImportDialog::RowWords::RowWords()
    : noCategory(Shown(kNoCategory)),
      openingBalance(Shown(kOpeningBalance)),
      newPredaction(Shown(kNewPredaction)),
      duplicate(Shown(kDuplicate)) {}

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
  Controls().SetText(ids::kStatement,
                     Filled(Shown(PURSO_TEXT("ImportDialog", "Statement: %1, %2")), {statementName_, Lines(total)}));
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
    const std::string name =
        account.id.empty() ? Shown(PURSO_TEXT("ImportDialog", "(unnamed)")) : Utf8ToAccountText(account.id);
    items.push_back(
        Filled("%1 (%2, %3)", {name, KindText(account.kind), Lines(counts[i])}));
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
  if (line.predaction == PredactionProposal::kNew) predaction = words_.newPredaction;
  if (line.predaction == PredactionProposal::kExisting) {
    const auto date = facts.predactionDates.find(line.predactionId);
    if (date != facts.predactionDates.end()) predaction = FormatDate(settings, date->second);
  }
  const bool out = line.direction == MoneyDirection::kOut;
  return CListRowBuilder()
      .Column(columns::kChosen, line.chosen ? kChosenMark : kLeftOutMark)
      .Column(columns::kDate, FormatDate(settings, line.monthDay) + "/" + std::to_string(line.year))
      .Column(out ? columns::kAmountOut : columns::kAmountIn, FormatAmount(settings, line.amount))
      .Column(columns::kCategory, line.kind == LineKind::kOpeningBalance ? std::string_view(words_.openingBalance)
                                  : category != nullptr                  ? std::string_view(category->name)
                                                                         : std::string_view(words_.noCategory))
      .Column(columns::kPredaction, predaction)
      .Column(columns::kNote, line.duplicate ? std::string_view(words_.duplicate) : std::string_view())
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
  Controls().SetText(ids::kChosenCount, Filled(Shown(PURSO_TEXT("ImportDialog", "%1 of %2 to import")),
                                               {std::to_string(chosen), Lines(proposal_->Lines().size())}));
  Controls().SetText(ids::kWarning, proposal_->AllMoneyIn() ? Shown(kAllMoneyIn) : std::string());
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
    items.push_back(line.kind == LineKind::kOpeningBalance ? words_.openingBalance : words_.noCategory);
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
    parts.push_back(Filled(Shown(PURSO_TEXT("ImportDialog", "outside the years %1 to %2: %3")),
                           {std::to_string(CAccountBook::kFirstYear), std::to_string(lastYear), LinesOfFile(outside)}));
  }
  if (!statement_.undated.empty()) {
    parts.push_back(Filled(Shown(PURSO_TEXT("ImportDialog", "without a date: %1")), {LinesOfFile(statement_.undated)}));
  }
  std::string text;
  for (const std::string& part : parts)
    text += (text.empty() ? Shown(PURSO_TEXT("ImportDialog", "Not imported, ")) : "; ") + part;
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
    proposal_->ChooseIfReady(line);
  }
  FillList();
  ShowSelection();
}

void CImportDialog::OnToggle() {
  const std::vector<std::size_t> lines = SelectedLines();
  if (lines.empty()) return;
  bool refused = false;
  if (!Controls().IsChecked(ids::kChosen)) {
    for (const std::size_t line : lines) proposal_->LeaveOut(line);
  } else {
    for (const std::size_t line : lines) refused = !proposal_->Choose(line) || refused;
  }
  FillList();
  ShowSelection();
  if (!refused) return;
  lines.size() == 1 ? Refuse(Shown(kNoCategoryProblem), Shown(kNoCategorySuggestion), ids::kCategory)
                    : Refuse(Shown(kNoCategoriesProblem), Shown(kNoCategoriesSuggestion), ids::kCategory);
}

void CImportDialog::OnImport() {
  const ImportResult result = ApplyImport(book_, *proposal_);
  switch (result.status) {
    case ImportStatus::kApplied:
      imported_ = result;
      return EndDialog(kCommandOk);
    case ImportStatus::kTableFull:
      return ShowOutOfMemory(Host());
    case ImportStatus::kOutOfDate:
      return Problem(Shown(kOutOfDateProblem), Shown(kOutOfDateSuggestion));
  }
}

}  // namespace purso
