#include "dialogs/csv_columns_dialog.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <utility>

#include "dialogs/csv_mapping_memory.h"
#include "dialogs/import_dialog.h"
#include "resources/csv_columns_dialog_resource.h"
#include "statement/statement_fields.h"
#include "statement/statement_text.h"

namespace purso {
namespace {

namespace ids = csv_columns_dialog;

constexpr std::string_view kNoColumn = "(none)";
// The lines the preview keeps, and how many characters of a name or value a list item shows.
constexpr std::size_t kPreviewLines = 21;
constexpr std::size_t kShownLength = 40;

// Each column choice, and the words that give a column away by its name
// ("|" between them, letter case ignored), in the order columns are guessed.
struct ColumnChoice {
  int control;
  std::string CsvMapping::*column;
  std::string_view words;
};
constexpr ColumnChoice kColumnChoices[] = {
    {ids::kDate, &CsvMapping::date, "date"},
    {ids::kDebit, &CsvMapping::debit, "debit|withdrawal|money out|paid out"},
    {ids::kCredit, &CsvMapping::credit, "credit|deposit|money in|paid in"},
    {ids::kAmount, &CsvMapping::amount, "amount"},
    {ids::kPayee, &CsvMapping::payee, "payee|description|name"},
    {ids::kMemo, &CsvMapping::memo, "memo|reference|note"},
};

bool NameHasOneOf(const std::string& name, std::string_view words) {
  const std::string folded = FoldedCopy(name);
  while (!words.empty()) {
    const std::size_t bar = words.find('|');
    if (folded.find(words.substr(0, bar)) != std::string::npos) return true;
    words = bar == std::string_view::npos ? std::string_view() : words.substr(bar + 1);
  }
  return false;
}

std::string Shortened(std::string text) {
  if (text.size() > kShownLength) text.resize(kShownLength);
  return text;
}

// The decimal symbol an amount shows: its last point or comma when one or
// two digits follow it and nothing else; none when it does not tell.
std::optional<char> ShownDecimalSymbol(std::string_view amount) {
  amount = TrimBlanks(amount);
  const std::size_t at = amount.find_last_of(".,");
  if (at == std::string_view::npos) return std::nullopt;
  const std::string_view after = amount.substr(at + 1);
  const std::size_t digits = std::min(after.find_first_not_of("0123456789"), after.size());
  const std::string_view rest = TrimBlanks(after.substr(digits));
  if (digits == 0 || digits > 2 || !(rest.empty() || rest == "-" || rest == ")")) return std::nullopt;
  return amount[at];
}

StatementDateOrder PreferredOrder(const CDisplaySettings& settings) {
  return settings.dateOrder == DateOrder::kDayFirst ? StatementDateOrder::kDayMonthYear
                                                    : StatementDateOrder::kMonthDayYear;
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
    default:
      return ids::kDate;
  }
}

}  // namespace

bool PreviewCsvStatement(const std::string& path, CsvPreview& preview, StatementError& error) {
  error = StatementError{path, 0, StatementErrorKind::kCannotOpen, {}};
  std::ifstream in(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (!in.is_open() || in.bad()) return false;
  const std::string text = StatementTextToUtf8(bytes);
  std::vector<CsvRecord> records = SplitCsvRecords(text, GuessCsvSeparator(text));
  if (records.empty()) {
    Statement none;
    ReadCsvStatement(bytes, CsvMapping{}, none, error);
    error.file = path;
    return false;
  }
  if (records.size() > kPreviewLines) records.resize(kPreviewLines);
  preview = CsvPreview{path, std::move(records)};
  return true;
}

CCsvColumnsDialog::CCsvColumnsDialog(const CDisplaySettings& settings, ISettingsStore& store, CsvPreview preview)
    : CEditingDialog(ids::kResource, {ids::kHelp, "imp_dlg.htm"}),
      settings_(settings),
      store_(store),
      preview_(std::move(preview)) {}

void CCsvColumnsDialog::OnInit() {
  const std::string name = std::filesystem::path(preview_.path).filename().string();
  Controls().SetText(ids::kStatement, "The columns of " + Utf8ToAccountText(name));
  const std::optional<CsvMapping> remembered = RecallCsvMapping(store_, preview_.records.front().fields);
  ShowMapping(remembered.value_or(GuessedMapping()));
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
  const std::vector<std::string>& first = preview_.records.front().fields;
  const bool named = controls.IsChecked(ids::kHeader);
  std::vector<std::string> items = {std::string(kNoColumn)};
  for (std::size_t i = 0; i < first.size(); ++i) {
    const std::string field = Utf8ToAccountText(TrimBlanks(first[i]));
    const std::string number = "Column " + std::to_string(i + 1);
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
  mapping.header = controls.IsChecked(ids::kHeader) ? CsvHeader::kFirstLine : CsvHeader::kNone;
  for (const ColumnChoice& choice : kColumnChoices) {
    const int selection = controls.GetSelection(choice.control);
    mapping.*choice.column = selection > 0 ? std::to_string(selection) : std::string();
  }
  mapping.dateOrder = static_cast<StatementDateOrder>(std::max(controls.GetSelection(ids::kDateOrder), 0));
  mapping.decimalSymbol = controls.GetSelection(ids::kDecimal) == 1 ? ',' : '.';
  return mapping;
}

std::vector<std::string_view> CCsvColumnsDialog::Values(const std::string& column) const {
  std::vector<std::string_view> values;
  if (column.empty()) return values;
  const auto index = static_cast<std::size_t>(std::stoi(column) - 1);
  for (std::size_t line = 1; line < preview_.records.size(); ++line) {
    const std::vector<std::string>& fields = preview_.records[line].fields;
    if (index < fields.size() && !TrimBlanks(fields[index]).empty()) values.push_back(fields[index]);
  }
  return values;
}

CsvMapping CCsvColumnsDialog::GuessedMapping() const {
  CsvMapping mapping;
  for (const ColumnChoice& choice : kColumnChoices) mapping.*choice.column = std::string();
  const std::vector<std::string>& names = preview_.records.front().fields;
  std::vector<bool> taken(names.size(), false);
  for (const ColumnChoice& choice : kColumnChoices) {
    if (choice.column == &CsvMapping::amount && !(mapping.debit.empty() && mapping.credit.empty())) continue;
    for (std::size_t i = 0; i < names.size() && (mapping.*choice.column).empty(); ++i) {
      if (!taken[i] && NameHasOneOf(names[i], choice.words)) {
        taken[i] = true;
        mapping.*choice.column = std::to_string(i + 1);
      }
    }
  }

  // The first order that reads every date shown, the account's own first.
  const StatementDateOrder preferred = PreferredOrder(settings_);
  mapping.dateOrder = preferred;
  const std::vector<std::string_view> dates = Values(mapping.date);
  for (const StatementDateOrder order : {preferred, StatementDateOrder::kYearMonthDay,
                                         StatementDateOrder::kDayMonthYear, StatementDateOrder::kMonthDayYear}) {
    CivilDate date;
    if (std::all_of(dates.begin(), dates.end(),
                    [order, &date](std::string_view text) { return ParseStatementDate(text, order, date); })) {
      mapping.dateOrder = order;
      break;
    }
  }

  // The symbol the first telling amount shows, else the account's own.
  mapping.decimalSymbol = settings_.DecimalChar();
  for (const std::string* column : {&mapping.amount, &mapping.debit, &mapping.credit}) {
    for (const std::string_view amount : Values(*column)) {
      if (const std::optional<char> symbol = ShownDecimalSymbol(amount)) {
        mapping.decimalSymbol = *symbol;
        return mapping;
      }
    }
  }
  return mapping;
}

void CCsvColumnsDialog::OnOk() {
  StatementOptions options;
  options.csv = ChosenMapping();
  StatementError error;
  if (!ReadStatementFile(preview_.path, StatementFormat::kCsv, options, statement_, error)) {
    const NameProblem problem = StatementProblemText(error);
    return Refuse(problem.problem, problem.suggestion, FieldAtFault(error));
  }
  RememberCsvMapping(store_, preview_.records.front().fields, options.csv);
  EndDialog(kCommandOk);
}

}  // namespace purso
