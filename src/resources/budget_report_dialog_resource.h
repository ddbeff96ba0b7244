// Dialog resource of the Budget Report dialog: how the current year stands
// against its budget at the balance date, one row per category and one per
// type's total, each column under its header; the year's predicted and
// actual balances at the foot; and the ways to print the report and to
// write it out as HTML or CSV.
//
// Laid out in pixels, like the Solver: the rows carry their column
// positions in pixels, and each header must end where its column ends
// whatever the desktop's dialog font. The subtitle, the headers with a date
// and the balance captions are written when the dialog opens; their
// captions here are placeholders, xx/yy for the balance date and XX/YY for
// December 31.
#pragma once

#include <string_view>

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/list_heading.h"
#include "resources/translatable.h"

namespace purso::budget_report_dialog {

inline constexpr int kDialogId = dialog_id::kBudgetReport;
inline constexpr int kSubtitle = 1130;
inline constexpr int kShareHeader = 1131;
inline constexpr int kActualHeader = 1132;
inline constexpr int kSurplusAtDateHeader = 1133;
inline constexpr int kSurplusAtYearEndHeader = 1134;
inline constexpr int kRows = 1135;
inline constexpr int kPredictedAtDateLabel = 1136;
inline constexpr int kPredictedAtDate = 1137;
inline constexpr int kPredictedAtYearEndLabel = 1138;
inline constexpr int kPredictedAtYearEnd = 1139;
inline constexpr int kActualAtDateLabel = 1140;
inline constexpr int kActualAtDate = 1141;
inline constexpr int kActualAtYearEndLabel = 1142;
inline constexpr int kActualAtYearEnd = 1143;
inline constexpr int kPrint = 1144;
inline constexpr int kExportHtml = 1145;
inline constexpr int kExportCsv = 1146;
inline constexpr int kHelp = 1147;
inline constexpr int kDone = 1;

// The texts the dialog writes, with %1 (and %2) for what it fills in.
inline constexpr std::string_view kSubtitleText = PURSO_TEXT("BudgetReportDialog", "Budget of %1 at %2");
inline constexpr std::string_view kPredictedAtText = PURSO_TEXT("BudgetReportDialog", "Predicted balance at %1");
inline constexpr std::string_view kActualAtText = PURSO_TEXT("BudgetReportDialog", "Actual balance at %1");
inline constexpr std::string_view kNotYetKnown = PURSO_TEXT("BudgetReportDialog", "not yet known");
inline constexpr std::string_view kTotalText = PURSO_TEXT("BudgetReportDialog", "Total %1");
inline constexpr std::string_view kHtmlTitle = PURSO_TEXT("BudgetReportDialog", "Export Budget Report as HTML");
inline constexpr std::string_view kHtmlFilter = PURSO_TEXT("BudgetReportDialog", "HTML Files (*.html *.htm)");
inline constexpr std::string_view kCsvTitle = PURSO_TEXT("BudgetReportDialog", "Export Budget Report as CSV");
inline constexpr std::string_view kCsvFilter = PURSO_TEXT("BudgetReportDialog", "CSV Files (*.csv)");
inline constexpr std::string_view kHelpPage = "rpt_dlg.htm";

// The controls, positions in pixels.
namespace table {
using enum ControlKind;
using namespace control_style;

inline constexpr int kListX = 10;
inline constexpr int kListWidth = 732;  // the rows' 702 pixels, a scroll bar and the frame
inline constexpr int kLineHeight = 16;
inline constexpr int kHeaderY = 30;
inline constexpr int kListY = kHeaderY + 2 * kLineHeight + 4;
inline constexpr int kListHeight = 264;  // twenty rows
inline constexpr int kFootY = kListY + kListHeight + 10;
inline constexpr int kFieldWidth = 168;
inline constexpr int kButtonY = kFootY + 54;

// A header of two lines (the date or a word above the column's word) over a
// column: right-aligned over an amount, left-aligned over a name.
constexpr ControlResource Header(int id, std::string_view caption, int start, int end) {
  return ListHeading(id, caption, {kListX, kHeaderY, 2 * kLineHeight}, {start, end}, HeadingAlign::kRight, kWrap);
}
constexpr ControlResource LeftHeader(std::string_view caption, int start, int end) {
  return ListHeading(kNoControlId, caption, {kListX, kHeaderY, 2 * kLineHeight}, {start, end}, HeadingAlign::kLeft,
                     kWrap);
}
// A caption over a sunken value at the foot, the k-th from the left.
constexpr ControlResource FootLabel(int id, int k) {
  return {kLabel, id, "", kListX + k * (kFieldWidth + 10), kFootY, kFieldWidth, kLineHeight};
}
constexpr ControlResource FootValue(int id, int k) {
  return {kLabel, id, "", kListX + k * (kFieldWidth + 10), kFootY + 18, kFieldWidth, 24, kSunken | kRight};
}

inline constexpr ControlResource kControls[] = {
    {kLabel, kSubtitle, PURSO_TEXT("BudgetReportDialog", "Budget of YYYY at xx/yy"), kListX + 2, 8, kListWidth - 2,
     kLineHeight},
    LeftHeader(PURSO_TEXT("BudgetReportDialog", "\nCategory"), 0, 135),
    LeftHeader(PURSO_TEXT("BudgetReportDialog", "\nType"), 140, 180),
    Header(kNoControlId, PURSO_TEXT("BudgetReportDialog", "Annual\nbudget"), 185, 260),
    Header(kShareHeader, PURSO_TEXT("BudgetReportDialog", "xx/yy\nshare"), 265, 340),
    Header(kActualHeader, PURSO_TEXT("BudgetReportDialog", "xx/yy\nactual"), 345, 420),
    Header(kSurplusAtDateHeader, PURSO_TEXT("BudgetReportDialog", "xx/yy\nsurplus"), 425, 500),
    Header(kSurplusAtYearEndHeader, PURSO_TEXT("BudgetReportDialog", "XX/YY\nsurplus"), 505, 580),
    Header(kNoControlId, PURSO_TEXT("BudgetReportDialog", "Matched\npreds."), 585, 640),
    Header(kNoControlId, PURSO_TEXT("BudgetReportDialog", "Outst.\npreds."), 645, 700),
    {kColumnList, kRows, "", kListX, kListY, kListWidth, kListHeight, kVScroll},

    FootLabel(kPredictedAtDateLabel, 0),
    FootValue(kPredictedAtDate, 0),
    FootLabel(kPredictedAtYearEndLabel, 1),
    FootValue(kPredictedAtYearEnd, 1),
    FootLabel(kActualAtDateLabel, 2),
    FootValue(kActualAtDate, 2),
    FootLabel(kActualAtYearEndLabel, 3),
    FootValue(kActualAtYearEnd, 3),

    {kPushButton, kPrint, PURSO_TEXT("BudgetReportDialog", "&Print..."), kListX, kButtonY, 96, 26},
    {kPushButton, kExportHtml, PURSO_TEXT("BudgetReportDialog", "Export &HTML..."), kListX + 104, kButtonY, 120, 26},
    {kPushButton, kExportCsv, PURSO_TEXT("BudgetReportDialog", "Export &CSV..."), kListX + 232, kButtonY, 120, 26},
    {kPushButton, kHelp, PURSO_TEXT("BudgetReportDialog", "&Help"), kListX + kListWidth - 172, kButtonY, 80, 26},
    {kPushButton, kDone, PURSO_TEXT("BudgetReportDialog", "&Done"), kListX + kListWidth - 84, kButtonY, 84, 26,
     kDefault},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("BudgetReportDialog", "Budget Report"),
                                          table::kListX + table::kListWidth + 10,
                                          table::kButtonY + 36,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kPixels,
                                          {},
                                          "BudgetReportDialog"};

}  // namespace purso::budget_report_dialog
