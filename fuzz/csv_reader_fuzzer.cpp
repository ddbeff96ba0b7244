// Feeds arbitrary bytes to the CSV reader (the first byte chooses its
// mapping), and to the column guess and the reader with the guessed
// mapping, and checks what each read accepts and what a refusal leaves.
#include <cstddef>
#include <cstdint>

#include "statement/csv_column_guess.h"
#include "statement/csv_statement_reader.h"
#include "statement_checks.h"
#include "statement_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string text = purso::fuzzing::Utf8AfterFirstByte(data, size);
  purso::Statement statement = purso::fuzzing::Sentinel();
  purso::StatementError error;
  const bool accepted = purso::ReadCsvStatement(text, purso::fuzzing::CsvMappingFrom(data[0]), statement, error);
  purso::fuzzing::CheckRead(accepted, statement, error);

  const char separator = purso::GuessCsvSeparator(text);
  const std::vector<purso::CsvRecord> records = purso::SplitCsvRecords(text, separator, 300);
  const purso::CsvPreferences preferences{
      (data[0] & 1) != 0 ? purso::StatementDateOrder::kDayMonthYear : purso::StatementDateOrder::kMonthDayYear,
      (data[0] & 2) != 0 ? ',' : '.'};
  const purso::CsvMapping guess = purso::GuessCsvMapping(records, separator, preferences);
  purso::Statement guessed = purso::fuzzing::Sentinel();
  purso::fuzzing::CheckRead(purso::ReadCsvStatement(text, guess, guessed, error), guessed, error);
  return 0;
}
