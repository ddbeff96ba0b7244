// Dialog resources of the two message dialogs every dialog uses: the
// Problem dialog, which says what is wrong with an input and what to do
// about it, and the Confirmation dialog, which asks a yes-or-no question.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"

namespace purso {

namespace problem_dialog {
inline constexpr int kDialogId = dialog_id::kProblem;
inline constexpr int kProblemText = 1005;
inline constexpr int kSuggestionText = 1007;
inline constexpr int kClose = 1;
// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
inline constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, "Problem", 7, 6, 195, 9},
    {kLabel, kProblemText, "<< problem >>", 7, 16, 195, 35, kWrap | kSunken},
    {kLabel, kNoControlId, "Suggestion", 7, 56, 195, 9},
    {kLabel, kSuggestionText, "<< suggestion >>", 7, 66, 195, 35, kWrap | kSunken},
    {kPushButton, kClose, "&Close", 152, 108, 50, 14, kDefault},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId, "Error", 209, 129, "MS Sans Serif", 8, table::kControls};
}  // namespace problem_dialog

namespace confirmation_dialog {
inline constexpr int kDialogId = dialog_id::kConfirmation;
inline constexpr int kQuestion = 1054;
inline constexpr int kYes = 1;
inline constexpr int kNo = 2;
// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
inline constexpr ControlResource kControls[] = {
    {kLabel, kQuestion, "Question?", 7, 7, 170, 40, kWrap},
    {kPushButton, kYes, "&Yes", 73, 53, 50, 14, kDefault},
    {kPushButton, kNo, "&No", 127, 53, 50, 14},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId, "Confirmation", 184, 74, "MS Sans Serif", 8, table::kControls};
}  // namespace confirmation_dialog

}  // namespace purso
