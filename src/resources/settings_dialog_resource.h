// Dialog resource of the Date & Currency Settings dialog, which edits the
// account's display settings: date order and separator, currency symbol and
// its position, decimal symbol and number of decimals.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"

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

extern const DialogResource kResource;

}  // namespace purso::settings_dialog
