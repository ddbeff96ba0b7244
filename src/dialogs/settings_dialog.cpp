#include "dialogs/settings_dialog.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "data/translation.h"
#include "resources/settings_dialog_resource.h"
#include "text/date_text.h"
#include "text/name_rules.h"

namespace purso {
namespace {

namespace ids = settings_dialog;

// The decimals field is read as a fixed-size field of this many characters.
constexpr std::size_t kDecimalsFieldLength = 10;

bool IsDecimalDigit(char c) { return c >= '0' && c <= '9'; }

// Names a character that account text cannot hold by its code, since the
// message itself is account text: "The character U+20B9 can not be used.".
std::string UnstorableSuggestion(char32_t character) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
  return Filled(Translate("SettingsDialog", "The character %1 can not be used."), {code});
}

}  // namespace

CSettingsDialog::CSettingsDialog(CDisplaySettings& settings)
    : CEditingDialog(settings_dialog::kResource, {ids::kHelp, "set_dlg.htm"}), settings_(settings) {}

void CSettingsDialog::OnInit() {
  CControlModel& controls = Controls();
  const bool dayFirst = settings_.dateOrder == DateOrder::kDayFirst;
  controls.SetChecked(dayFirst ? ids::kDayFirst : ids::kMonthFirst, true);
  controls.SetText(ids::kSeparator, std::string(1, settings_.dateSeparator));
  controls.SetText(ids::kCurrencySymbol, settings_.currencySymbol);
  const bool after = settings_.symbolPosition == SymbolPosition::kAfter;
  controls.SetChecked(after ? ids::kSymbolAfter : ids::kSymbolBefore, true);
  controls.SetChecked(ids::kSpace, settings_.space);
  const bool comma = settings_.decimalSymbol == DecimalSymbol::kComma;
  controls.SetChecked(comma ? ids::kDecimalComma : ids::kDecimalPoint, true);
  controls.SetText(ids::kDecimals, std::to_string(settings_.decimals));
  controls.SetFocus(dayFirst ? ids::kDayFirst : ids::kMonthFirst);
}

void CSettingsDialog::OnCommand(int controlId) {
  if (controlId == ids::kDone) return OnDone();
  CEditingDialog::OnCommand(controlId);
}

void CSettingsDialog::OnDone() {
  CControlModel& controls = Controls();

  const int decimals = ReadWholeNumber(controls.GetText(ids::kDecimals, kDecimalsFieldLength));
  if (decimals < 0 || decimals > CDisplaySettings::kMaxDecimals) {
    return Refuse(Translate("SettingsDialog", "The number of decimals is invalid."),
                  Translate("SettingsDialog", "Enter a number between 0 and 4."), ids::kDecimals);
  }
  const std::string& symbol = controls.GetText(ids::kCurrencySymbol);
  if (symbol.empty() || symbol.size() > CDisplaySettings::kMaxSymbolLength) {
    return Refuse(Translate("SettingsDialog", "The currency symbol is invalid."),
                  Translate("SettingsDialog", "Enter 1, 2 or 3 characters."), ids::kCurrencySymbol);
  }
  if (symbol.find_first_of(" ,.") != std::string::npos) {
    return Refuse(Translate("SettingsDialog", "The currency symbol is invalid."),
                  Translate("SettingsDialog", "The ' ', ',' and '.' characters can not be used."),
                  ids::kCurrencySymbol);
  }
  const std::string& separator = controls.GetText(ids::kSeparator);
  if (separator.size() != 1 || IsDecimalDigit(separator[0])) {
    return Refuse(Translate("SettingsDialog", "The date separator is invalid."),
                  Translate("SettingsDialog", "Enter 1 character that is not a number."), ids::kSeparator);
  }
  // A digit, a sign or a list row mark in the symbol would make amounts read
  // wrongly (the symbol "1" turns a typed 150 into 50) or rows draw wrongly.
  if (std::any_of(symbol.begin(), symbol.end(), [](char c) { return IsDecimalDigit(c) || c == '+' || c == '-'; })) {
    return Refuse(Translate("SettingsDialog", "The currency symbol is invalid."),
                  Translate("SettingsDialog", "Numbers and the '+' and '-' characters can not be used."),
                  ids::kCurrencySymbol);
  }
  if (!HasNoReservedCharacters(symbol)) {
    return Refuse(Translate("SettingsDialog", "The currency symbol is invalid."),
                  Translate("NameRules", kReservedSuggestion), ids::kCurrencySymbol);
  }
  const std::u32string& unstorable = controls.UnstorableCharacters(ids::kCurrencySymbol);
  if (!unstorable.empty()) {
    return Refuse(Translate("SettingsDialog", "The currency symbol is invalid."),
                  UnstorableSuggestion(unstorable.front()), ids::kCurrencySymbol);
  }

  settings_.dateOrder = controls.IsChecked(ids::kDayFirst) ? DateOrder::kDayFirst : DateOrder::kMonthFirst;
  settings_.dateSeparator = separator[0];
  settings_.currencySymbol = symbol;
  settings_.symbolPosition = controls.IsChecked(ids::kSymbolAfter) ? SymbolPosition::kAfter : SymbolPosition::kBefore;
  settings_.space = controls.IsChecked(ids::kSpace);
  settings_.decimalSymbol = controls.IsChecked(ids::kDecimalComma) ? DecimalSymbol::kComma : DecimalSymbol::kPoint;
  settings_.decimals = decimals;
  EndDialog(ids::kDone);
}

}  // namespace purso
