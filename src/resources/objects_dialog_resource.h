// Dialog resource of the Objects dialog, which edits the current year's
// list of objects. Its twin is the Functional Areas dialog; the layout they
// share is in name_list_dialog_resource.h.
#pragma once

#include "resources/command_ids.h"
#include "resources/name_list_dialog_resource.h"

namespace purso::objects_dialog {

inline constexpr int kDialogId = dialog_id::kObjects;
inline constexpr name_list_dialog::Ids kIds{
    .addName = 1003, .add = 1001, .updateName = 1002, .update = 1004, .names = 1000, .remove = 1005, .help = 1006};
inline constexpr int kAddName = kIds.addName;
inline constexpr int kAdd = kIds.add;
inline constexpr int kUpdateName = kIds.updateName;
inline constexpr int kUpdate = kIds.update;
inline constexpr int kNames = kIds.names;
inline constexpr int kRemove = kIds.remove;
inline constexpr int kHelp = kIds.help;
inline constexpr int kDone = name_list_dialog::kDone;

namespace table {
inline constexpr auto kControls = name_list_dialog::Controls(kIds, PURSO_TEXT("NameListDialog", "Object Name"));
inline constexpr auto kEnterRoutes = name_list_dialog::EnterRoutes(kIds);
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("NameListDialog", "Objects"),
                                          name_list_dialog::kWidth,
                                          name_list_dialog::kHeight,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          table::kEnterRoutes,
                                          "NameListDialog"};

}  // namespace purso::objects_dialog
