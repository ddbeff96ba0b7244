#include "dialogs/editing_dialog.h"

#include "text/amount_text.h"

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

}  // namespace purso
