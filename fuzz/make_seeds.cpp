// Writes the seeds the fuzz targets start from, each target's into the
// subfolder of its name: a handful of valid account files for the account
// loader, and statements for the statement targets (statement_seeds.h):
//   make_seeds FOLDER
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "data/account_book.h"
#include "data/account_file.h"
#include "sample_account.h"
#include "statement_seeds.h"

namespace {

bool WriteSeed(const std::filesystem::path& folder, const char* name, const purso::CAccountBook& book,
               const char* magic = nullptr) {
  purso::CArchiveWriter writer;
  if (!book.Write(writer)) return false;
  std::vector<std::uint8_t> bytes = writer.TakeBytes();
  if (magic != nullptr) std::copy(magic, magic + 7, bytes.begin());
  if (!purso::WriteFileAtomically((folder / name).string(), bytes)) {
    std::fprintf(stderr, "make_seeds: cannot write %s\n", (folder / name).c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = std::filesystem::path(argv[1]) / "account_loader_fuzzer";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "make_seeds: cannot make %s: %s\n", argv[1], error.message().c_str());
    return 1;
  }

  using purso::CAccountBook;
  using purso::fuzzing::SampleForm;
  const CAccountBook fresh(1999);
  const CAccountBook freshLater(2030);  // nothing in it but a current year after 2024
  const CAccountBook filled = purso::fuzzing::FilledAccount(SampleForm::kEarlier);
  const CAccountBook extended = purso::fuzzing::FilledAccount(SampleForm::kExtended);

  // One filled year only, the last one of the earlier form, as the current year.
  CAccountBook lastYear(2024);
  purso::fuzzing::FillLedger(lastYear.Ledger(26), 3);
  lastYear.Settings().currencySymbol = "EUR";

  // One filled year after 2024 on an account whose current year is earlier.
  CAccountBook laterYear(2001);
  purso::fuzzing::FillLedger(laterYear.Ledger(2031 - CAccountBook::kFirstYear), 5);

  bool written = WriteSeed(folder, "new.pxf", fresh);
  written = WriteSeed(folder, "new_later.pxf", freshLater) && written;
  written = WriteSeed(folder, "filled.pxf", filled) && written;
  written = WriteSeed(folder, "earlier_version.pxf", filled, "PURSO10") && written;
  written = WriteSeed(folder, "last_year.pxf", lastYear) && written;
  written = WriteSeed(folder, "extended.pxf", extended) && written;
  written = WriteSeed(folder, "later_year.pxf", laterYear) && written;
  written = purso::fuzzing::WriteStatementSeeds(argv[1], PURSO_SAMPLE_STATEMENTS) && written;
  return written ? 0 : 1;
}
