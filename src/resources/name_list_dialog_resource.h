// The layout the Objects and the Functional Areas dialogs share: each edits
// one master list of the current year with a row to add a name, a row to
// rename the selected one and the sorted list of names. The twins differ
// only in their ids, title and name label.
#pragma once

#include <array>
#include <string_view>

#include "resources/dialog_resource.h"
#include "resources/translatable.h"

namespace purso::name_list_dialog {

// The ids of one twin's controls; Done is 1 in both.
struct Ids {
  int addName, add, updateName, update, names, remove, help;
};
inline constexpr int kDone = 1;

// One twin's controls, positions in the resource's units. The add row, the
// update row and the list stand in one column; each row's button stands
// beside it, Help and Done at the foot of the list.
constexpr std::array<ControlResource, 9> Controls(const Ids& ids, std::string_view nameLabel) {
  using enum ControlKind;
  using namespace control_style;
  return {{
      {kLabel, kNoControlId, nameLabel, 7, 7, 120, 8},
      {kEdit, ids.addName, "", 7, 17, 120, 12},
      {kPushButton, ids.add, PURSO_TEXT("NameListDialog", "&Add"), 133, 16, 50, 14, kDefault},
      {kEdit, ids.updateName, "", 7, 35, 120, 12, kDisabled},
      {kPushButton, ids.update, PURSO_TEXT("NameListDialog", "&Update"), 133, 34, 50, 14, kDisabled},
      {kList, ids.names, "", 7, 53, 120, 110, kSorted | kVScroll},
      {kPushButton, ids.remove, PURSO_TEXT("NameListDialog", "&Remove"), 133, 53, 50, 14, kDisabled},
      {kPushButton, ids.help, PURSO_TEXT("NameListDialog", "&Help"), 133, 131, 50, 14},
      {kPushButton, kDone, PURSO_TEXT("NameListDialog", "&Done"), 133, 149, 50, 14},
  }};
}

// Enter in the update row updates.
constexpr std::array<EnterRoute, 1> EnterRoutes(const Ids& ids) { return {{{ids.updateName, ids.update}}}; }

// The size of both twins, in dialog units.
inline constexpr int kWidth = 190;
inline constexpr int kHeight = 170;

}  // namespace purso::name_list_dialog
