// Dialog resource of the Change Year dialog, which chooses the account's
// current year. The drop-down comes with the 102 years "1998" to "2099" in
// order, so an item's position is its year index. There is no Cancel button:
// Escape and the close box cancel.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"

namespace purso::change_year_dialog {

inline constexpr int kDialogId = dialog_id::kChangeYear;
inline constexpr int kYears = 1105;
inline constexpr int kOk = 1;

extern const DialogResource kResource;

}  // namespace purso::change_year_dialog
