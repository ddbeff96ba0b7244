#include "dialogs/editing_dialog.h"

#include "data/translation.h"
#include "platform/help_launcher.h"
#include "text/amount_text.h"
#include "text/date_text.h"
#include "text/list_row.h"

namespace purso {

void CEditingDialog::OnCommand(int controlId) {
  if (help_.id != kNoControlId && controlId == help_.id) return OpenHelpPage(Host(), help_.page);
  CDialogLogic::OnCommand(controlId);
}

void CEditingDialog::ShowStoredAmount(const CDisplaySettings& settings, int field, double amount) {
  std::string text = FormatSignedAmount(settings, amount);
  Controls().SetText(field, text);
  storedAmounts_[field] = StoredAmount{std::move(text), amount};
}

std::optional<double> CEditingDialog::FieldAmount(const CDisplaySettings& settings, int field,
                                                  std::size_t maxChars) const {
  const std::string& text = Controls().GetText(field);
  const auto stored = storedAmounts_.find(field);
  if (stored != storedAmounts_.end() && stored->second.text == text) return stored->second.amount;
  double amount = 0.0;
  if (!ParseAmount(settings, text.substr(0, maxChars), amount)) return std::nullopt;
  return amount;
}

std::optional<double> CEditingDialog::TypedDate(const CDisplaySettings& settings, int year, int field,
                                                std::string_view problem) {
  double monthDay = 0.0;
  if (ParseDate(settings, Controls().GetText(field, kDateReadLength), year, monthDay)) return monthDay;
  Refuse(Translate("Input", problem), Translate("Input", kDateSuggestion), field);
  return std::nullopt;
}

std::optional<double> CEditingDialog::TypedAmount(const CDisplaySettings& settings, int field,
                                                  const AmountProblems& problems, std::size_t maxChars) {
  const std::optional<double> amount = FieldAmount(settings, field, maxChars);
  if (!amount) {
    Refuse(Translate("Input", problems.badFormat), Translate("Input", kBadFormatSuggestion), field);
  } else if (*amount > kMaxAmount) {
    Refuse(Translate("Input", problems.tooBig), Translate("Input", kTooBigSuggestion), field);
    return std::nullopt;
  }
  return amount;
}

std::optional<std::uint32_t> CEditingDialog::SelectedRowId(int list) const {
  return ReadRowId(Controls().SelectedText(list));
}

void CEditingDialog::ShowUpdateRow(std::initializer_list<int> controls, bool enabled) {
  CControlModel& model = Controls();
  for (const int control : controls) {
    if (!enabled) {
      switch (model.KindOf(control)) {
        case ControlKind::kEdit:
          model.SetText(control, "");
          break;
        case ControlKind::kDropDownList:
          model.SetSelection(control, CControlModel::kNoSelection);
          break;
        default:
          break;
      }
    }
    model.Enable(control, enabled);
  }
}

void CEditingDialog::SelectFirst(int list) {
  Controls().SetSelection(list, Controls().ItemCount(list) > 0 ? 0 : CControlModel::kNoSelection);
}

}  // namespace purso
