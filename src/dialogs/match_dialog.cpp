#include "dialogs/match_dialog.h"

#include <string>
#include <unordered_set>
#include <vector>

#include "calc/matching.h"
#include "data/translation.h"
#include "resources/match_dialog_resource.h"
#include "text/amount_text.h"
#include "text/date_text.h"
#include "text/list_layouts.h"
#include "text/list_row.h"

namespace purso {
namespace {

namespace ids = match_dialog;

std::string RowText(const CDisplaySettings& settings, const UnmatchedPredaction& predaction, MoneyFlow flow) {
  return CListRowBuilder()
      .DateColumn(layout::match::kDate, predaction.monthDay, FormatDate(settings, predaction.monthDay))
      .Id(predaction.id)
      .Column(flow == MoneyFlow::kExpense ? layout::match::kAmountExpense : layout::match::kAmountIncome,
              FormatAmount(settings, predaction.amount))
      .Finish();
}

}  // namespace

CMatchDialog::CMatchDialog(CAccountBook& book, const MatchRequest& request)
    : CEditingDialog(ids::kResource, {ids::kHelp, "mtc_dlg.htm"}),
      book_(book),
      ledger_(book.CurrentLedger()),
      request_(request) {}

void CMatchDialog::OnInit() {
  FillList();
  Controls().SetFocus(ids::kPredactions);
}

void CMatchDialog::OnCommand(int controlId) {
  switch (controlId) {
    case ids::kMatch:
      return OnMatch();
    case ids::kNewPredaction:
      return OnNewPredaction();
    case ids::kEditPredactions:
      return OnEditPredactions();
    default:
      return CEditingDialog::OnCommand(controlId);
  }
}

void CMatchDialog::FillList() {
  // The transaction's own predaction is offered although it is matched with it.
  std::unordered_set<std::uint32_t> matched = MatchedPredactionIds(ledger_);
  if (request_.preselected) matched.erase(*request_.preselected);
  const std::vector<UnmatchedPredaction> unmatched = UnmatchedPredactions(ledger_, request_.categoryId, matched);
  std::optional<std::uint32_t> proposed;
  for (const UnmatchedPredaction& predaction : unmatched) {
    if (predaction.id == request_.preselected) proposed = predaction.id;
  }
  if (!proposed) {
    if (const auto nearest = NearestPredaction(ledger_, unmatched, request_.monthDay)) {
      proposed = unmatched[*nearest].id;
    }
  }
  const MoneyFlow flow = FlowOf(ledger_, request_.categoryId);
  std::vector<std::string> rows;
  rows.reserve(unmatched.size());
  for (const UnmatchedPredaction& predaction : unmatched) rows.push_back(RowText(book_.Settings(), predaction, flow));
  CControlModel& controls = Controls();
  controls.SetItems(ids::kPredactions, std::move(rows));
  // Found after the list is sorted, which moves the rows.
  if (proposed) controls.SetSelection(ids::kPredactions, FindRowById(controls.Items(ids::kPredactions), *proposed));
}

void CMatchDialog::OnMatch() {
  const std::optional<std::uint32_t> id = SelectedRowId(ids::kPredactions);
  if (!id) {
    return Refuse(Translate("MatchDialog", "No predaction selected."),
                  Translate("MatchDialog", "- select an existing predaction\n- create a new predaction"),
                  ids::kPredactions);
  }
  if (!ApplyMatch(ledger_, request_.categoryId, *id, request_.monthDay, request_.amount)) return;
  chosen_ = *id;
  EndDialog(kCommandOk);
}

void CMatchDialog::OnNewPredaction() {
  chosen_ = AddPredactionFor(ledger_, request_.categoryId, request_.monthDay, request_.amount);
  if (!chosen_) return ShowOutOfMemory(Host());
  EndDialog(kCommandOk);
}

void CMatchDialog::OnEditPredactions() {
  EditPredactions(Host(), book_, request_.categoryId);
  FillList();
}

std::optional<std::uint32_t> RunMatch(IHost& host, CAccountBook& book, const MatchRequest& request) {
  CMatchDialog dialog(book, request);
  host.RunModal(dialog);
  return dialog.Chosen();
}

}  // namespace purso
