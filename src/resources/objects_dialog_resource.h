// Dialog resource of the Objects dialog, which edits the current year's
// list of objects: a row to add a name, a row to rename the selected one,
// and the sorted list of names. Its twin is the Functional Areas dialog.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"

namespace purso::objects_dialog {

inline constexpr int kDialogId = dialog_id::kObjects;
inline constexpr int kAddName = 1003;
inline constexpr int kAdd = 1001;
inline constexpr int kUpdateName = 1002;
inline constexpr int kUpdate = 1004;
inline constexpr int kNames = 1000;
inline constexpr int kRemove = 1005;
inline constexpr int kHelp = 1006;
inline constexpr int kDone = 1;

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
// The add row, the update row and the list stand in one column; each
// row's button stands beside it, Help and Done at the foot of the list.
inline constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, "Object Name", 7, 7, 120, 8},
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

inline constexpr DialogResource kResource{kDialogId, "Objects", 190, 170, "MS Sans Serif", 8, table::kControls};

}  // namespace purso::objects_dialog
