#include "dialogs/import_dialog.h"

#include <utility>

#include "dialogs/message_dialogs.h"
#include "resources/import_dialog_resource.h"
#include "statement/statement_text.h"
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
constexpr std::string_view kChosenMark = "[x]";
constexpr std::string_view kLeftOutMark = "[ ]";
constexpr std::string_view kNewPredaction = "new";
constexpr std::string_view kDuplicate = "duplicate";
constexpr std::string_view kNoCategoryProblem = "The line has no category.";
constexpr std::string_view kNoCategorySuggestion = "Choose a category for the line first.";
constexpr std::string_view kOutOfDateProblem = "The account has changed since the statement was read.";
constexpr std::string_view kOutOfDateSuggestion = "Import the statement again.";
// The outside label names at most this many lines of the file.
constexpr std::size_t kOutsideLinesNamed = 6;

std::string Lines(std::size_t count) { return std::to_string(count) + (count == 1 ? " line" : " lines"); }

}  // namespace

NameProblem StatementProblemText(const StatementError& error) {
  const NameProblem problem = StatementProblem(error);
  const auto lineByLine = [](std::string_view utf8) {
    std::string text;
    for (std::size_t start = 0;;) {
      const std::size_t end = utf8.find('\n', start);
      text += Utf8ToAccountText(utf8.substr(start, end - start));
      if (end == std::string_view::npos) return text;
      text += '\n';
      start = end + 1;
    }
  };
  return {lineByLine(problem.problem), lineByLine(problem.suggestion)};
}

CImportDialog::YearFacts::YearFacts(const CYearLedger& ledger) : categories(ledger) {
  const CRecordTable& predactions = ledger.Predactions();
  for (std::uint32_t row = 0; row < predactions.GetRowCount(); ++row) {
    predactionDates[predactions.RowIdAt(row)] = predactions.NumberAt(row, predaction_column::kDate);
  }
}

CImportDialog::CImportDialog(CAccountBook& book, const Statement& statement, std::string statementName)
    : CEditingDialog(ids::kResource, {ids::kHelp, "imp_dlg.htm"}),
      book_(book),
      proposal_(book, statement),
      statementName_(std::move(statementName)) {}

void CImportDialog::OnInit() {
  const std::size_t total = proposal_.Lines().size() + proposal_.OutsideYears().size();
  Controls().SetText(ids::kStatement, "Statement: " + statementName_ + ", " + Lines(total));
  ShowOutside();
  FillList();
  if (!proposal_.Lines().empty()) {
    Controls().SetSelection(ids::kLines, 0);
    ShowSelection();
  }
  Controls().SetFocus(ids::kLines);
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
}

void CImportDialog::OnDoubleClick(int controlId) {
  if (controlId != ids::kLines || !SelectedLine()) return;
  Controls().SetChecked(ids::kChosen, !Controls().IsChecked(ids::kChosen));
  OnToggle();
}

const CImportDialog::YearFacts& CImportDialog::FactsOf(int year) {
  std::unique_ptr<YearFacts>& facts = years_[year];
  if (!facts) facts = std::make_unique<YearFacts>(book_.Ledger(year - CAccountBook::kFirstYear));
  return *facts;
}

std::string CImportDialog::RowText(std::size_t index) {
  const ProposedLine& line = proposal_.Lines()[index];
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
      .Column(columns::kCategory, category != nullptr ? std::string_view(category->name) : kNoCategory)
      .Column(columns::kPredaction, predaction)
      .Column(columns::kNote, line.duplicate ? kDuplicate : std::string_view())
      .Column(columns::kDescription, line.description)
      .Finish();
}

void CImportDialog::FillList() {
  // The rows stand in statement order, so a row's index is its line's.
  std::vector<std::string> rows;
  rows.reserve(proposal_.Lines().size());
  for (std::size_t line = 0; line < proposal_.Lines().size(); ++line) rows.push_back(RowText(line));
  const int selection = Controls().GetSelection(ids::kLines);
  Controls().SetItems(ids::kLines, std::move(rows));
  Controls().SetSelection(ids::kLines, selection);
  const std::size_t chosen = proposal_.ChosenCount();
  Controls().SetText(ids::kChosenCount,
                     std::to_string(chosen) + " of " + Lines(proposal_.Lines().size()) + " to import");
  Controls().Enable(ids::kImport, chosen > 0);
}

std::optional<std::size_t> CImportDialog::SelectedLine() const {
  const int selection = Controls().GetSelection(ids::kLines);
  if (selection == CControlModel::kNoSelection) return std::nullopt;
  return static_cast<std::size_t>(selection);
}

void CImportDialog::ShowSelection() {
  CControlModel& controls = Controls();
  const std::optional<std::size_t> selected = SelectedLine();
  std::vector<std::string> items;
  int current = CControlModel::kNoSelection;
  if (selected) {
    const ProposedLine& line = proposal_.Lines()[*selected];
    const YearFacts& facts = FactsOf(line.year);
    const std::vector<std::uint32_t> choices = proposal_.CategoryChoices(*selected);
    items.emplace_back(kNoCategory);
    current = 0;
    for (std::size_t i = 0; i < choices.size(); ++i) {
      items.push_back(facts.categories.Find(choices[i])->name);
      if (line.category == choices[i]) current = static_cast<int>(i + 1);
    }
    controls.SetChecked(ids::kChosen, line.chosen);
  } else {
    controls.SetChecked(ids::kChosen, false);
  }
  controls.SetItems(ids::kCategory, std::move(items));
  controls.SetSelection(ids::kCategory, current);
  controls.Enable(ids::kCategory, selected.has_value());
  controls.Enable(ids::kChosen, selected.has_value());
}

void CImportDialog::ShowOutside() {
  const std::vector<StatementLine>& outside = proposal_.OutsideYears();
  if (outside.empty()) return Controls().SetText(ids::kOutside, "");
  std::string numbers;
  for (std::size_t i = 0; i < outside.size() && i < kOutsideLinesNamed; ++i) {
    numbers += (i == 0 ? "" : ", ") + std::to_string(outside[i].line);
  }
  if (outside.size() > kOutsideLinesNamed) numbers += ", ...";
  const int lastYear = CAccountBook::kFirstYear + CAccountBook::kYearCount - 1;
  Controls().SetText(ids::kOutside, "Not imported, outside the years " + std::to_string(CAccountBook::kFirstYear) +
                                        " to " + std::to_string(lastYear) + ": " + Lines(outside.size()) + " (" +
                                        (outside.size() == 1 ? "line " : "lines ") + numbers + " of the file)");
}

void CImportDialog::OnCategoryChosen() {
  const std::optional<std::size_t> line = SelectedLine();
  const int item = Controls().GetSelection(ids::kCategory);
  if (!line || item == CControlModel::kNoSelection) return;
  // The drop-down lists the line's choices after "(no category)".
  const std::optional<std::uint32_t> category =
      item == 0 ? std::nullopt
                : std::optional<std::uint32_t>(proposal_.CategoryChoices(*line)[static_cast<std::size_t>(item - 1)]);
  if (!proposal_.SetCategory(*line, category)) return;
  if (category && !proposal_.Lines()[*line].duplicate) proposal_.Choose(*line);
  FillList();
  ShowSelection();
}

void CImportDialog::OnToggle() {
  const std::optional<std::size_t> line = SelectedLine();
  if (!line) return;
  if (!Controls().IsChecked(ids::kChosen)) {
    proposal_.LeaveOut(*line);
  } else if (!proposal_.Choose(*line)) {
    Controls().SetChecked(ids::kChosen, false);
    return Refuse(kNoCategoryProblem, kNoCategorySuggestion, ids::kCategory);
  }
  FillList();
  ShowSelection();
}

void CImportDialog::OnImport() {
  const ImportResult result = ApplyImport(book_, proposal_);
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
