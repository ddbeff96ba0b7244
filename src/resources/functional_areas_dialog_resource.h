// Dialog resource of the Functional Areas dialog, which edits the current
// year's list of functional areas. Its twin is the Objects dialog; the
// layout they share is in name_list_dialog_resource.h.
#pragma once

#include "resources/command_ids.h"
#include "resources/name_list_dialog_resource.h"

namespace purso::functional_areas_dialog {

inline constexpr int kDialogId = dialog_id::kFunctionalAreas;
inline constexpr name_list_dialog::Ids kIds{
    .addName = 1007, .add = 1009, .updateName = 1008, .update = 1010, .names = 1011, .remove = 1012, .help = 1013};
inline constexpr int kAddName = kIds.addName;
inline constexpr int kAdd = kIds.add;
inline constexpr int kUpdateName = kIds.updateName;
inline constexpr int kUpdate = kIds.update;
inline constexpr int kNames = kIds.names;
inline constexpr int kRemove = kIds.remove;
inline constexpr int kHelp = kIds.help;
inline constexpr int kDone = name_list_dialog::kDone;

namespace table {
inline constexpr auto kControls =
    name_list_dialog::Controls(kIds, PURSO_TEXT("NameListDialog", "Functional Area Name"));
inline constexpr auto kEnterRoutes = name_list_dialog::EnterRoutes(kIds);
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("NameListDialog", "Functional Areas"),
                                          name_list_dialog::kWidth,
                                          name_list_dialog::kHeight,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          table::kEnterRoutes,
                                          "NameListDialog"};

}  // namespace purso::functional_areas_dialog
