// CpursoPXFDoc: bank statements in, through the Statement Columns and Import
// dialogs, and the current year out as CSV.
#include <cstdint>
#include <memory>
#include <new>
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
#include "text/filled_text.h"

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
// The undo step of an import is named after its command.
constexpr std::string_view kImportStep = "Import Statement";
// What the progress window says while the statement is read and compared with the account.
constexpr std::string_view kReadingTitle = "Reading the statement ";
constexpr std::string_view kProposingTitle = "Comparing the statement with the account...";
// The lines of a CSV file the column guess and the Statement Columns dialog read.
constexpr std::size_t kGuessedRecords = 300;

// text with the name of the file at path, as account text, for %1.
std::string WithFileName(std::string_view text, const std::string& path) {
  return Filled(text, Utf8ToAccountText(FileNameOf(path)));
}

void ShowStatementProblem(IHost& host, const StatementError& error) {
  const NameProblem problem = StatementProblemText(error);
  ShowProblem(host, problem.problem, problem.suggestion);
}

}  // namespace

bool CpursoPXFDoc::ImportStatement(const std::string& path, ISettingsStore& settings, IBackgroundRunner& runner) {
  const std::optional<StatementFormat> format = FormatOfFileName(path);
  if (!format) {
    ShowProblem(host_, WithFileName(kUnknownFormatProblem, path), kUnknownFormatSuggestion);
    return false;
  }
  const std::string name = FileNameOf(path);
  const CCommandScope busy(commandDepth_);
  try {
    // Read (for CSV: load and guess) away from the window's thread.
    std::string text;
    Statement statement;
    StatementError error;
    std::vector<CsvRecord> first;
    CsvMapping guess;
    bool read = false;
    if (!runner.Run(std::string(kReadingTitle) + name + "...", [&](CTaskProgress& progress) {
          if (!LoadStatementFile(path, text, error)) return;
          if (*format == StatementFormat::kCsv) {
            const char separator = GuessCsvSeparator(text);
            first = SplitCsvRecords(text, separator, kGuessedRecords);
            guess = GuessCsvMapping(first, separator, CsvPreferencesOf(book_.Settings()));
            read = !first.empty() || ReadCsvStatement(text, guess, statement, error);
            return;
          }
          StatementOptions options;
          // A QIF file writes its dates in the order of the country it was
          // made in, which is most likely the account's own.
          options.qif.preferredOrder = book_.Settings().dateOrder;
          options.progress = &progress;
          read = ReadStatement(text, *format, options, statement, error);
        })) {
      return false;
    }
    if (!read) {
      if (error.kind != StatementErrorKind::kCancelled) ShowStatementProblem(host_, error);
      return false;
    }
    if (*format == StatementFormat::kCsv) {
      CCsvColumnsDialog columns(settings, runner, path, text, first, guess);
      if (host_.RunModal(columns) != kCommandOk) return false;
      statement = std::move(columns.ReadStatement());
    }
    text = std::string();
    first = {};

    std::unique_ptr<CImportProposal> proposal;
    if (!runner.Run(kProposingTitle, [&](CTaskProgress& progress) {
          proposal = std::make_unique<CImportProposal>(book_, statement, statement.BusiestAccount(), &progress);
        })) {
      return false;
    }
    CImportDialog dialog(book_, std::move(statement), std::move(proposal), Utf8ToAccountText(name));
    int result = kCommandCancel;
    RunCommand(kImportStep, [&] { result = host_.RunModal(dialog); });
    if (result != kCommandOk) return false;
  } catch (const std::bad_alloc&) {
    // The account changes only through Import, which keeps it whole when
    // memory runs out; should it run out after Import, the change is shown.
    if (book_.IsModified()) Bookkeeping();
    ShowProblem(host_, kCommandOutOfMemoryProblem, kOutOfMemorySuggestion);
    return false;
  }
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
