// purso-tool import's output: an import proposal as JSON, each line with
// the names and dates it refers to, and the statement's accounts and set
// aside lines.
#pragma once

#include <nlohmann/json.hpp>

#include "statement/import_proposal.h"
#include "statement/statement.h"

namespace purso::tool {

using Json = nlohmann::ordered_json;

// "2024-12-31"
std::string IsoDate(const CivilDate& date);

// The proposal: "account", "accounts", "lines", "outsideYears",
// "otherAccountLines", "undated", "allMoneyIn", "chosen".
Json ProposalJson(const CImportProposal& proposal, const Statement& statement);

}  // namespace purso::tool
