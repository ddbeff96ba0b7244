// Dialog resource of the About box: the program's name and version, a Close
// button and three read-only text panes.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/translatable.h"

namespace purso::about_dialog {

inline constexpr int kDialogId = dialog_id::kAbout;
inline constexpr int kClose = 1;
inline constexpr int kFirstPane = 1150;
inline constexpr int kSecondPane = 1151;
inline constexpr int kThirdPane = 1152;

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
inline constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, PURSO_TEXT("AboutDialog", "Tolva Account Organizer v1.1"), 4, 8, 150, 10},
    {kPushButton, kClose, PURSO_TEXT("AboutDialog", "&Close"), 163, 6, 50, 14, kDefault},
    {kMultiLineText, kFirstPane, "", 4, 25, 210, 45, kReadOnly | kVScroll},
    {kMultiLineText, kSecondPane, "", 4, 80, 210, 45, kReadOnly | kVScroll},
    {kMultiLineText, kThirdPane, "", 4, 135, 210, 45, kReadOnly | kVScroll},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("AboutDialog", "About Tolva Account Organizer"),
                                          217,
                                          186,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          {},
                                          "AboutDialog"};

}  // namespace purso::about_dialog
