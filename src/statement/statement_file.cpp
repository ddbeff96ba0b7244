#include "statement/statement_file.h"

#include <cstdint>
#include <filesystem>
#include <vector>

#include "data/account_file.h"
#include "data/no_case.h"
#include "statement/ofx_statement_reader.h"
#include "statement/statement_text.h"

namespace purso {

std::optional<StatementFormat> FormatOfFileName(std::string_view path) {
  const std::string extension = std::filesystem::path(path).extension().string();
  if (EqualNoCase(extension, ".ofx") || EqualNoCase(extension, ".qfx")) return StatementFormat::kOfx;
  if (EqualNoCase(extension, ".qif")) return StatementFormat::kQif;
  if (EqualNoCase(extension, ".csv")) return StatementFormat::kCsv;
  return std::nullopt;
}

std::string_view FormatName(StatementFormat format) {
  switch (format) {
    case StatementFormat::kOfx:
      return "OFX";
    case StatementFormat::kQif:
      return "QIF";
    case StatementFormat::kCsv:
      return "CSV";
  }
  return "";
}

bool LoadStatementFile(const std::string& path, std::string& text, StatementError& error) {
  error = StatementError{};
  error.file = path;
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(path, bytes)) return Refuse(error, 0, StatementErrorKind::kCannotOpen);
  text = StatementTextToUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return true;
}

bool ReadStatement(std::string_view text, StatementFormat format, const StatementOptions& options, Statement& statement,
                   StatementError& error) {
  switch (format) {
    case StatementFormat::kOfx:
      return ReadOfxStatement(text, statement, error);
    case StatementFormat::kQif:
      return ReadQifStatement(text, options.qif, statement, error);
    case StatementFormat::kCsv:
      return ReadCsvStatement(text, options.csv, statement, error);
  }
  return false;
}

bool ReadStatementFile(const std::string& path, StatementFormat format, const StatementOptions& options,
                       Statement& statement, StatementError& error) {
  std::string text;
  return LoadStatementFile(path, text, error) && ReadStatement(text, format, options, statement, error);
}

}  // namespace purso
