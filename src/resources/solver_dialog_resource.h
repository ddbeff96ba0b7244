// Dialog resource of the Solver dialog: the variable categories in surplus
// above those in deficit, each list under its five column headers, and the
// three ways of moving budget from the selected surplus row to the selected
// deficit row.
//
// Laid out in pixels, not dialog units: the lists' rows carry their column
// positions in pixels, and each header must end where its column ends
// whatever the desktop's dialog font. The headers and the two transfer
// buttons by date are written when the dialog opens; their captions here are
// placeholders, xx/yy for the balance date and XX/YY for December 31.
#pragma once

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/list_heading.h"
#include "resources/translatable.h"

namespace purso::solver_dialog {

inline constexpr int kDialogId = dialog_id::kSolver;
inline constexpr int kSurplusList = 1082;
inline constexpr int kDeficitList = 1086;
// Headers over the surplus list's five amount columns.
inline constexpr int kSurplusBalance = 1090;
inline constexpr int kSurplusBudget = 1091;
inline constexpr int kSurplusAtDate = 1092;
inline constexpr int kSurplusAnnualBudget = 1110;
inline constexpr int kSurplusAtYearEnd = 1111;
// Headers over the deficit list's five amount columns.
inline constexpr int kDeficitBalance = 1093;
inline constexpr int kDeficitBudget = 1094;
inline constexpr int kDeficitAtDate = 1095;
inline constexpr int kDeficitAnnualBudget = 1112;
inline constexpr int kDeficitAtYearEnd = 1113;
inline constexpr int kTransferAtDate = 1088;     // moves the surplus at the balance date
inline constexpr int kTransferAtYearEnd = 1089;  // moves the surplus at December 31
inline constexpr int kTransfer = 1096;           // moves the typed amount
inline constexpr int kAmount = 1103;
inline constexpr int kHelp = 1087;
inline constexpr int kDone = 1;

// The controls, positions in pixels.
namespace table {
using enum ControlKind;
using namespace control_style;

inline constexpr int kListX = 10;
inline constexpr int kListWidth = 592;  // the rows' 562 pixels, a scroll bar and the frame
inline constexpr int kListHeight = 108;
inline constexpr int kLineHeight = 16;
inline constexpr int kUpperY = 8;
inline constexpr int kLowerY = 196;

// A header in two lines, the date above its word, right-aligned to end where
// its column's text ends: at the column's end position plus the renderer's
// 2 pixels, inside the list's frame. Narrower than a whole header, wide
// enough for its word: the line breaks after the date in any ordinary
// dialog font, since in one line the headers would run together.
constexpr ControlResource Header(int id, std::string_view caption, int columnEnd, int y) {
  constexpr int kWidth = 64;
  return ListHeading(id, caption, {kListX, y, 2 * kLineHeight}, {columnEnd + 2 - kWidth, columnEnd},
                     HeadingAlign::kRight, kWrap);
}

inline constexpr ControlResource kControls[] = {
    {kLabel, kNoControlId, PURSO_TEXT("SolverDialog", "Categories in surplus"), kListX + 2, kUpperY + kLineHeight, 130,
     kLineHeight},
    Header(kSurplusBalance, PURSO_TEXT("SolverDialog", "xx/yy balance"), 220, kUpperY),
    Header(kSurplusBudget, PURSO_TEXT("SolverDialog", "xx/yy budget"), 305, kUpperY),
    Header(kSurplusAtDate, PURSO_TEXT("SolverDialog", "xx/yy surplus"), 390, kUpperY),
    Header(kSurplusAnnualBudget, PURSO_TEXT("SolverDialog", "XX/YY budget"), 475, kUpperY),
    Header(kSurplusAtYearEnd, PURSO_TEXT("SolverDialog", "XX/YY surplus"), 560, kUpperY),
    {kColumnList, kSurplusList, "", kListX, kUpperY + 36, kListWidth, kListHeight, kSorted | kVScroll},

    {kPushButton, kTransferAtDate, PURSO_TEXT("SolverDialog", "Solve for xx/yy"), kListX, 160, 170, 26, kDisabled},
    {kPushButton, kTransferAtYearEnd, PURSO_TEXT("SolverDialog", "Solve for XX/YY"), 186, 160, 170, 26, kDisabled},
    {kEdit, kAmount, "", 412, 161, 100, 24},
    {kPushButton, kTransfer, PURSO_TEXT("SolverDialog", "Transfer"), 518, 160, 84, 26, kDisabled},

    {kLabel, kNoControlId, PURSO_TEXT("SolverDialog", "Categories in deficit"), kListX + 2, kLowerY + kLineHeight, 130,
     kLineHeight},
    Header(kDeficitBalance, PURSO_TEXT("SolverDialog", "xx/yy balance"), 220, kLowerY),
    Header(kDeficitBudget, PURSO_TEXT("SolverDialog", "xx/yy budget"), 305, kLowerY),
    Header(kDeficitAtDate, PURSO_TEXT("SolverDialog", "xx/yy deficit"), 390, kLowerY),
    Header(kDeficitAnnualBudget, PURSO_TEXT("SolverDialog", "XX/YY budget"), 475, kLowerY),
    Header(kDeficitAtYearEnd, PURSO_TEXT("SolverDialog", "XX/YY deficit"), 560, kLowerY),
    {kColumnList, kDeficitList, "", kListX, kLowerY + 36, kListWidth, kListHeight, kSorted | kVScroll},

    {kPushButton, kHelp, PURSO_TEXT("SolverDialog", "&Help"), 434, 350, 80, 26},
    {kPushButton, kDone, PURSO_TEXT("SolverDialog", "&Done"), 522, 350, 80, 26, kDefault},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("SolverDialog", "Solver"),
                                          612,
                                          386,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kPixels,
                                          {},
                                          "SolverDialog"};

}  // namespace purso::solver_dialog
