#include "statement/statement_error.h"

#include <filesystem>
#include <string_view>

namespace purso {
namespace {

constexpr std::string_view kCheckStatement = "- check that the file is a bank statement";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

}  // namespace

NameProblem StatementProblem(const StatementError& error) {
  const std::string name = std::filesystem::path(error.file).filename().string();
  if (error.kind == StatementErrorKind::kCannotOpen) {
    return {"The statement " + name + " cannot be opened.",
            "- check that the file exists\n- check that you may read it"};
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
    case StatementErrorKind::kCannotOpen:
      break;
  }
  return {std::move(problem), std::move(suggestion)};
}

}  // namespace purso
