// Why a statement cannot be read, and the texts the program shows for it.
//
// A reader that refuses a file says which file, which line and what it found
// there; StatementProblem turns that into the problem and suggestion texts of
// the Problem dialog, in the program's own wording. Nothing of a refused
// statement is imported. A field quoted in a refusal is cut to
// kMaxQuotedLength characters (FieldExcerpt), so that a hostile file's
// megabyte of digits never becomes a megabyte of message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "text/name_rules.h"

namespace purso {

enum class StatementErrorKind {
  kCannotOpen,       // the file cannot be opened or read; no line
  kNotAFile,         // a folder, a pipe or a device; no line; detail: what it is ("a folder")
  kTooLarge,         // larger than a statement can be; no line; detail: the limit ("32 MB")
  kTooManyLines,     // more transactions than an import takes; detail: the limit
  kCancelled,        // the user stopped the reading; shown to no one
  kNotAStatement,    // not a statement in the chosen format; detail: the format's name
  kUnsupportedType,  // a QIF section that holds no bank transactions; detail: its type
  kMissingColumn,    // a CSV column the mapping names is not there; detail: the column
  kMissingElement,   // an OFX element the file cannot do without; detail: its name
  kNoDate,           // a transaction without a date
  kNoAmount,         // a transaction without an amount
  kBadDate,          // detail: the date as written
  kBadAmount,        // detail: the amount as written
  kAmountTooBig,     // detail: the amount as written
  kBadDirection,     // detail: the word of a direction column that is neither in nor out
  kNestedTooDeep,    // OFX elements nested deeper than the reader goes; detail: the limit
  kValueTooLong,     // an OFX value longer than any bank writes; detail: its element's name
};

struct StatementError {
  std::string file;        // the statement's path, as the caller gave it
  std::uint32_t line = 0;  // from 1; 0 when the fault is not on one line
  StatementErrorKind kind = StatementErrorKind::kCannotOpen;
  std::string detail;  // UTF-8, at most kMaxQuotedLength characters and "..."

  friend bool operator==(const StatementError&, const StatementError&) = default;
};

// The most characters of a file's field a message quotes.
inline constexpr std::size_t kMaxQuotedLength = 80;

// The field as a message quotes it: whole when it has at most
// kMaxQuotedLength characters, else its first ones and "...". Takes and
// gives UTF-8 and never cuts a character in two.
std::string FieldExcerpt(std::string_view utf8);

// Sets error's line, kind and the excerpt of detail; gives false, so that a
// reader can end with `return Refuse(...)`.
bool Refuse(StatementError& error, std::uint32_t line, StatementErrorKind kind, std::string_view detail = {});

// The Problem dialog's two texts, naming the file by its name without the folder:
//   "The statement bank.csv cannot be read.\nLine 7: the amount \"12,x\" is not a number."
//   "- check the decimal symbol chosen for the statement\n- check that the file is a bank statement"
NameProblem StatementProblem(const StatementError& error);

// The same texts in the user's language (data/translation.h), as account
// text, for the program's dialogs.
NameProblem StatementProblemText(const StatementError& error);

}  // namespace purso
