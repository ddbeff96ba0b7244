// Dialog resource of the About box: the program's name and version, a Close
// button and three read-only text panes.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"

namespace purso::about_dialog {

inline constexpr int kDialogId = dialog_id::kAbout;
inline constexpr int kClose = 1;
inline constexpr int kFirstPane = 1150;
inline constexpr int kSecondPane = 1151;
inline constexpr int kThirdPane = 1152;

extern const DialogResource kResource;

}  // namespace purso::about_dialog
