#include "statement/statement_error.h"

#include <filesystem>

#include "data/account_text.h"

namespace purso {
namespace {

constexpr std::string_view kCheckStatement = "- check that the file is a bank statement";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

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

NameProblem StatementProblem(const StatementError& error) {
  const std::string name = std::filesystem::path(error.file).filename().string();
  switch (error.kind) {
    case StatementErrorKind::kCannotOpen:
    case StatementErrorKind::kCancelled:
      return {"The statement " + name + " cannot be opened.",
              "- check that the file exists\n- check that you may read it"};
    case StatementErrorKind::kNotAFile:
      return {"The statement " + name + " cannot be read.\nIt is " + error.detail + ", not a file.",
              "- choose the file the bank wrote"};
    case StatementErrorKind::kTooLarge:
      return {"The statement " + name + " cannot be read.\nIt is larger than " + error.detail +
                  ", which no bank statement is.",
              std::string(kCheckStatement) + "\n- export a shorter period from the bank"};
    default:
      break;
  }
  std::string problem = "The statement " + name + " cannot be read.\nLine " + std::to_string(error.line) + ": ";
  std::string suggestion;
  switch (error.kind) {
    case StatementErrorKind::kNotAStatement:
      problem += "this is not a bank statement in the " + error.detail + " format.";
      suggestion = std::string(kCheckStatement) + "\n- choose the format the bank wrote it in";
      break;
    case StatementErrorKind::kUnsupportedType:
      problem += "the QIF type " + Quoted(error.detail) + " holds no bank transactions.";
      suggestion = "- export the transactions of a bank, cash or credit card account";
      break;
    case StatementErrorKind::kMissingColumn:
      problem += "the column " + Quoted(error.detail) + " is missing.";
      suggestion = "- check the columns chosen for the statement\n- check the field separator";
      break;
    case StatementErrorKind::kMissingElement:
      problem += "the element <" + error.detail + "> is missing.";
      suggestion = std::string(kCheckStatement) + "\n- check that the file is complete";
      break;
    case StatementErrorKind::kNoDate:
      problem += "the transaction has no date.";
      suggestion = std::string(kCheckStatement) + "\n- check that the file is complete";
      break;
    case StatementErrorKind::kNoAmount:
      problem += "the transaction has no amount.";
      suggestion = std::string(kCheckStatement) + "\n- check that the file is complete";
      break;
    case StatementErrorKind::kBadDate:
      problem += "the date " + Quoted(error.detail) + " is not a date.";
      suggestion = "- check the date order chosen for the statement\n" + std::string(kCheckStatement);
      break;
    case StatementErrorKind::kBadAmount:
      problem += "the amount " + Quoted(error.detail) + " is not a number.";
      suggestion = "- check the decimal symbol chosen for the statement\n" + std::string(kCheckStatement);
      break;
    case StatementErrorKind::kAmountTooBig:
      problem += "the amount " + Quoted(error.detail) + " is too big.";
      suggestion = "- check the decimal symbol chosen for the statement\n- amounts above 999999999 cannot be imported";
      break;
    case StatementErrorKind::kBadDirection:
      problem += "the direction " + Quoted(error.detail) + " is neither money in nor money out.";
      suggestion = "- check the direction column chosen for the statement\n" + std::string(kCheckStatement);
      break;
    case StatementErrorKind::kNestedTooDeep:
      problem += "the elements are nested more than " + error.detail + " deep.";
      suggestion = std::string(kCheckStatement) + "\n- a bank's statement never nests its elements so deep";
      break;
    case StatementErrorKind::kValueTooLong:
      problem += "the element <" + error.detail + "> holds more text than a statement can.";
      suggestion = std::string(kCheckStatement) + "\n- a bank's statement never holds so long a value";
      break;
    case StatementErrorKind::kTooManyLines:
      problem += "the statement holds more than " + error.detail + " transactions.";
      suggestion = "- export a shorter period from the bank\n- import it in parts";
      break;
    case StatementErrorKind::kCannotOpen:
    case StatementErrorKind::kNotAFile:
    case StatementErrorKind::kTooLarge:
    case StatementErrorKind::kCancelled:
      break;
  }
  return {std::move(problem), std::move(suggestion)};
}

NameProblem StatementProblemText(const StatementError& error) {
  const NameProblem problem = StatementProblem(error);
  return {AccountTextLines(problem.problem), AccountTextLines(problem.suggestion)};
}

}  // namespace purso
