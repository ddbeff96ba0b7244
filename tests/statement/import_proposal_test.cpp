// Proposing a statement's transactions: learned categories, predactions near
// in date or new, duplicates, and a second import of an applied statement.
#include "statement/import_proposal.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "data/archive.h"
#include "data/calendar.h"
#include "sample_statements.h"
#include "statement/import_apply.h"
#include "statement/line_description.h"
#include "statement/statement_file.h"
#include "support/ledger_records.h"

namespace purso {
namespace {

using enum PredactionProposal;
using test::MakeLine;
constexpr MoneyDirection kIn = MoneyDirection::kIn;
constexpr MoneyDirection kOut = MoneyDirection::kOut;

std::vector<std::uint8_t> BytesOf(const CAccountBook& book) {
  CArchiveWriter archive;
  EXPECT_TRUE(book.Write(archive));
  return archive.Bytes();
}

struct Expected {
  int year;
  double monthDay;
  double amount;
  MoneyDirection direction;
  std::string description;
  std::optional<std::uint32_t> category;
  PredactionProposal predaction;
  std::uint32_t predactionId;
  bool duplicate;
  bool chosen;
};

class ImportProposalTest : public ::testing::Test {
 protected:
  ImportProposalTest() : book_(test::SampleAccount(ids_)) {}

  // What every sample proposes for the sample account; the line of 1997 is
  // outside the account's years.
  std::vector<Expected> SampleProposal() const {
    return {
        {2024, 203, 500, kOut, "LANDLORD SMITH February rent", ids_.rent, kExisting, ids_.rentFeb, false, true},
        {2024, 226, 2100, kIn, "ACME CORP. Salary Feb", ids_.salary, kExisting, ids_.salaryFeb, false, true},
        {2024, 320, 500, kOut, "Landlord Smith", ids_.rent, kNew, kNoMatch, false, true},  // March 5 is 15 days off
        {2024, 210, 23.45, kOut, "SUPERMART #0815", ids_.groceries, kNone, kNoMatch, false, true},
        {2024, 211, 9.99, kOut, "Caf\xE9 Ol\xE9", std::nullopt, kNone, kNoMatch, false, false},
        {2024, 212, 50, kIn, "Supermart refund; thanks", std::nullopt, kNone, kNoMatch, false, false},
        {2023, 1230, 40, kOut, "PHONE CO", ids_.phone2023, kNew, kNoMatch, false, true},
        {2024, 105, 500, kOut, "Landlord Smith", ids_.rent, kNew, kNoMatch, true, false},
    };
  }

  static void ExpectProposal(const CImportProposal& proposal, const std::vector<Expected>& expected) {
    ASSERT_EQ(proposal.Lines().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      SCOPED_TRACE(i);
      const ProposedLine& line = proposal.Lines()[i];
      const Expected& e = expected[i];
      EXPECT_EQ(line.year, e.year);
      EXPECT_EQ(line.monthDay, e.monthDay);
      EXPECT_DOUBLE_EQ(line.amount, e.amount);
      EXPECT_EQ(line.direction, e.direction);
      EXPECT_EQ(line.description, e.description);
      EXPECT_EQ(line.category, e.category);
      EXPECT_EQ(line.predaction, e.predaction);
      EXPECT_EQ(line.predactionId, e.predactionId);
      EXPECT_EQ(line.duplicate, e.duplicate);
      EXPECT_EQ(line.chosen, e.chosen);
    }
  }

  double Budget(int year, std::uint32_t category) {
    CRecordTable& categories = book_.Ledger(year - CAccountBook::kFirstYear).Categories();
    EXPECT_TRUE(categories.Find(category));
    return categories.GetNumber(category_column::kBudget);
  }

  test::SampleIds ids_;
  CAccountBook book_;
};

TEST_F(ImportProposalTest, EverySampleIsProposedAppliedAndThenFoundAgainAsDuplicates) {
  for (const test::SampleFile& sample : test::SampleFiles()) {
    SCOPED_TRACE(sample.name);
    book_ = test::SampleAccount(ids_);
    const Statement statement = test::ReadSample(sample);
    {
      const CImportProposal proposal(book_, statement);
      ExpectProposal(proposal, SampleProposal());
      ASSERT_EQ(proposal.OutsideYears().size(), 1u);
      EXPECT_EQ(proposal.OutsideYears()[0]->line, sample.lines[7]);
      EXPECT_EQ(proposal.ChosenCount(), 5u);

      const ImportResult result = ApplyImport(book_, proposal);
      EXPECT_EQ(result.status, ImportStatus::kApplied);
      EXPECT_EQ(result.transactions, 5u);
      EXPECT_EQ(result.matched, 2u);
      EXPECT_EQ(result.newPredactions, 2u);
    }
    EXPECT_DOUBLE_EQ(Budget(2024, ids_.rent), 2000);    // 1500 and the new 500 of March 20
    EXPECT_DOUBLE_EQ(Budget(2024, ids_.salary), 4100);  // February's 2000 became 2100
    EXPECT_DOUBLE_EQ(Budget(2023, ids_.phone2023), 40);
    EXPECT_EQ(book_.Ledger(2024 - CAccountBook::kFirstYear).Transactions().GetRowCount(), 6u);

    const CImportProposal again(book_, statement);
    std::vector<bool> duplicates;
    for (const ProposedLine& line : again.Lines()) duplicates.push_back(line.duplicate);
    EXPECT_EQ(duplicates, (std::vector<bool>{true, true, true, true, false, false, true, true}));
    EXPECT_EQ(again.ChosenCount(), 0u);
  }
}

TEST_F(ImportProposalTest, ADroppedProposalLeavesTheAccountByteForByte) {
  const std::vector<std::uint8_t> before = BytesOf(book_);
  {
    const Statement statement = test::ReadSample(test::SampleFiles().front());
    CImportProposal proposal(book_, statement);
    EXPECT_TRUE(proposal.SetCategory(4, ids_.rent));
    EXPECT_TRUE(proposal.Choose(4));
  }
  EXPECT_EQ(BytesOf(book_), before);
  EXPECT_FALSE(book_.IsModified());
}

TEST_F(ImportProposalTest, ChangingACategoryProposesItsPredactionAnew) {
  const Statement statement = test::ReadSample(test::SampleFiles().front());
  CImportProposal proposal(book_, statement);
  EXPECT_EQ(proposal.CategoryChoices(0), (std::vector<std::uint32_t>{ids_.groceries, ids_.rent, ids_.phone}));
  EXPECT_EQ(proposal.CategoryChoices(1), (std::vector<std::uint32_t>{ids_.gift, ids_.salary}));

  EXPECT_FALSE(proposal.SetCategory(4, ids_.salary));  // money out cannot go to an income
  EXPECT_FALSE(proposal.SetCategory(4, 999));
  EXPECT_FALSE(proposal.Choose(4));

  // The February rent is freed by line 0 and goes to the nearest line of
  // February 10, 5 days away.
  ASSERT_TRUE(proposal.SetCategory(0, ids_.groceries));
  EXPECT_EQ(proposal.Lines()[0].predaction, kNone);
  ASSERT_TRUE(proposal.SetCategory(3, ids_.rent));
  EXPECT_EQ(proposal.Lines()[3].predaction, kExisting);
  EXPECT_EQ(proposal.Lines()[3].predactionId, ids_.rentFeb);
  ASSERT_TRUE(proposal.SetCategory(0, ids_.rent));
  EXPECT_EQ(proposal.Lines()[0].predaction, kNew);

  ASSERT_TRUE(proposal.SetCategory(3, std::nullopt));
  EXPECT_FALSE(proposal.Lines()[3].chosen);
  EXPECT_EQ(proposal.Lines()[3].predaction, kNone);
  ASSERT_TRUE(proposal.SetCategory(4, ids_.phone));
  EXPECT_TRUE(proposal.Choose(4));
  EXPECT_EQ(proposal.Lines()[4].predaction, kNew);  // January 20 is 22 days before February 11
}

TEST_F(ImportProposalTest, ARepeatedBankIdIsADuplicateAndAnEmptyLineGetsTodaysDescription) {
  const CFixedClock clock(CivilDate{2024, 3, 7});
  const CScopedClock scoped(clock);
  Statement statement;
  statement.lines = {MakeLine(1, {2024, 2, 1}, -5, "Kiosk"), MakeLine(2, {2024, 2, 2}, -6, "Kiosk"),
                     MakeLine(3, {2024, 2, 3}, -7, "")};
  statement.lines[0].uniqueId = statement.lines[1].uniqueId = "ID1";
  const CImportProposal proposal(book_, statement);
  ASSERT_EQ(proposal.Lines().size(), 3u);
  EXPECT_FALSE(proposal.Lines()[0].duplicate);
  EXPECT_TRUE(proposal.Lines()[1].duplicate);
  EXPECT_EQ(proposal.Lines()[2].description, "added on 03/07");
}

// A first import: a new account learns nothing, so the file's own categories,
// its opening balance and its lines of 0.00 decide.
TEST(ImportProposalFirstTest, TakesTheFilesCategoriesLeavesZeroOutAndOffersTheOpeningBalance) {
  CAccountBook book;
  CYearLedger& year = book.Ledger(2024 - CAccountBook::kFirstYear);
  const std::uint32_t groceries =
      test::AddCategory(year, "Groceries shop", CategoryType::kVarEx, 0, test::AddObject(year, "food"),
                        test::AddFunctionalArea(year, "GROCERIES"));
  const std::uint32_t salary = test::AddCategory(year, "Salary", CategoryType::kVarIn, 0);
  Statement statement;
  StatementError error;
  ASSERT_TRUE(ReadStatement(test::SampleText("cases/opening_balance_and_categories.qif"), StatementFormat::kQif, {},
                            statement, error));

  CImportProposal proposal(book, statement);
  EXPECT_EQ(proposal.OtherAccountLines(), 1u);  // Savings
  ASSERT_EQ(proposal.Lines().size(), 5u);
  const ProposedLine& opening = proposal.Lines()[0];
  EXPECT_EQ(opening.kind, LineKind::kOpeningBalance);
  EXPECT_FALSE(opening.chosen);
  EXPECT_TRUE(proposal.CategoryChoices(0).empty());
  std::vector<std::optional<std::uint32_t>> categories;
  std::vector<bool> chosen;
  for (const ProposedLine& line : proposal.Lines()) categories.push_back(line.category), chosen.push_back(line.chosen);
  EXPECT_EQ(categories,
            (std::vector<std::optional<std::uint32_t>>{std::nullopt, groceries, std::nullopt, salary, std::nullopt}));
  EXPECT_EQ(chosen, (std::vector<bool>{false, true, false, true, false}));  // 0.00 is never chosen by itself

  ASSERT_TRUE(proposal.Choose(0));
  const ImportResult result = ApplyImport(book, proposal);
  EXPECT_TRUE(result.openingBalance);
  EXPECT_EQ(result.transactions, 2u);
  EXPECT_DOUBLE_EQ(year.GetOpeningBalance(), 1211.45);
  EXPECT_TRUE(CImportProposal(book, statement).Lines()[0].duplicate);
}

TEST_F(ImportProposalTest, ALongPayeeIsKnownByTheStartOfItThatADescriptionKept) {
  CYearLedger& year = book_.Ledger(2024 - CAccountBook::kFirstYear);
  const std::string booking =
      "Abbuchung Onlinebanking BG/000002462 Thematische Universitaet Stadt Semesterbeitrag Sommer";
  test::AddTransaction(year, 110, ids_.phone, 18, StatementDescription(booking, ""));
  test::AddTransaction(year, 111, ids_.groceries, 7, "Amazon");
  Statement statement;
  statement.lines = {MakeLine(1, {2024, 4, 2}, -18, booking), MakeLine(2, {2024, 4, 3}, -9, "AMAZON MKTPLACE PMTS")};
  const CImportProposal proposal(book_, statement);
  EXPECT_EQ(proposal.Lines()[0].category, ids_.phone);
  EXPECT_EQ(proposal.Lines()[1].category, ids_.groceries);
}

TEST_F(ImportProposalTest, OneAccountAtATimeTheBusiestFirstAndAllMoneyInIsSaid) {
  Statement statement;
  statement.accounts = {{"bank", StatementAccountKind::kBank}, {"card", StatementAccountKind::kCard}};
  statement.lines = {MakeLine(1, {2024, 4, 2}, 5, "Refund"), MakeLine(2, {2024, 4, 3}, 9, "Refund"),
                     MakeLine(3, {2024, 4, 4}, -9, "Shop")};
  statement.lines[2].account = 1;
  const CImportProposal busiest(book_, statement);
  EXPECT_EQ(busiest.Account(), 0u);
  EXPECT_EQ(busiest.Lines().size(), 2u);
  EXPECT_EQ(busiest.OtherAccountLines(), 1u);
  EXPECT_TRUE(busiest.AllMoneyIn());
  const CImportProposal card(book_, statement, 1);
  EXPECT_EQ(card.Lines().size(), 1u);
  EXPECT_FALSE(card.AllMoneyIn());
}

}  // namespace
}  // namespace purso
