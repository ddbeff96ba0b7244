// Dialog resource of the Import dialog, which shows what importing a bank
// statement would do: one row per statement line under its column headers,
// the lines set aside, a warning, the category and the choice of the
// selected lines, the account of the statement to import, and the buttons
// that import the chosen lines or nothing.
//
// Laid out in pixels, not dialog units, as the Solver dialog is: the list's
// rows carry their column positions in pixels, and each header must stand
// over its column whatever the desktop's dialog font. The statement's name,
// the count, the lines set aside and the warning are written when the
// dialog opens.
#pragma once

#include <string_view>

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/list_heading.h"
#include "resources/translatable.h"

namespace purso::import_dialog {

inline constexpr int kDialogId = dialog_id::kImport;
inline constexpr int kStatement = 1200;
inline constexpr int kChosenCount = 1201;
inline constexpr int kLines = 1202;
inline constexpr int kOutside = 1203;
inline constexpr int kCategory = 1204;
inline constexpr int kChosen = 1205;
inline constexpr int kHelp = 1206;
inline constexpr int kWarning = 1207;
inline constexpr int kAccount = 1208;
inline constexpr int kImport = 1;
inline constexpr int kCancel = 2;

// The controls, positions in pixels.
namespace table {
using enum ControlKind;
using namespace control_style;

inline constexpr int kListX = 10;
inline constexpr int kListWidth = 762;  // the rows' 732 pixels, a scroll bar and the frame
inline constexpr int kListY = 50;
inline constexpr int kListHeight = 212;
inline constexpr int kLineHeight = 16;
inline constexpr int kHeaderY = kListY - kLineHeight - 2;

// The columns of the rows: the layouts of text/list_layouts.h
// (statement_import), which the dialog checks.
inline constexpr ListColumn kDateColumn{22, 86};
inline constexpr ListColumn kAmountColumn{90, 166};
inline constexpr ListColumn kCategoryColumn{174, 294};
inline constexpr ListColumn kPredactionColumn{300, 366};
inline constexpr ListColumn kNoteColumn{372, 426};
inline constexpr ListColumn kDescriptionColumn{432, 732};

constexpr ControlResource Header(std::string_view caption, ListColumn column, HeadingAlign align) {
  return ListHeading(kNoControlId, caption, {kListX, kHeaderY, kLineHeight}, column, align);
}

inline constexpr ControlResource kControls[] = {
    {kLabel, kStatement, PURSO_TEXT("ImportDialog", "Statement"), kListX + 2, 8, 440, kLineHeight},
    {kLabel, kChosenCount, PURSO_TEXT("ImportDialog", "0 of 0 lines to import"), 532, 8, 240, kLineHeight, kRight},

    Header(PURSO_TEXT("ImportDialog", "Date"), kDateColumn, HeadingAlign::kLeft),
    Header(PURSO_TEXT("ImportDialog", "Amount"), kAmountColumn, HeadingAlign::kRight),
    Header(PURSO_TEXT("ImportDialog", "Category"), kCategoryColumn, HeadingAlign::kLeft),
    Header(PURSO_TEXT("ImportDialog", "Predaction"), kPredactionColumn, HeadingAlign::kLeft),
    Header(PURSO_TEXT("ImportDialog", "Note"), kNoteColumn, HeadingAlign::kLeft),
    Header(PURSO_TEXT("ImportDialog", "Description"), kDescriptionColumn, HeadingAlign::kLeft),
    {kColumnList, kLines, "", kListX, kListY, kListWidth, kListHeight, kVScroll | kMultiSelect},
    {kLabel, kOutside, "", kListX + 2, kListY + kListHeight + 6, kListWidth - 2, kLineHeight},
    {kLabel, kWarning, "", kListX + 2, kListY + kListHeight + 22, kListWidth - 2, kLineHeight},

    {kLabel, kNoControlId, PURSO_TEXT("ImportDialog", "Category of the selected lines"), kListX + 2, 306, 220,
     kLineHeight},
    {kDropDownList, kCategory, "", kListX, 324, 220, 24, kDisabled},
    {kCheckBox, kChosen, PURSO_TEXT("ImportDialog", "Import these &lines"), 246, 326, 180, 20, kDisabled},
    {kLabel, kNoControlId, PURSO_TEXT("ImportDialog", "Account of the statement"), 442, 306, 330, kLineHeight},
    {kDropDownList, kAccount, "", 440, 324, 332, 24, kDisabled},

    {kPushButton, kHelp, PURSO_TEXT("ImportDialog", "&Help"), 516, 362, 80, 26},
    {kPushButton, kImport, PURSO_TEXT("ImportDialog", "&Import"), 604, 362, 80, 26, kDefault},
    {kPushButton, kCancel, PURSO_TEXT("ImportDialog", "Cancel"), 692, 362, 80, 26},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("ImportDialog", "Import Statement"),
                                          782,
                                          400,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kPixels,
                                          {},
                                          "ImportDialog"};

}  // namespace purso::import_dialog
