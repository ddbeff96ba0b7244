// What every statement a reader accepts must be, and what a refused one
// must leave, checked by the statement fuzz targets. A broken check aborts,
// which the fuzzer reports as a crash.
#pragma once

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "data/account_text.h"
#include "data/calendar.h"
#include "statement/statement.h"
#include "statement/statement_error.h"

namespace purso::fuzzing {

inline void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "statement fuzzer: %s\n", what);
  std::abort();
}

// Checks the outcome of a read into a statement that held one sentinel line.
inline void CheckRead(bool accepted, const Statement& statement, const StatementError& error) {
  if (!accepted) {
    Require(statement.lines.size() == 1 && statement.lines[0].line == 0xFEED, "a refused statement was changed");
    Require(error.line >= 1, "a refusal names no line");
    Require(IsValidUtf8(StatementProblem(error).problem), "a problem text is not UTF-8");
    Require(error.detail.size() <= 4 * kMaxQuotedLength + 3, "a refusal quotes too much of the file");
    return;
  }
  std::uint32_t previous = 0;
  for (const std::uint32_t line : statement.undated) Require(line >= 1, "a line set aside names no line");
  for (const StatementLine& line : statement.lines) {
    Require(IsValidDate(line.date.year, line.date.month, line.date.day), "a line has no real date");
    Require(std::fabs(line.amount) <= kMaxStatementAmount, "a line's amount is too big");
    // OFX may write many transactions on one line.
    Require(line.line >= previous && line.line >= 1, "lines are not in the order of the file");
    Require(IsValidUtf8(line.payee) && IsValidUtf8(line.memo) && IsValidUtf8(line.category), "a text is not UTF-8");
    Require(line.account < statement.accounts.size(), "a line names no account of the statement");
    previous = line.line;
  }
}

inline Statement Sentinel() {
  Statement statement;
  statement.lines.resize(1);
  statement.lines[0].line = 0xFEED;
  return statement;
}

}  // namespace purso::fuzzing
