#include "dialogs/csv_columns_dialog.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <utility>

#include "data/account_text.h"
#include "data/translation.h"
#include "dialogs/csv_mapping_memory.h"
#include "resources/csv_columns_dialog_resource.h"
#include "resources/translatable.h"
#include "statement/statement_fields.h"

namespace purso {
namespace {

namespace ids = csv_columns_dialog;

constexpr std::string_view kNoColumn = PURSO_TEXT("CsvColumnsDialog", "(none)");
// How many characters of a name or value a list item shows.
constexpr std::size_t kShownLength = 40;

struct ColumnChoice {
  int control;
  std::string CsvMapping::*column;
};
constexpr ColumnChoice kColumnChoices[] = {
    {ids::kDate, &CsvMapping::date},     {ids::kDebit, &CsvMapping::debit},         {ids::kCredit, &CsvMapping::credit},
    {ids::kAmount, &CsvMapping::amount}, {ids::kDirection, &CsvMapping::direction}, {ids::kPayee, &CsvMapping::payee},
    {ids::kMemo, &CsvMapping::memo},
};

std::string Shortened(std::string text) {
  if (text.size() > kShownLength) text.resize(kShownLength);
  return text;
}

// The choice a refusal puts the focus on.
int FieldAtFault(const StatementError& error) {
  switch (error.kind) {
    case StatementErrorKind::kMissingColumn:
      return error.detail == "Date" ? ids::kDate : ids::kAmount;
    case StatementErrorKind::kNoDate:
    case StatementErrorKind::kBadDate:
      return ids::kDateOrder;
    case StatementErrorKind::kNoAmount:
    case StatementErrorKind::kBadAmount:
    case StatementErrorKind::kAmountTooBig:
      return ids::kDecimal;
    case StatementErrorKind::kBadDirection:
      return ids::kDirection;
    default:
      return ids::kDate;
  }
}

}  // namespace

CCsvColumnsDialog::CCsvColumnsDialog(ISettingsStore& store, IBackgroundRunner& runner, std::string path,
                                     std::string_view text, const std::vector<CsvRecord>& first,
                                     const CsvMapping& guess)
    : CEditingDialog(ids::kResource, {ids::kHelp, "imp_dlg.htm"}),
      store_(store),
      runner_(runner),
      path_(std::move(path)),
      text_(text),
      records_(first),
      guess_(guess) {
  guess_.firstRecord = std::min(guess_.firstRecord, records_.size() - 1);
}

const std::vector<std::string>& CCsvColumnsDialog::FirstLine() const { return records_[guess_.firstRecord].fields; }

void CCsvColumnsDialog::OnInit() {
  const std::string name = std::filesystem::path(path_).filename().string();
  Controls().SetText(ids::kStatement,
                     Filled(Translate("CsvColumnsDialog", "The columns of %1"), {Utf8ToAccountText(name)}));
  std::optional<CsvMapping> remembered = RecallCsvMapping(store_, FirstLine());
  if (remembered) {
    // Where the table begins and how it is split are the file's own.
    remembered->firstRecord = guess_.firstRecord;
    remembered->separator = guess_.separator;
  }
  ShowMapping(remembered.value_or(guess_));
  Controls().SetFocus(ids::kDate);
}

void CCsvColumnsDialog::OnCommand(int controlId) {
  switch (controlId) {
    case ids::kHeader:
      return FillColumns();
    case ids::kOk:
      return OnOk();
    default:
      return CEditingDialog::OnCommand(controlId);
  }
}

void CCsvColumnsDialog::FillColumns() {
  CControlModel& controls = Controls();
  const std::vector<std::string>& first = FirstLine();
  const bool named = controls.IsChecked(ids::kHeader);
  std::vector<std::string> items = {Translate("CsvColumnsDialog", kNoColumn)};
  for (std::size_t i = 0; i < first.size(); ++i) {
    const std::string field = Utf8ToAccountText(TrimBlanks(first[i]));
    const std::string number = Filled(Translate("CsvColumnsDialog", "Column %1"), {std::to_string(i + 1)});
    items.push_back(Shortened(named ? (field.empty() ? number : field) : number + ": " + field));
  }
  for (const ColumnChoice& choice : kColumnChoices) {
    const int selection = controls.GetSelection(choice.control);
    controls.SetItems(choice.control, items);
    controls.SetSelection(choice.control, std::max(selection, 0));
  }
}

void CCsvColumnsDialog::ShowMapping(const CsvMapping& mapping) {
  CControlModel& controls = Controls();
  controls.SetChecked(ids::kHeader, mapping.header == CsvHeader::kFirstLine);
  FillColumns();
  for (const ColumnChoice& choice : kColumnChoices) {
    const std::string& column = mapping.*choice.column;
    controls.SetSelection(choice.control, column.empty() ? 0 : std::stoi(column));
  }
  controls.SetSelection(ids::kDateOrder, static_cast<int>(mapping.dateOrder));
  controls.SetSelection(ids::kDecimal, mapping.decimalSymbol == ',' ? 1 : 0);
}

CsvMapping CCsvColumnsDialog::ChosenMapping() const {
  const CControlModel& controls = Controls();
  CsvMapping mapping;
  mapping.separator = guess_.separator;
  mapping.firstRecord = guess_.firstRecord;
  mapping.header = controls.IsChecked(ids::kHeader) ? CsvHeader::kFirstLine : CsvHeader::kNone;
  for (const ColumnChoice& choice : kColumnChoices) {
    const int selection = controls.GetSelection(choice.control);
    mapping.*choice.column = selection > 0 ? std::to_string(selection) : std::string();
  }
  mapping.dateOrder = static_cast<StatementDateOrder>(std::max(controls.GetSelection(ids::kDateOrder), 0));
  mapping.decimalSymbol = controls.GetSelection(ids::kDecimal) == 1 ? ',' : '.';
  return mapping;
}

void CCsvColumnsDialog::OnOk() {
  const CsvMapping mapping = ChosenMapping();
  StatementError error;
  error.file = path_;
  bool read = false;
  const std::string name = std::filesystem::path(path_).filename().string();
  const std::string title = Filled(Translate("CsvColumnsDialog", "Reading %1..."), {Utf8ToAccountText(name)});
  if (!runner_.Run(title, [&](CTaskProgress& progress) {
        read = ReadCsvStatement(text_, mapping, statement_, error, &progress);
      })) {
    return;
  }
  if (!read) {
    const NameProblem problem = StatementProblemText(error);
    return Refuse(problem.problem, problem.suggestion, FieldAtFault(error));
  }
  RememberCsvMapping(store_, FirstLine(), mapping);
  EndDialog(kCommandOk);
}

}  // namespace purso
