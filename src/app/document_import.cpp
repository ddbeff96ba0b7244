// CpursoPXFDoc: bank statements in, through the Statement Columns and Import
// dialogs, and the current year out as CSV.
#include <cstdint>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/document_text.h"
#include "app/file_name.h"
#include "app/purso_document.h"
#include "data/account_text.h"
#include "data/translation.h"
#include "dialogs/csv_columns_dialog.h"
#include "dialogs/import_dialog.h"
#include "dialogs/message_dialogs.h"
#include "resources/translatable.h"
#include "statement/csv_column_guess.h"
#include "statement/statement_file.h"
#include "statement/year_csv_export.h"

namespace purso {
namespace {

// The texts of the system's messages, with %1 for a file's name.
constexpr std::string_view kUnknownFormatProblem =
    PURSO_TEXT("Document", "The file %1 is not a bank statement the program can read.");
constexpr std::string_view kUnknownFormatSuggestion =
    PURSO_TEXT("Document", "- choose an OFX or QFX, a QIF or a CSV statement (.ofx, .qfx, .qif, .csv)");
constexpr std::string_view kExportExtension = ".csv";
// The undo step of an import is named after its command.
constexpr std::string_view kImportStep = PURSO_TEXT("UndoStep", "Import Statement");
// What the progress window says while the statement is read and compared with the account.
constexpr std::string_view kReadingTitle = PURSO_TEXT("Document", "Reading the statement %1...");
constexpr std::string_view kProposingTitle = PURSO_TEXT("Document", "Comparing the statement with the account...");

// text in the user's language with the name of the file at path, as account
// text, for %1.
std::string WithFileName(std::string_view text, const std::string& path) {
  return DocumentText(text, Utf8ToAccountText(FileNameOf(path)));
}

void ShowStatementProblem(IHost& host, const StatementError& error) {
  const NameProblem problem = StatementProblemText(error);
  ShowProblem(host, problem.problem, problem.suggestion);
}

}  // namespace

bool CpursoPXFDoc::ImportStatement(const std::string& path, ISettingsStore& settings, IBackgroundRunner& runner) {
  const std::optional<StatementFormat> format = FormatOfFileName(path);
  if (!format) {
    ShowProblem(host_, WithFileName(kUnknownFormatProblem, path), DocumentText(kUnknownFormatSuggestion));
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
    if (!runner.Run(WithFileName(kReadingTitle, path), [&](CTaskProgress& progress) {
          if (!LoadStatementFile(path, text, error)) return;
          if (*format == StatementFormat::kCsv) {
            const char separator = GuessCsvSeparator(text);
            first = SplitCsvRecords(text, separator, kGuessedCsvRecords);
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
    if (!runner.Run(Translate("Document", kProposingTitle), [&](CTaskProgress& progress) {
          proposal = std::make_unique<CImportProposal>(book_, statement, statement.BusiestAccount(), &progress);
        })) {
      return false;
    }
    CImportDialog dialog(book_, std::move(statement), std::move(proposal), Utf8ToAccountText(name));
    int result = kCommandCancel;
    RunCommand(Translate("UndoStep", kImportStep), [&] { result = host_.RunModal(dialog); });
    if (result != kCommandOk) return false;
  } catch (const std::bad_alloc&) {
    // The account changes only through Import, which keeps it whole when
    // memory runs out; should it run out after Import, the change is shown.
    if (book_.IsModified()) Bookkeeping();
    ShowCommandOutOfMemory(host_);
    return false;
  }
  Bookkeeping();
  return true;
}

std::string CpursoPXFDoc::ExportFileName() const {
  return StemOf(title_) + " " + std::to_string(book_.GetYear()) + std::string(kExportExtension);
}

bool CpursoPXFDoc::ExportYear(const std::string& path) {
  const std::string csv = YearToCsv(book_.CurrentLedger(), book_.Settings());
  return WriteFileOrReport(host_, path, csv);
}

}  // namespace purso
