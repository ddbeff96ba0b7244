#include "dialogs/editing_dialog.h"

#include "dialogs/input_texts.h"
#include "text/amount_text.h"
#include "text/date_text.h"

namespace purso {

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

std::optional<double> CEditingDialog::TypedDate(const CDisplaySettings& settings, int year, int field) {
  double monthDay = 0.0;
  if (ParseDate(settings, Controls().GetText(field, kDateReadLength), year, monthDay)) return monthDay;
  Refuse("The date is invalid.", kDateSuggestion, field);
  return std::nullopt;
}

std::optional<double> CEditingDialog::TypedAmount(const CDisplaySettings& settings, int field) {
  const std::optional<double> amount = FieldAmount(settings, field, kAmountReadLength);
  if (!amount) {
    Refuse(kAmountBadFormat, kBadFormatSuggestion, field);
  } else if (*amount > kMaxAmount) {
    Refuse(kAmountTooBig, kTooBigSuggestion, field);
    return std::nullopt;
  }
  return amount;
}

}  // namespace purso
