// CpursoPXFDoc: bank statements in, through the Statement Columns and Import
// dialogs, and the current year out as CSV.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/file_name.h"
#include "app/purso_document.h"
#include "data/account_save.h"
#include "data/account_text.h"
#include "dialogs/csv_columns_dialog.h"
#include "dialogs/import_dialog.h"
#include "dialogs/message_dialogs.h"
#include "statement/csv_column_guess.h"
#include "statement/statement_file.h"
#include "statement/year_csv_export.h"

namespace purso {
namespace {

// The texts of the system's messages, with %1 for a file's name.
constexpr std::string_view kUnknownFormatProblem = "The file %1 is not a bank statement the program can read.";
constexpr std::string_view kUnknownFormatSuggestion =
    "- choose an OFX or QFX, a QIF or a CSV statement (.ofx, .qfx, .qif, .csv)";
constexpr std::string_view kExportProblem = "The file %1 cannot be written.";
constexpr std::string_view kExportSuggestion =
    "- check that you may write to the folder\n- check that the disk is not full\n- try another name";
constexpr std::string_view kExportExtension = ".csv";

// text with the name of the file at path, as account text, for %1.
std::string WithFileName(std::string_view text, const std::string& path) {
  std::string result(text);
  const auto at = result.find("%1");
  if (at != std::string::npos) result.replace(at, 2, Utf8ToAccountText(FileNameOf(path)));
  return result;
}

void ShowStatementProblem(IHost& host, const StatementError& error) {
  const NameProblem problem = StatementProblemText(error);
  ShowProblem(host, problem.problem, problem.suggestion);
}

}  // namespace

bool CpursoPXFDoc::ImportStatement(const std::string& path, ISettingsStore& settings) {
  const std::optional<StatementFormat> format = FormatOfFileName(path);
  if (!format) {
    ShowProblem(host_, WithFileName(kUnknownFormatProblem, path), kUnknownFormatSuggestion);
    return false;
  }
  std::string text;
  StatementError error;
  if (!LoadStatementFile(path, text, error)) {
    ShowStatementProblem(host_, error);
    return false;
  }
  Statement statement;
  if (*format == StatementFormat::kCsv) {
    const char separator = GuessCsvSeparator(text);
    const std::vector<CsvRecord> records = SplitCsvRecords(text, separator);
    text = std::string();
    if (records.empty()) {
      // Nothing to choose columns from: the reader says what is missing.
      ReadCsvStatement(records, CsvMapping{}, statement, error);
      ShowStatementProblem(host_, error);
      return false;
    }
    const CsvMapping guess = GuessCsvMapping(records, separator, CsvPreferencesOf(book_.Settings()));
    CCsvColumnsDialog columns(settings, path, records, guess);
    if (host_.RunModal(columns) != kCommandOk) return false;
    statement = columns.ReadStatement();
  } else {
    StatementOptions options;
    // A QIF file writes its dates in the order of the country it was made
    // in, which is most likely the account's own.
    options.qif.preferredOrder = book_.Settings().dateOrder;
    if (!ReadStatement(text, *format, options, statement, error)) {
      ShowStatementProblem(host_, error);
      return false;
    }
  }
  CImportDialog dialog(book_, std::move(statement), Utf8ToAccountText(FileNameOf(path)));
  if (host_.RunModal(dialog) != kCommandOk) return false;
  Bookkeeping();
  return true;
}

std::string CpursoPXFDoc::ExportFileName() const {
  std::string name = title_;
  const auto dot = name.find_last_of('.');
  if (dot != std::string::npos && dot > 0) name.resize(dot);
  return name + " " + std::to_string(book_.GetYear()) + std::string(kExportExtension);
}

bool CpursoPXFDoc::ExportYear(const std::string& path) {
  const std::string csv = YearToCsv(book_.CurrentLedger(), book_.Settings());
  if (WriteFileAtomically(path, std::vector<std::uint8_t>(csv.begin(), csv.end()))) return true;
  ShowProblem(host_, WithFileName(kExportProblem, path), kExportSuggestion);
  return false;
}

}  // namespace purso
