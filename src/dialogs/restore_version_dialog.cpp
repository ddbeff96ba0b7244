#include "dialogs/restore_version_dialog.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "data/account_file.h"
#include "data/translation.h"
#include "resources/restore_version_dialog_resource.h"
#include "text/amount_text.h"
#include "text/list_row.h"

namespace purso {
namespace {

namespace ids = restore_version_dialog;
using Column = ListColumn;

// The layout string of a column: "%000!130!LB%".
std::string Layout(Column column, char align, char colour = 'B') {
  char layout[16];
  std::snprintf(layout, sizeof layout, "%%%03d!%03d!%c%c%%", column.start, column.end, align, colour);
  return layout;
}

// "9 KB", "13.1 MB": a file's size as the list shows it.
std::string SizeText(std::uint64_t bytes) {
  constexpr std::uint64_t kKilo = 1024;
  char text[32];
  if (bytes < kKilo * kKilo) {
    std::snprintf(text, sizeof text, "%llu KB", static_cast<unsigned long long>((bytes + kKilo - 1) / kKilo));
  } else {
    std::snprintf(text, sizeof text, "%.1f MB", static_cast<double>(bytes) / static_cast<double>(kKilo * kKilo));
  }
  return text;
}

std::string RowOf(const VersionSummary& summary, std::uint32_t index) {
  CListRowBuilder row;
  row.Column(Layout(ids::table::kSavedColumn, 'L'), LocalTimeText(summary.version.savedAt, TimeDetail::kSeconds));
  row.Id(index);
  row.Column(Layout(ids::table::kSizeColumn, 'R'), SizeText(summary.version.size));
  if (summary.failure != ReadFailure::kNone) {
    const Column rest{ids::table::kYearColumn.start, ids::table::kBalanceColumn.end};
    row.Column(Layout(rest, 'L', 'R'),
               Filled(Translate("RestoreVersionDialog", "damaged: %1"), {ReadFailureName(summary.failure)}));
    return row.Finish();
  }
  row.Column(Layout(ids::table::kYearColumn, 'L'), std::to_string(summary.year));
  row.Column(Layout(ids::table::kTransactionsColumn, 'R'), std::to_string(summary.transactions));
  row.Column(Layout(ids::table::kBalanceColumn, 'R', summary.balance < 0.0 ? 'R' : 'B'),
             FormatAmount(summary.settings, std::fabs(summary.balance)));
  return row.Finish();
}

}  // namespace

CRestoreVersionDialog::CRestoreVersionDialog(std::vector<VersionSummary> versions, std::string accountName)
    : CEditingDialog(restore_version_dialog::kResource),
      versions_(std::move(versions)),
      accountName_(std::move(accountName)) {}

void CRestoreVersionDialog::OnInit() {
  CControlModel& controls = Controls();
  controls.SetText(ids::kAccount,
                   Filled(versions_.empty() ? Translate("RestoreVersionDialog", "No earlier versions of %1 are kept.")
                                            : Translate("RestoreVersionDialog", "Versions of %1, newest first"),
                          {accountName_}));
  std::vector<std::string> rows;
  for (std::size_t i = 0; i < versions_.size(); ++i) rows.push_back(RowOf(versions_[i], static_cast<std::uint32_t>(i)));
  controls.SetItems(ids::kVersions, std::move(rows));
  SelectFirst(ids::kVersions);
  OnSelectionChange(ids::kVersions);
  controls.SetFocus(ids::kVersions);
}

void CRestoreVersionDialog::OnSelectionChange(int controlId) {
  if (controlId == ids::kVersions) Controls().Enable(ids::kOpen, SelectedRowId(ids::kVersions).has_value());
}

void CRestoreVersionDialog::OnDoubleClick(int controlId) {
  if (controlId == ids::kVersions) OnOpen();
}

void CRestoreVersionDialog::OnCommand(int controlId) {
  if (controlId == ids::kOpen) {
    OnOpen();
  } else {
    CEditingDialog::OnCommand(controlId);
  }
}

void CRestoreVersionDialog::OnOpen() {
  const std::optional<std::uint32_t> index = SelectedRowId(ids::kVersions);
  if (!index || *index >= versions_.size()) return;
  if (versions_[*index].failure != ReadFailure::kNone) {
    return Refuse(Translate("ReadFailure", kReadingProblem), Translate("ReadFailure", kReadingSuggestion),
                  ids::kVersions);
  }
  chosen_ = *index;
  EndDialog(ids::kOpen);
}

}  // namespace purso
