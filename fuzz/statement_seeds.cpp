#include "statement_seeds.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "data/account_file.h"

namespace purso::fuzzing {
namespace {

// Payees and dates the filled sample account has transactions and
// predactions for: "Paid 4" is its Fix Ex category, "Paid 1" its Fix In,
// "Paid 2" its Var Ex; the predactions lie on the 15th of each month.
constexpr const char* kKnownQif =
    "!Type:Bank\nD2/14/2024\nT-150.00\nPPaid 4\nMFebruary\n^\nD3/16'24\nT225\nPPaid 1\n^\n"
    "D14.02.2024\nT-150.00\nPPaid 4\n^\nD2024-06-01\nT-12.5\nPPaid 2\n^\nD1/1/98\nT-1\nPPaid 5\n^\n";
constexpr const char* kKnownCsv =
    "Date,Amount,Description,Memo\r\n2024-02-14,-150,Paid 4,\r\n2024-03-16,225,Paid 1,March\r\n"
    "2024-06-01,\"-12.50\",\"Paid 2\",\r\n2019-05-15,-60,Paid 3,\r\n";
constexpr const char* kSplitCsv = "Date,Out,In,Description,Memo\n2024-02-14,150,,Paid 4,\n2024-03-16,,225,Paid 1,\n";

bool Write(const std::filesystem::path& folder, const char* target, const char* name, std::string prefix,
           const std::string& content) {
  std::error_code error;
  std::filesystem::create_directories(folder / target, error);
  prefix += content;
  const std::vector<std::uint8_t> bytes(prefix.begin(), prefix.end());
  if (error || !WriteFileAtomically((folder / target / name).string(), bytes)) {
    std::fprintf(stderr, "make_seeds: cannot write %s\n", (folder / target / name).c_str());
    return false;
  }
  return true;
}

std::string Sample(const std::filesystem::path& samples, const char* name) {
  std::vector<std::uint8_t> bytes;
  if (!ReadFileBytes((samples / name).string(), bytes)) std::fprintf(stderr, "make_seeds: no sample %s\n", name);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace

bool WriteStatementSeeds(const std::filesystem::path& folder, const std::filesystem::path& samples) {
  const std::string qif = Sample(samples, "bank.qif");
  const std::string csv = Sample(samples, "bank_semicolon.csv");
  // ';', day first, decimal comma, columns by number.
  const std::string sampleCsvOptions(1, static_cast<char>(2 | 8 | 32 | 128));
  const std::string commas(1, '\x01');
  const std::string splitCommas(1, '\x41');
  const std::string none(1, '\0');
  bool written = Write(folder, "qif_reader_fuzzer", "sample.qif", none, qif);
  written = Write(folder, "qif_reader_fuzzer", "known.qif", none, kKnownQif) && written;
  written = Write(folder, "csv_reader_fuzzer", "sample.csv", sampleCsvOptions, csv) && written;
  written = Write(folder, "csv_reader_fuzzer", "known.csv", commas, kKnownCsv) && written;
  written = Write(folder, "csv_reader_fuzzer", "split.csv", splitCommas, kSplitCsv) && written;
  written = Write(folder, "import_proposal_fuzzer", "sample.qif", none + none, qif) && written;
  written = Write(folder, "import_proposal_fuzzer", "known.qif", none + none, kKnownQif) && written;
  written = Write(folder, "import_proposal_fuzzer", "sample.csv", "\x01" + sampleCsvOptions, csv) && written;
  written = Write(folder, "import_proposal_fuzzer", "known.csv", "\x01" + commas, kKnownCsv) && written;
  written =
      Write(folder, "import_proposal_fuzzer", "sample.ofx", "\x02" + none, Sample(samples, "bank_sgml.ofx")) && written;
  // Every OFX the tests read, and the cases of each format as banks write them.
  for (const char* name : {"bank_sgml.ofx", "bank_xml.qfx"}) {
    written = Write(folder, "ofx_reader_fuzzer", name, none, Sample(samples, name)) && written;
  }
  for (const auto& entry : std::filesystem::directory_iterator(samples / "cases")) {
    const std::string name = entry.path().filename().string();
    const std::string extension = entry.path().extension().string();
    const std::string content = Sample(samples / "cases", name.c_str());
    const char* target = extension == ".qif"   ? "qif_reader_fuzzer"
                         : extension == ".csv" ? "csv_reader_fuzzer"
                                               : "ofx_reader_fuzzer";
    written = Write(folder, target, name.c_str(), none, content) && written;
  }
  return written;
}

}  // namespace purso::fuzzing
