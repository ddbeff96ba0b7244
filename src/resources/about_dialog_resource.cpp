#include "resources/about_dialog_resource.h"

namespace purso::about_dialog {
namespace {
using enum ControlKind;
using namespace control_style;
constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, "Tolva Account Organizer v1.1", 4, 8, 150, 10},
    {kPushButton, kClose, "&Close", 163, 6, 50, 14, kDefault},
    {kMultiLineText, kFirstPane, "", 4, 25, 210, 45, kReadOnly | kVScroll},
    {kMultiLineText, kSecondPane, "", 4, 80, 210, 45, kReadOnly | kVScroll},
    {kMultiLineText, kThirdPane, "", 4, 135, 210, 45, kReadOnly | kVScroll},
};
}  // namespace

const DialogResource kResource{kDialogId, "About Tolva Account Organizer", 217, 186, "MS Sans Serif", 8, kControls};

}  // namespace purso::about_dialog
