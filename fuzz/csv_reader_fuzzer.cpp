// Feeds arbitrary bytes to the CSV reader (the first byte chooses its
// mapping) and checks what it accepts and what a refusal leaves.
#include <cstddef>
#include <cstdint>

#include "statement/csv_statement_reader.h"
#include "statement_checks.h"
#include "statement_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  purso::Statement statement = purso::fuzzing::Sentinel();
  purso::StatementError error;
  const bool accepted = purso::ReadCsvStatement(purso::fuzzing::TextAfterFirstByte(data, size),
                                                purso::fuzzing::CsvMappingFrom(data[0]), statement, error);
  purso::fuzzing::CheckRead(accepted, statement, error);
  return 0;
}
