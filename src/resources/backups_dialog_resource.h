// Dialog resource of the Backups dialog: how many earlier versions of its
// accounts the program keeps, the last saves and the last version of each
// of the last days.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/translatable.h"

namespace purso::backups_dialog {

inline constexpr int kDialogId = dialog_id::kBackups;
inline constexpr int kSaves = 1310;
inline constexpr int kDays = 1311;
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
inline constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId,
     PURSO_TEXT("BackupsDialog",
                "Besides <name>.pxf.bak, the program keeps earlier versions of every account it saves."),
     7, 7, 190, 18, kWrap},
    {kLabel, kNoControlId, PURSO_TEXT("BackupsDialog", "Versions of the last saves:"), 7, 32, 150, 8},
    {kEdit, kSaves, "", 161, 30, 36, 12},
    {kLabel, kNoControlId, PURSO_TEXT("BackupsDialog", "Last version of each of the last days:"), 7, 50, 150, 8},
    {kEdit, kDays, "", 161, 48, 36, 12},
    {kPushButton, kOk, PURSO_TEXT("BackupsDialog", "OK"), 207, 7, 50, 14, kDefault},
    {kPushButton, kCancel, PURSO_TEXT("BackupsDialog", "Cancel"), 207, 25, 50, 14},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("BackupsDialog", "Backups"),
                                          264,
                                          70,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          {},
                                          "BackupsDialog"};

}  // namespace purso::backups_dialog
