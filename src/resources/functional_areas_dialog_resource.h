// Dialog resource of the Functional Areas dialog, which edits the current
// year's list of functional areas: a row to add a name, a row to rename the
// selected one, and the sorted list of names. Its twin is the Objects dialog.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"

namespace purso::functional_areas_dialog {

inline constexpr int kDialogId = dialog_id::kFunctionalAreas;
inline constexpr int kAddName = 1007;
inline constexpr int kAdd = 1009;
inline constexpr int kUpdateName = 1008;
inline constexpr int kUpdate = 1010;
inline constexpr int kNames = 1011;
inline constexpr int kRemove = 1012;
inline constexpr int kHelp = 1013;
inline constexpr int kDone = 1;

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
// The add row, the update row and the list stand in one column; each
// row's button stands beside it, Help and Done at the foot of the list.
inline constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, "Functional Area Name", 7, 7, 120, 8},
    {kEdit, kAddName, "", 7, 17, 120, 12},
    {kPushButton, kAdd, "&Add", 133, 16, 50, 14, kDefault},
    {kEdit, kUpdateName, "", 7, 35, 120, 12, kDisabled},
    {kPushButton, kUpdate, "&Update", 133, 34, 50, 14, kDisabled},
    {kList, kNames, "", 7, 53, 120, 110, kSorted | kVScroll},
    {kPushButton, kRemove, "&Remove", 133, 53, 50, 14, kDisabled},
    {kPushButton, kHelp, "&Help", 133, 131, 50, 14},
    {kPushButton, kDone, "&Done", 133, 149, 50, 14},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId, "Functional Areas", 190, 170, "MS Sans Serif",
                                          8,         table::kControls};

}  // namespace purso::functional_areas_dialog
