// Dialog resources of the message dialogs: the Problem dialog, which says
// what is wrong with an input and what to do about it, the Confirmation
// dialog, which asks a yes-or-no question (Yes the default, or No where Yes
// is the risky answer), and the question whether to save an account's
// changes before it closes.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/frame_resources.h"
#include "resources/translatable.h"

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
    {kLabel, kNoControlId, PURSO_TEXT("MessageDialogs", "Problem"), 7, 6, 195, 9},
    {kLabel, kProblemText, PURSO_TEXT("MessageDialogs", "<< problem >>"), 7, 16, 195, 35, kWrap | kSunken},
    {kLabel, kNoControlId, PURSO_TEXT("MessageDialogs", "Suggestion"), 7, 56, 195, 9},
    {kLabel, kSuggestionText, PURSO_TEXT("MessageDialogs", "<< suggestion >>"), 7, 66, 195, 35, kWrap | kSunken},
    {kPushButton, kClose, PURSO_TEXT("MessageDialogs", "&Close"), 152, 108, 50, 14, kDefault},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("MessageDialogs", "Error"),
                                          209,
                                          129,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          {},
                                          "MessageDialogs"};
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
    {kLabel, kQuestion, PURSO_TEXT("MessageDialogs", "Question?"), 7, 7, 170, 40, kWrap},
    {kPushButton, kYes, PURSO_TEXT("MessageDialogs", "&Yes"), 73, 53, 50, 14, kDefault},
    {kPushButton, kNo, PURSO_TEXT("MessageDialogs", "&No"), 127, 53, 50, 14},
};
inline constexpr ControlResource kCautiousControls[] = {
    {kLabel, kQuestion, PURSO_TEXT("MessageDialogs", "Question?"), 7, 7, 170, 40, kWrap},
    {kPushButton, kYes, PURSO_TEXT("MessageDialogs", "&Yes"), 73, 53, 50, 14},
    {kPushButton, kNo, PURSO_TEXT("MessageDialogs", "&No"), 127, 53, 50, 14, kDefault},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("MessageDialogs", "Confirmation"),
                                          184,
                                          74,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          {},
                                          "MessageDialogs"};
// The same question with No as the default button.
inline constexpr DialogResource kCautiousResource{kDialogId,
                                                  PURSO_TEXT("MessageDialogs", "Confirmation"),
                                                  184,
                                                  74,
                                                  "MS Sans Serif",
                                                  8,
                                                  table::kCautiousControls,
                                                  LayoutUnits::kDialogUnits,
                                                  {},
                                                  "MessageDialogs"};
}  // namespace confirmation_dialog

namespace save_changes_dialog {
inline constexpr int kDialogId = dialog_id::kSaveChanges;
inline constexpr int kQuestion = 1054;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;
inline constexpr int kCancel = 2;
// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
inline constexpr ControlResource kControls[] = {
    {kLabel, kQuestion, PURSO_TEXT("MessageDialogs", "Question?"), 7, 7, 185, 30, kWrap},
    {kPushButton, kYes, PURSO_TEXT("MessageDialogs", "&Yes"), 34, 43, 50, 14, kDefault},
    {kPushButton, kNo, PURSO_TEXT("MessageDialogs", "&No"), 88, 43, 50, 14},
    {kPushButton, kCancel, PURSO_TEXT("MessageDialogs", "Cancel"), 142, 43, 50, 14},
};
}  // namespace table

// Titled like the program's other message boxes.
inline constexpr DialogResource kResource{
    kDialogId, kApplicationTitle, 199, 64, "MS Sans Serif", 8, table::kControls, LayoutUnits::kDialogUnits,
    {},        "MessageDialogs"};
}  // namespace save_changes_dialog

}  // namespace purso
