// Why a statement cannot be read, and the texts the program shows for it.
//
// A reader that refuses a file says which file, which line and what it found
// there; StatementProblem turns that into the problem and suggestion texts of
// the Problem dialog, in the program's own wording. Nothing of a refused
// statement is imported.
#pragma once

#include <cstdint>
#include <string>

#include "text/name_rules.h"

namespace purso {

enum class StatementErrorKind {
  kCannotOpen,       // the file cannot be opened or read; no line
  kNotAStatement,    // not a statement in the chosen format; detail: the format's name
  kUnsupportedType,  // a QIF section that holds no bank transactions; detail: its type
  kMissingColumn,    // a CSV column the mapping names is not there; detail: the column
  kNoDate,           // a transaction without a date
  kNoAmount,         // a transaction without an amount
  kBadDate,          // detail: the date as written
  kBadAmount,        // detail: the amount as written
  kAmountTooBig,     // detail: the amount as written
};

struct StatementError {
  std::string file;        // the statement's path, as the caller gave it
  std::uint32_t line = 0;  // from 1; 0 when the fault is not on one line
  StatementErrorKind kind = StatementErrorKind::kCannotOpen;
  std::string detail;  // UTF-8

  friend bool operator==(const StatementError&, const StatementError&) = default;
};

// The Problem dialog's two texts, naming the file by its name without the folder:
//   "The statement bank.csv cannot be read.\nLine 7: the amount \"12,x\" is not a number."
//   "- check the decimal symbol chosen for the statement\n- check that the file is a bank statement"
NameProblem StatementProblem(const StatementError& error);

}  // namespace purso
