#include "resources/message_dialog_resources.h"

namespace purso {

namespace problem_dialog {
namespace {
using enum ControlKind;
using namespace control_style;
constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, "Problem", 7, 6, 195, 9},
    {kLabel, kProblemText, "<< problem >>", 7, 16, 195, 35, kWrap | kSunken},
    {kLabel, kNoControlId, "Suggestion", 7, 56, 195, 9},
    {kLabel, kSuggestionText, "<< suggestion >>", 7, 66, 195, 35, kWrap | kSunken},
    {kPushButton, kClose, "&Close", 152, 108, 50, 14, kDefault},
};
}  // namespace
const DialogResource kResource{kDialogId, "Error", 209, 129, "MS Sans Serif", 8, kControls};
}  // namespace problem_dialog

namespace confirmation_dialog {
namespace {
using enum ControlKind;
using namespace control_style;
constexpr ControlResource kControls[] = {
    {kLabel, kQuestion, "Question?", 7, 7, 170, 40, kWrap},
    {kPushButton, kYes, "&Yes", 73, 53, 50, 14, kDefault},
    {kPushButton, kNo, "&No", 127, 53, 50, 14},
};
}  // namespace
const DialogResource kResource{kDialogId, "Confirmation", 184, 74, "MS Sans Serif", 8, kControls};
}  // namespace confirmation_dialog

}  // namespace purso
