// Dialog resource of the Match dialog, which ties a transaction of a fixed
// category to one of the category's unmatched predactions: their list, in
// date order as the Predicted Transactions dialog shows them, and the ways to
// match the selected one, to make a new one, or to edit the category's
// predactions first.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/translatable.h"

namespace purso::match_dialog {

inline constexpr int kDialogId = dialog_id::kMatch;
inline constexpr int kPredactions = 1073;  // the list
inline constexpr int kMatch = 1075;
inline constexpr int kNewPredaction = 1076;
inline constexpr int kEditPredactions = 1077;
inline constexpr int kCancel = 2;
inline constexpr int kHelp = 1074;

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
// The list as wide as the Predicted Transactions dialog's, the buttons in
// one column at its right.
inline constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, PURSO_TEXT("MatchDialog", "Unmatched predactions for this category:"), 7, 7, 178, 8},
    {kColumnList, kPredactions, "", 7, 18, 178, 132, kSorted | kVScroll},
    {kPushButton, kMatch, PURSO_TEXT("MatchDialog", "&Match"), 193, 18, 56, 14, kDefault},
    {kPushButton, kNewPredaction, PURSO_TEXT("MatchDialog", "&New Pred."), 193, 36, 56, 14},
    {kPushButton, kEditPredactions, PURSO_TEXT("MatchDialog", "&Predactions"), 193, 60, 56, 14},
    {kPushButton, kHelp, PURSO_TEXT("MatchDialog", "&Help"), 193, 118, 56, 14},
    {kPushButton, kCancel, PURSO_TEXT("MatchDialog", "&Cancel"), 193, 136, 56, 14},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("MatchDialog", "Match transaction with predaction"),
                                          256,
                                          157,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          {},
                                          "MatchDialog"};

}  // namespace purso::match_dialog
