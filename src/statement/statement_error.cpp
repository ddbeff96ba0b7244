#include "statement/statement_error.h"

#include <filesystem>

#include "data/account_text.h"
#include "data/translation.h"
#include "resources/translatable.h"

namespace purso {
namespace {

constexpr std::string_view kCheckStatement = PURSO_TEXT("StatementError", "- check that the file is a bank statement");

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string AccountTextLines(std::string_view utf8) {
  std::string text;
  for (std::size_t start = 0;;) {
    const std::size_t end = utf8.find('\n', start);
    text += Utf8ToAccountText(utf8.substr(start, end - start));
    if (end == std::string_view::npos) return text;
    text += '\n';
    start = end + 1;
  }
}

}  // namespace

std::string FieldExcerpt(std::string_view utf8) {
  std::size_t at = 0;
  for (std::size_t characters = 0; at < utf8.size(); ++characters) {
    if (characters == kMaxQuotedLength) return std::string(utf8.substr(0, at)) + "...";
    ++at;
    while (at < utf8.size() && IsContinuationByte(utf8[at])) ++at;
  }
  return std::string(utf8);
}

bool Refuse(StatementError& error, std::uint32_t line, StatementErrorKind kind, std::string_view detail) {
  error.line = line;
  error.kind = kind;
  error.detail = FieldExcerpt(detail);
  return false;
}

namespace {

// How the texts of a message are made: Text gives a marked text in the
// words of the message's reader, Value a value from the file (UTF-8) in the
// same encoding.
struct Wording {
  std::string (*text)(std::string_view marked);
  std::string (*value)(std::string_view utf8);
};

std::string AsWritten(std::string_view text) { return std::string(text); }
std::string Translated(std::string_view marked) { return Translate("StatementError", marked); }

constexpr Wording kProgramEnglish{&AsWritten, &AsWritten};
constexpr Wording kUserLanguage{&Translated, &AccountTextLines};

// The detail as the message names it: a kind of file, or a required column
// the mapping left unnamed, is one of the program's words; anything else is
// a part of the file or of the mapping.
std::string DetailOf(const StatementError& error, const Wording& wording) {
  const bool word =
      error.kind == StatementErrorKind::kNotAFile ||
      (error.kind == StatementErrorKind::kMissingColumn && (error.detail == "Date" || error.detail == "Amount"));
  return word ? wording.text(error.detail) : wording.value(error.detail);
}

NameProblem Compose(const StatementError& error, const Wording& w) {
  const std::string name = w.value(std::filesystem::path(error.file).filename().string());
  const std::string detail = DetailOf(error, w);
  const std::string check = w.text(kCheckStatement);
  const auto lines = [&w](std::string first, std::string_view second) { return first + "\n" + w.text(second); };
  switch (error.kind) {
    case StatementErrorKind::kCannotOpen:
    case StatementErrorKind::kCancelled:
      return {Filled(w.text(PURSO_TEXT("StatementError", "The statement %1 cannot be opened.")), {name}),
              w.text(PURSO_TEXT("StatementError", "- check that the file exists\n- check that you may read it"))};
    case StatementErrorKind::kNotAFile:
      return {Filled(w.text(PURSO_TEXT("StatementError", "The statement %1 cannot be read.\nIt is %2, not a file.")),
                     {name, detail}),
              w.text(PURSO_TEXT("StatementError", "- choose the file the bank wrote"))};
    case StatementErrorKind::kTooLarge:
      return {Filled(w.text(PURSO_TEXT("StatementError",
                                       "The statement %1 cannot be read.\nIt is larger than %2, which no bank "
                                       "statement is.")),
                     {name, detail}),
              lines(check, PURSO_TEXT("StatementError", "- export a shorter period from the bank"))};
    default:
      break;
  }
  std::string problem = Filled(w.text(PURSO_TEXT("StatementError", "The statement %1 cannot be read.\nLine %2: ")),
                               {name, std::to_string(error.line)});
  const auto found = [&](std::string_view marked) { problem += Filled(w.text(marked), {detail}); };
  const std::string_view complete = PURSO_TEXT("StatementError", "- check that the file is complete");
  std::string suggestion;
  switch (error.kind) {
    case StatementErrorKind::kNotAStatement:
      found(PURSO_TEXT("StatementError", "this is not a bank statement in the %1 format."));
      suggestion = lines(check, PURSO_TEXT("StatementError", "- choose the format the bank wrote it in"));
      break;
    case StatementErrorKind::kUnsupportedType:
      found(PURSO_TEXT("StatementError", "the QIF type \"%1\" holds no bank transactions."));
      suggestion =
          w.text(PURSO_TEXT("StatementError", "- export the transactions of a bank, cash or credit card account"));
      break;
    case StatementErrorKind::kMissingColumn:
      found(PURSO_TEXT("StatementError", "the column \"%1\" is missing."));
      suggestion = lines(w.text(PURSO_TEXT("StatementError", "- check the columns chosen for the statement")),
                         PURSO_TEXT("StatementError", "- check the field separator"));
      break;
    case StatementErrorKind::kMissingElement:
      found(PURSO_TEXT("StatementError", "the element <%1> is missing."));
      suggestion = lines(check, complete);
      break;
    case StatementErrorKind::kNoDate:
      found(PURSO_TEXT("StatementError", "the transaction has no date."));
      suggestion = lines(check, complete);
      break;
    case StatementErrorKind::kNoAmount:
      found(PURSO_TEXT("StatementError", "the transaction has no amount."));
      suggestion = lines(check, complete);
      break;
    case StatementErrorKind::kBadDate:
      found(PURSO_TEXT("StatementError", "the date \"%1\" is not a date."));
      suggestion =
          w.text(PURSO_TEXT("StatementError", "- check the date order chosen for the statement")) + "\n" + check;
      break;
    case StatementErrorKind::kBadAmount:
      found(PURSO_TEXT("StatementError", "the amount \"%1\" is not a number."));
      suggestion =
          w.text(PURSO_TEXT("StatementError", "- check the decimal symbol chosen for the statement")) + "\n" + check;
      break;
    case StatementErrorKind::kAmountTooBig:
      found(PURSO_TEXT("StatementError", "the amount \"%1\" is too big."));
      suggestion = lines(w.text(PURSO_TEXT("StatementError", "- check the decimal symbol chosen for the statement")),
                         PURSO_TEXT("StatementError", "- amounts above 999999999 cannot be imported"));
      break;
    case StatementErrorKind::kBadDirection:
      found(PURSO_TEXT("StatementError", "the direction \"%1\" is neither money in nor money out."));
      suggestion =
          w.text(PURSO_TEXT("StatementError", "- check the direction column chosen for the statement")) + "\n" + check;
      break;
    case StatementErrorKind::kNestedTooDeep:
      found(PURSO_TEXT("StatementError", "the elements are nested more than %1 deep."));
      suggestion = lines(check, PURSO_TEXT("StatementError", "- a bank's statement never nests its elements so deep"));
      break;
    case StatementErrorKind::kValueTooLong:
      found(PURSO_TEXT("StatementError", "the element <%1> holds more text than a statement can."));
      suggestion = lines(check, PURSO_TEXT("StatementError", "- a bank's statement never holds so long a value"));
      break;
    case StatementErrorKind::kTooManyLines:
      found(PURSO_TEXT("StatementError", "the statement holds more than %1 transactions."));
      suggestion = lines(w.text(PURSO_TEXT("StatementError", "- export a shorter period from the bank")),
                         PURSO_TEXT("StatementError", "- import it in parts"));
      break;
    case StatementErrorKind::kCannotOpen:
    case StatementErrorKind::kNotAFile:
    case StatementErrorKind::kTooLarge:
    case StatementErrorKind::kCancelled:
      break;
  }
  return {std::move(problem), std::move(suggestion)};
}

}  // namespace

NameProblem StatementProblem(const StatementError& error) { return Compose(error, kProgramEnglish); }

NameProblem StatementProblemText(const StatementError& error) { return Compose(error, kUserLanguage); }

}  // namespace purso
