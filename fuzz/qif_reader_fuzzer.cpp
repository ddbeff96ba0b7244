// Feeds arbitrary bytes to the QIF reader (the first byte chooses its
// options) and checks what it accepts and what a refusal leaves.
#include <cstddef>
#include <cstdint>

#include "statement/qif_statement_reader.h"
#include "statement_checks.h"
#include "statement_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  purso::Statement statement = purso::fuzzing::Sentinel();
  purso::StatementError error;
  const bool accepted = purso::ReadQifStatement(purso::fuzzing::Utf8AfterFirstByte(data, size),
                                                purso::fuzzing::QifOptionsFrom(data[0]), statement, error);
  purso::fuzzing::CheckRead(accepted, statement, error);
  return 0;
}
