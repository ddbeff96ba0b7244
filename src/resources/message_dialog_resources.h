// Dialog resources of the two message dialogs every dialog uses: the
// Problem dialog, which says what is wrong with an input and what to do
// about it, and the Confirmation dialog, which asks a yes-or-no question.
#pragma once

#include "resources/command_ids.h"
#include "resources/command_ids.h"
#include "resources/dialog_resource.h"

namespace purso {

namespace problem_dialog {
inline constexpr int kDialogId = dialog_id::kProblem;
inline constexpr int kProblemText = 1005;
inline constexpr int kSuggestionText = 1007;
inline constexpr int kClose = 1;
extern const DialogResource kResource;
}  // namespace problem_dialog

namespace confirmation_dialog {
inline constexpr int kDialogId = dialog_id::kConfirmation;
inline constexpr int kQuestion = 1054;
inline constexpr int kYes = 1;
inline constexpr int kNo = 2;
extern const DialogResource kResource;
}  // namespace confirmation_dialog

}  // namespace purso
