#include "statement/import_proposal.h"

#include <cmath>
#include <unordered_set>

#include "data/account_text.h"
#include "statement/category_learner.h"
#include "statement/duplicate_finder.h"
#include "statement/ledger_categories.h"
#include "statement/line_description.h"
#include "statement/predaction_pool.h"
#include "statement/read_progress.h"
#include "text/description_rules.h"

namespace purso {

struct CImportProposal::YearState {
  explicit YearState(const CYearLedger& yearLedger)
      : ledger(yearLedger),
        categories(yearLedger),
        learner(yearLedger, categories),
        duplicates(yearLedger, categories),
        pool(yearLedger) {}

  const CYearLedger& ledger;
  CLedgerCategories categories;
  CCategoryLearner learner;
  CDuplicateFinder duplicates;
  CPredactionPool pool;
};

namespace {

// What a line needs to be chosen without the user: a category, and neither
// a duplicate nor a line of 0.00.
bool ReadyToChoose(const ProposedLine& line) {
  return line.category.has_value() && !line.duplicate && line.amount != 0.0;
}

bool InAccountYears(int year) {
  return year >= CAccountBook::kFirstYear && year < CAccountBook::kFirstYear + CAccountBook::kYearCount;
}

double SignedAmount(const ProposedLine& line) {
  return line.direction == MoneyDirection::kIn ? line.amount : -line.amount;
}

}  // namespace

CImportProposal::CImportProposal(const CAccountBook& book, const Statement& statement)
    : CImportProposal(book, statement, statement.BusiestAccount()) {}

CImportProposal::CImportProposal(const CAccountBook& book, const Statement& statement, std::uint32_t account,
                                 CTaskProgress* progress)
    : book_(book), account_(account) {
  std::unordered_set<std::string> bankIds;
  lines_.reserve(statement.lines.size());
  std::size_t count = 0;
  for (const StatementLine& source : statement.lines) {
    ++count;
    if (!GoOnReading(progress, count, count, statement.lines.size())) return;
    if (source.account != account) {
      ++otherAccountLines_;
      continue;
    }
    if (!InAccountYears(source.date.year)) {
      outside_.push_back(&source);
      continue;
    }
    ProposedLine line;
    line.source = &source;
    line.year = source.date.year;
    line.monthDay = source.date.month * 100 + source.date.day;
    line.amount = std::fabs(source.amount);
    line.direction = source.Direction();
    line.kind = source.kind;
    line.description = StatementDescription(source.payee, source.memo);
    if (line.description.empty()) line.description = AutomaticDescription(book.Settings(), DescriptionEvent::kAdded);

    YearState& year = StateOf(line.year);
    if (line.kind == LineKind::kOpeningBalance) {
      line.duplicate = std::fabs(year.ledger.GetOpeningBalance() - SignedAmount(line)) < 0.00005;
    } else {
      const bool idSeen = !source.uniqueId.empty() && !bankIds.insert(source.uniqueId).second;
      line.duplicate = idSeen || year.duplicates.Claim(line.monthDay, line.amount, line.description, line.direction);
      ProposeCategory(line, year);
    }
    lines_.push_back(std::move(line));
  }
  // The lines to be imported have the first claim on the predactions.
  for (const bool duplicates : {false, true}) {
    for (ProposedLine& line : lines_) {
      if (line.duplicate == duplicates) ProposePredaction(line);
    }
  }
  for (ProposedLine& line : lines_) line.chosen = ReadyToChoose(line);
}

CImportProposal::~CImportProposal() = default;

CImportProposal::YearState& CImportProposal::StateOf(int year) const {
  std::unique_ptr<YearState>& state = years_[year];
  if (!state) state = std::make_unique<YearState>(book_.Ledger(year - CAccountBook::kFirstYear));
  return *state;
}

void CImportProposal::ProposeCategory(ProposedLine& line, YearState& year) {
  const StatementLine& source = *line.source;
  const auto fitting = [&line, &year](std::optional<std::uint32_t> category) {
    return category && TakesMoney(year.categories.Find(*category)->type, line.direction) ? category : std::nullopt;
  };
  const std::string key = PayeeKey(Utf8ToAccountText(source.payee.empty() ? source.memo : source.payee));
  line.category = year.learner.Learned(key, line.direction);
  if (!line.category && InAccountYears(line.year - 1)) {
    const YearState& before = StateOf(line.year - 1);
    if (const std::optional<std::uint32_t> earlier = before.learner.Learned(key, line.direction)) {
      line.category = fitting(year.categories.Named(before.categories.Find(*earlier)->name));
    }
  }
  if (!line.category && !source.category.empty()) {
    // The statement's own category: by its name, or by its two parts.
    const std::string named = Utf8ToAccountText(source.category);
    line.category = fitting(year.categories.Named(named));
    const std::size_t colon = named.find(':');
    if (!line.category && colon != std::string::npos) {
      line.category = fitting(year.categories.OfParts(named.substr(0, colon), named.substr(colon + 1)));
    }
  }
}

void CImportProposal::ProposePredaction(ProposedLine& line) {
  YearState& year = StateOf(line.year);
  if (line.predaction == PredactionProposal::kExisting) year.pool.GiveBack(line.predactionId);
  line.predaction = PredactionProposal::kNone;
  line.predactionId = kNoMatch;
  if (!line.category) return;
  const CategoryFacts* category = year.categories.Find(*line.category);
  if (category == nullptr || !IsFixed(category->type)) return;
  const std::optional<std::uint32_t> nearest = year.pool.Take(*line.category, line.monthDay);
  line.predaction = nearest ? PredactionProposal::kExisting : PredactionProposal::kNew;
  line.predactionId = nearest.value_or(kNoMatch);
}

std::size_t CImportProposal::ChosenCount() const {
  std::size_t count = 0;
  for (const ProposedLine& line : lines_) count += line.chosen ? 1 : 0;
  return count;
}

bool CImportProposal::AllMoneyIn() const {
  std::size_t transactions = 0;
  for (const ProposedLine& line : lines_) {
    if (line.kind != LineKind::kTransaction) continue;
    if (line.direction == MoneyDirection::kOut) return false;
    ++transactions;
  }
  return transactions >= 2;
}

std::vector<std::uint32_t> CImportProposal::CategoryChoices(std::size_t line) const {
  if (line >= lines_.size() || lines_[line].kind != LineKind::kTransaction) return {};
  return StateOf(lines_[line].year).categories.Taking(lines_[line].direction);
}

std::optional<std::uint32_t> CImportProposal::CategoryNamed(std::size_t line, std::string_view name) const {
  if (line >= lines_.size() || lines_[line].kind != LineKind::kTransaction) return std::nullopt;
  const CLedgerCategories& categories = StateOf(lines_[line].year).categories;
  const std::optional<std::uint32_t> named = categories.Named(name);
  if (!named || !TakesMoney(categories.Find(*named)->type, lines_[line].direction)) return std::nullopt;
  return named;
}

bool CImportProposal::SetCategory(std::size_t line, std::optional<std::uint32_t> category) {
  if (line >= lines_.size() || lines_[line].kind != LineKind::kTransaction) return false;
  ProposedLine& proposed = lines_[line];
  if (category) {
    const CategoryFacts* facts = StateOf(proposed.year).categories.Find(*category);
    if (facts == nullptr || !TakesMoney(facts->type, proposed.direction)) return false;
  }
  proposed.category = category;
  ProposePredaction(proposed);
  if (!category) proposed.chosen = false;
  return true;
}

bool CImportProposal::Choose(std::size_t line) {
  if (line >= lines_.size()) return false;
  if (lines_[line].kind == LineKind::kTransaction && !lines_[line].category) return false;
  lines_[line].chosen = true;
  return true;
}

bool CImportProposal::ChooseIfReady(std::size_t line) {
  return line < lines_.size() && ReadyToChoose(lines_[line]) && Choose(line);
}

void CImportProposal::LeaveOut(std::size_t line) {
  if (line < lines_.size()) lines_[line].chosen = false;
}

}  // namespace purso
