// Dialog resource of the Date & Currency Settings dialog, which edits the
// account's display settings: date order and separator, currency symbol and
// its position, decimal symbol and number of decimals.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/translatable.h"

namespace purso::settings_dialog {

inline constexpr int kDialogId = dialog_id::kSettings;
inline constexpr int kMonthFirst = 1015;  // radio "mm/dd"
inline constexpr int kDayFirst = 1014;    // radio "dd/mm"
inline constexpr int kSeparator = 1016;
inline constexpr int kCurrencySymbol = 1017;
inline constexpr int kSpace = 1018;
inline constexpr int kSymbolBefore = 1019;
inline constexpr int kSymbolAfter = 1020;
inline constexpr int kDecimalPoint = 1021;
inline constexpr int kDecimalComma = 1022;
inline constexpr int kDecimals = 1023;
// Help holds the id that Escape and the close box send, so all three open
// the help page; the dialog closes only through Done.
inline constexpr int kHelp = 2;
inline constexpr int kDone = 1;

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
// Labels on the left, values in one column at x 114; the currency symbol's
// position and space sit under the symbol they place.
inline constexpr ControlResource kControls[] = {
    {kGroupBox, kNoControlId, PURSO_TEXT("SettingsDialog", "Date Format"), 7, 7, 240, 47},
    {kRadioButton, kMonthFirst, PURSO_TEXT("SettingsDialog", "mm/dd"), 14, 20, 44, 10, kGroup},
    {kRadioButton, kDayFirst, PURSO_TEXT("SettingsDialog", "dd/mm"), 62, 20, 44, 10},
    {kLabel, kNoControlId, PURSO_TEXT("SettingsDialog", "Separator character:"), 14, 37, 96, 8},
    {kEdit, kSeparator, "", 114, 35, 32, 12},

    {kGroupBox, kNoControlId, PURSO_TEXT("SettingsDialog", "Currency Format"), 7, 61, 240, 79},
    {kLabel, kNoControlId, PURSO_TEXT("SettingsDialog", "Currency symbol:"), 14, 75, 96, 8},
    {kEdit, kCurrencySymbol, "", 114, 73, 32, 12},
    {kRadioButton, kSymbolBefore, PURSO_TEXT("SettingsDialog", "before"), 114, 90, 42, 10, kGroup},
    {kRadioButton, kSymbolAfter, PURSO_TEXT("SettingsDialog", "after"), 160, 90, 38, 10},
    {kCheckBox, kSpace, PURSO_TEXT("SettingsDialog", "space"), 202, 90, 38, 10},
    {kLabel, kNoControlId, PURSO_TEXT("SettingsDialog", "Decimal symbol:"), 14, 107, 96, 8},
    {kRadioButton, kDecimalPoint, ".", 114, 106, 24, 10, kGroup},
    {kRadioButton, kDecimalComma, ",", 160, 106, 24, 10},
    {kLabel, kNoControlId, PURSO_TEXT("SettingsDialog", "# of decimals:"), 14, 123, 96, 8},
    {kEdit, kDecimals, "", 114, 121, 32, 12},

    {kPushButton, kHelp, PURSO_TEXT("SettingsDialog", "&Help"), 143, 147, 50, 14},
    {kPushButton, kDone, PURSO_TEXT("SettingsDialog", "&Done"), 197, 147, 50, 14, kDefault},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("SettingsDialog", "Date & Currency Settings"),
                                          254,
                                          168,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          {},
                                          "SettingsDialog"};

}  // namespace purso::settings_dialog
