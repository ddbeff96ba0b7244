#include "statement/statement_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <filesystem>

#include "data/no_case.h"
#include "resources/translatable.h"
#include "statement/ofx_statement_reader.h"
#include "statement/statement_text.h"

namespace purso {
namespace {

// Closes the statement file on every way out.
class CStatementFile {
 public:
  explicit CStatementFile(int descriptor) : descriptor_(descriptor) {}
  ~CStatementFile() {
    if (descriptor_ >= 0) ::close(descriptor_);
  }
  CStatementFile(const CStatementFile&) = delete;
  CStatementFile& operator=(const CStatementFile&) = delete;
  int Get() const { return descriptor_; }

 private:
  int descriptor_;
};

}  // namespace

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
  // Without waiting: a pipe named like a statement is no reason to hang.
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (descriptor < 0) return Refuse(error, 0, StatementErrorKind::kCannotOpen);
  const CStatementFile file(descriptor);
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) return Refuse(error, 0, StatementErrorKind::kCannotOpen);
  if (!S_ISREG(status.st_mode)) {
    return Refuse(error, 0, StatementErrorKind::kNotAFile,
                  S_ISDIR(status.st_mode)    ? PURSO_TEXT("StatementError", "a folder")
                  : S_ISFIFO(status.st_mode) ? PURSO_TEXT("StatementError", "a pipe")
                  : S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)
                      ? PURSO_TEXT("StatementError", "a device")
                      : PURSO_TEXT("StatementError", "something else"));
  }
  const std::string limit = std::to_string(kMaxStatementBytes >> 20) + " MB";
  if (static_cast<std::uint64_t>(status.st_size) > kMaxStatementBytes) {
    return Refuse(error, 0, StatementErrorKind::kTooLarge, limit);
  }
  // The file may grow while it is read; one byte past the limit tells.
  std::string bytes(static_cast<std::size_t>(status.st_size) + 1, '\0');
  std::size_t read = 0;
  while (true) {
    if (read == bytes.size()) {
      if (bytes.size() > kMaxStatementBytes) return Refuse(error, 0, StatementErrorKind::kTooLarge, limit);
      bytes.resize(std::min<std::size_t>(bytes.size() * 2, kMaxStatementBytes + 1));
    }
    const ssize_t got = ::read(file.Get(), bytes.data() + read, bytes.size() - read);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Refuse(error, 0, StatementErrorKind::kCannotOpen);
    if (got == 0) break;
    read += static_cast<std::size_t>(got);
  }
  bytes.resize(read);
  bytes.shrink_to_fit();
  MakeStatementTextUtf8(bytes);
  text = std::move(bytes);
  return true;
}

bool ReadStatement(std::string_view text, StatementFormat format, const StatementOptions& options, Statement& statement,
                   StatementError& error) {
  switch (format) {
    case StatementFormat::kOfx:
      return ReadOfxStatement(text, statement, error, options.progress);
    case StatementFormat::kQif:
      return ReadQifStatement(text, options.qif, statement, error, options.progress);
    case StatementFormat::kCsv:
      return ReadCsvStatement(text, options.csv, statement, error, options.progress);
  }
  return false;
}

bool ReadStatementFile(const std::string& path, StatementFormat format, const StatementOptions& options,
                       Statement& statement, StatementError& error) {
  std::string text;
  return LoadStatementFile(path, text, error) && ReadStatement(text, format, options, statement, error);
}

}  // namespace purso
