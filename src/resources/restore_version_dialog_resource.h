// Dialog resource of the Restore Earlier Version dialog: the versions kept
// of the active account, newest first, one row each under its column
// headers, and the buttons that open the chosen version as a new account or
// close the dialog.
//
// Laid out in pixels, as the Import dialog is: the rows carry their column
// positions in pixels, and the headers must stand over them.
#pragma once

#include <string_view>

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/list_heading.h"
#include "resources/translatable.h"

namespace purso::restore_version_dialog {

inline constexpr int kDialogId = dialog_id::kRestoreVersion;
inline constexpr int kAccount = 1300;
inline constexpr int kVersions = 1301;
inline constexpr int kOpen = 1;
inline constexpr int kCancel = 2;

namespace table {
using enum ControlKind;
using namespace control_style;

inline constexpr int kListX = 10;
inline constexpr int kListWidth = 492;  // the rows' 462 pixels, a scroll bar and the frame
inline constexpr int kListY = 50;
inline constexpr int kListHeight = 260;
inline constexpr int kLineHeight = 16;
inline constexpr int kHeaderY = kListY - kLineHeight - 2;

// The columns of the rows; the layouts of the dialog's rows are built from
// the same numbers.
inline constexpr ListColumn kSavedColumn{0, 130};
inline constexpr ListColumn kSizeColumn{136, 206};
inline constexpr ListColumn kYearColumn{220, 256};
inline constexpr ListColumn kTransactionsColumn{262, 340};
inline constexpr ListColumn kBalanceColumn{346, 460};

constexpr ControlResource Header(std::string_view caption, ListColumn column, HeadingAlign align) {
  return ListHeading(kNoControlId, caption, {kListX, kHeaderY, kLineHeight}, column, align);
}

inline constexpr ControlResource kControls[] = {
    {kLabel, kAccount, PURSO_TEXT("RestoreVersionDialog", "Versions of"), kListX + 2, 8, kListWidth - 2, kLineHeight},
    Header(PURSO_TEXT("RestoreVersionDialog", "Saved"), kSavedColumn, HeadingAlign::kLeft),
    Header(PURSO_TEXT("RestoreVersionDialog", "Size"), kSizeColumn, HeadingAlign::kRight),
    Header(PURSO_TEXT("RestoreVersionDialog", "Year"), kYearColumn, HeadingAlign::kLeft),
    Header(PURSO_TEXT("RestoreVersionDialog", "Transactions"), kTransactionsColumn, HeadingAlign::kRight),
    Header(PURSO_TEXT("RestoreVersionDialog", "Balance"), kBalanceColumn, HeadingAlign::kRight),
    {kColumnList, kVersions, "", kListX, kListY, kListWidth, kListHeight, kVScroll | kEnterOpens},
    {kPushButton, kOpen, PURSO_TEXT("RestoreVersionDialog", "&Open"), 334, 322, 80, 26, kDefault | kDisabled},
    {kPushButton, kCancel, PURSO_TEXT("RestoreVersionDialog", "Cancel"), 422, 322, 80, 26},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("RestoreVersionDialog", "Restore Earlier Version"),
                                          512,
                                          360,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kPixels,
                                          {},
                                          "RestoreVersionDialog"};

}  // namespace purso::restore_version_dialog
