#include "resources/opening_balance_dialog_resource.h"

namespace purso::opening_balance_dialog {
namespace {
using enum ControlKind;
using namespace control_style;
// The sign radios are framed under the amount they qualify; the buttons
// stand in a column at the right, OK level with the amount.
constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, "Opening balance", 7, 10, 72, 8},
    {kEdit, kAmount, "", 83, 8, 96, 12},
    {kGroupBox, kNoControlId, "", 83, 24, 96, 34},
    {kRadioButton, kPositive, "Positive", 90, 30, 60, 10, kGroup},
    {kRadioButton, kNegative, "Negative", 90, 42, 60, 10},
    {kPushButton, kOk, "OK", 186, 7, 50, 14, kDefault},
    {kPushButton, kCancel, "Cancel", 186, 25, 50, 14},
};
}  // namespace

const DialogResource kResource{kDialogId, "Opening balance", 243, 65, "MS Sans Serif", 8, kControls};

}  // namespace purso::opening_balance_dialog
