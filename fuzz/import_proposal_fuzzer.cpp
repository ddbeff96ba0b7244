// Reads a fuzzed QIF, CSV or OFX statement (byte 0, bit 0: CSV, else bit
// 1: OFX; byte 1: the reader's options, as statement_input.h reads them;
// then the file), and proposes it for the filled sample account. Beyond what the sanitizers
// catch, every input is checked for what the Import dialog relies on:
// - proposing changes nothing in the account;
// - every line lies in the account's years or is set aside, has a valid
//   description, a category (if any) that takes money its way, and a
//   predaction exactly when its category is fixed, an existing one being an
//   unmatched predaction of that category that no other line holds;
// - the same holds after categories are changed and lines chosen;
// - applying adds one transaction per chosen line, and proposing the same
//   statement again finds each of them as a duplicate.
#include <cstddef>
#include <cstdint>
#include <map>
#include <unordered_set>
#include <vector>

#include "calc/matching.h"
#include "data/account_book.h"
#include "data/archive.h"
#include "sample_account.h"
#include "statement/import_apply.h"
#include "statement/import_proposal.h"
#include "statement/ledger_categories.h"
#include "statement/ofx_statement_reader.h"
#include "statement_checks.h"
#include "statement_input.h"
#include "text/description_rules.h"

namespace {

using purso::fuzzing::Require;
using Bytes = std::vector<std::uint8_t>;

Bytes Stored(const purso::CAccountBook& book) {
  purso::CArchiveWriter writer;
  Require(book.Write(writer), "a book did not store");
  return writer.TakeBytes();
}

void CheckProposal(const purso::CAccountBook& book, const purso::Statement& statement,
                   const purso::CImportProposal& proposal) {
  using purso::PredactionProposal;
  Require(
      proposal.Lines().size() + proposal.OutsideYears().size() + proposal.OtherAccountLines() == statement.lines.size(),
      "a line went missing");
  std::map<int, purso::CLedgerCategories> categories;
  std::map<int, std::unordered_set<std::uint32_t>> heldByYear;
  for (const purso::ProposedLine& line : proposal.Lines()) {
    const int index = line.year - purso::CAccountBook::kFirstYear;
    Require(index >= 0 && index < purso::CAccountBook::kYearCount, "a line outside the account's years");
    const purso::CYearLedger& ledger = book.Ledger(index);
    Require(!line.description.empty() && !purso::CheckDescription(line.description), "a description is not valid");
    Require(!line.chosen || line.category.has_value() || line.kind == purso::LineKind::kOpeningBalance,
            "a chosen line has no category");
    const purso::CLedgerCategories& known = categories.try_emplace(line.year, ledger).first->second;
    bool fixed = false;
    if (line.category) {
      const purso::CategoryFacts* category = known.Find(*line.category);
      Require(category != nullptr && purso::TakesMoney(category->type, line.direction), "a category does not fit");
      fixed = purso::IsFixed(category->type);
    }
    Require(fixed == (line.predaction != PredactionProposal::kNone), "a predaction for the wrong kind of category");
    if (line.predaction != PredactionProposal::kExisting) continue;
    Require(heldByYear[line.year].insert(line.predactionId).second, "a predaction is proposed twice");
    Require(!purso::IsPredactionMatched(ledger, line.predactionId), "a matched predaction is proposed");
    const std::vector<purso::UnmatchedPredaction> free = purso::UnmatchedPredactions(ledger, *line.category);
    bool found = false;
    for (const purso::UnmatchedPredaction& p : free) found = found || p.id == line.predactionId;
    Require(found, "a proposed predaction is not one of the category's");
  }
}

// The transactions (no opening balances) that are duplicates, or chosen.
std::size_t Duplicates(const purso::CImportProposal& proposal) {
  std::size_t count = 0;
  for (const purso::ProposedLine& line : proposal.Lines()) {
    count += line.duplicate && line.kind == purso::LineKind::kTransaction ? 1 : 0;
  }
  return count;
}

std::size_t ChosenTransactions(const purso::CImportProposal& proposal) {
  std::size_t count = 0;
  for (const purso::ProposedLine& line : proposal.Lines()) {
    count += line.chosen && line.kind == purso::LineKind::kTransaction ? 1 : 0;
  }
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  static const purso::CFixedClock clock(purso::CivilDate{2024, 6, 15});
  static const purso::CScopedClock scoped(clock);
  static const purso::CAccountBook kBook = purso::fuzzing::FilledAccount();
  static const Bytes kBookBytes = Stored(kBook);

  purso::Statement statement;
  purso::StatementError error;
  const std::string text = purso::fuzzing::Utf8AfterFirstByte(data + 1, size - 1);
  const bool read =
      (data[0] & 1) != 0   ? purso::ReadCsvStatement(text, purso::fuzzing::CsvMappingFrom(data[1]), statement, error)
      : (data[0] & 2) != 0 ? purso::ReadOfxStatement(text, statement, error)
                           : purso::ReadQifStatement(text, purso::fuzzing::QifOptionsFrom(data[1]), statement, error);
  if (!read) return 0;

  purso::CAccountBook book = kBook;
  std::size_t chosen = 0;
  std::size_t duplicates = 0;
  {
    purso::CImportProposal proposal(book, statement);
    CheckProposal(book, statement, proposal);
    for (const purso::ProposedLine& line : proposal.Lines()) {
      Require(!line.chosen || (line.amount != 0.0 && line.kind == purso::LineKind::kTransaction),
              "a line of 0.00 or an opening balance is proposed chosen");
    }
    // The user's changes, chosen by the input's bytes.
    for (std::size_t i = 0; i < proposal.Lines().size() && i < 64; ++i) {
      const std::uint8_t byte = data[(i * 7 + 3) % size];
      const std::vector<std::uint32_t> choices = proposal.CategoryChoices(i);
      if ((byte & 1) != 0 && !choices.empty()) {
        Require(proposal.SetCategory(i, choices[byte % choices.size()]), "a category choice was refused");
      }
      if ((byte & 6) == 6) proposal.SetCategory(i, std::nullopt);
      if ((byte & 8) != 0 && !proposal.Lines()[i].duplicate) proposal.Choose(i);
      if ((byte & 16) != 0) proposal.LeaveOut(i);
    }
    CheckProposal(book, statement, proposal);
    Require(Stored(book) == kBookBytes, "a proposal changed the account");

    chosen = ChosenTransactions(proposal);
    duplicates = Duplicates(proposal);
    const purso::ImportResult result = purso::ApplyImport(book, proposal);
    Require(result.status == purso::ImportStatus::kApplied, "a fitting proposal was not applied");
    Require(result.transactions == chosen, "not every chosen line was added");
  }
  const purso::CImportProposal again(book, statement);
  Require(Duplicates(again) == duplicates + chosen, "an applied line is not found again");
  return 0;
}
