#include "purso_tool/proposal_json.h"

#include <cstdio>
#include <unordered_map>

#include "data/account_text.h"
#include "statement/ledger_categories.h"

namespace purso::tool {
namespace {

std::string MonthDayIsoDate(int year, double monthDay) {
  const int n = monthDay >= 0.0 && monthDay < 10000.0 ? static_cast<int>(monthDay) : 0;
  return IsoDate(CivilDate{year, n / 100, n % 100});
}

Json AccountJson(const StatementAccount& account, std::size_t lines) {
  return {{"id", account.id}, {"kind", AccountKindName(account.kind)}, {"lines", lines}};
}

// Proposed lines as JSON, with the names and dates they refer to.
class CProposalJson {
 public:
  explicit CProposalJson(const CImportProposal& proposal) : proposal_(proposal) {}

  Json Line(const ProposedLine& line) {
    const CYearLedger& ledger = proposal_.Book().Ledger(line.year - CAccountBook::kFirstYear);
    Json json;
    json["line"] = line.source->line;
    json["kind"] = line.kind == LineKind::kOpeningBalance ? "openingBalance" : "transaction";
    json["date"] = IsoDate(line.source->date);
    json["amount"] = line.amount;
    json["direction"] = line.direction == MoneyDirection::kIn ? "in" : "out";
    json["payee"] = line.source->payee;
    json["memo"] = line.source->memo;
    json["description"] = AccountTextToUtf8(line.description);
    json["category"] = nullptr;
    if (line.category) {
      const CategoryFacts* category = Categories(line.year).Find(*line.category);
      json["category"] = {{"id", *line.category},
                          {"name", AccountTextToUtf8(category->name)},
                          {"type", std::string(CategoryTypeText(category->type))}};
    }
    json["predaction"] = nullptr;
    if (line.predaction == PredactionProposal::kNew) json["predaction"] = {{"proposal", "new"}};
    if (line.predaction == PredactionProposal::kExisting) {
      const std::uint32_t row = PredactionRows(line.year).at(line.predactionId);
      json["predaction"] = {
          {"proposal", "existing"},
          {"id", line.predactionId},
          {"date", MonthDayIsoDate(line.year, ledger.Predactions().NumberAt(row, predaction_column::kDate))},
          {"amount", ledger.Predactions().NumberAt(row, predaction_column::kAmount)}};
    }
    json["duplicate"] = line.duplicate;
    json["chosen"] = line.chosen;
    return json;
  }

 private:
  const CLedgerCategories& Categories(int year) {
    auto found = categories_.find(year);
    if (found == categories_.end()) {
      found = categories_.try_emplace(year, proposal_.Book().Ledger(year - CAccountBook::kFirstYear)).first;
    }
    return found->second;
  }

  const std::unordered_map<std::uint32_t, std::uint32_t>& PredactionRows(int year) {
    auto [rows, made] = predactionRows_.try_emplace(year);
    if (made) {
      const CRecordTable& table = proposal_.Book().Ledger(year - CAccountBook::kFirstYear).Predactions();
      for (std::uint32_t i = 0; i < table.GetRowCount(); ++i) rows->second.emplace(table.RowIdAt(i), i);
    }
    return rows->second;
  }

  const CImportProposal& proposal_;
  std::unordered_map<int, CLedgerCategories> categories_;
  std::unordered_map<int, std::unordered_map<std::uint32_t, std::uint32_t>> predactionRows_;
};

}  // namespace

std::string IsoDate(const CivilDate& date) {
  char text[48];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

Json ProposalJson(const CImportProposal& proposal, const Statement& statement) {
  Json json;
  const std::vector<std::size_t> counts = statement.LinesPerAccount();
  json["account"] = nullptr;
  json["accounts"] = Json::array();
  for (std::size_t i = 0; i < statement.accounts.size(); ++i) {
    json["accounts"].push_back(AccountJson(statement.accounts[i], counts[i]));
    if (i == proposal.Account()) json["account"] = statement.accounts[i].id;
  }
  CProposalJson lines(proposal);
  json["lines"] = Json::array();
  for (const ProposedLine& line : proposal.Lines()) json["lines"].push_back(lines.Line(line));
  Json outside = Json::array();
  for (const StatementLine* line : proposal.OutsideYears()) {
    outside.push_back({{"line", line->line},
                       {"date", IsoDate(line->date)},
                       {"amount", line->amount},
                       {"payee", line->payee},
                       {"memo", line->memo}});
  }
  json["outsideYears"] = {{"count", outside.size()}, {"lines", std::move(outside)}};
  json["undated"] = {{"count", statement.undated.size()}, {"lines", statement.undated}};
  json["otherAccountLines"] = proposal.OtherAccountLines();
  json["allMoneyIn"] = proposal.AllMoneyIn();
  json["chosen"] = proposal.ChosenCount();
  return json;
}

}  // namespace purso::tool
