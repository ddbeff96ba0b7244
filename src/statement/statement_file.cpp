#include "statement/statement_file.h"

#include <cstdint>
#include <filesystem>
#include <vector>

#include "data/account_file.h"
#include "data/no_case.h"
#include "statement/ofx_statement_reader.h"

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

bool ReadStatementFile(const std::string& path, StatementFormat format, const StatementOptions& options,
                       Statement& statement, StatementError& error) {
  error = StatementError{};
  error.file = path;
  if (format == StatementFormat::kOfx) return ReadOfxStatementFile(path, statement, error);

  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes(path, bytes)) {
    error.kind = StatementErrorKind::kCannotOpen;
    return false;
  }
  const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (format == StatementFormat::kQif) return ReadQifStatement(text, options.qif, statement, error);
  return ReadCsvStatement(text, options.csv, statement, error);
}

}  // namespace purso
