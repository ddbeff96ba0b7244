// Dialog resource of the Export Chart dialog: the kind of picture the cash
// flow chart is written as, and its size in pixels.
#pragma once

#include <string_view>

#include "resources/command_ids.h"
#include "resources/dialog_resource.h"
#include "resources/translatable.h"

namespace purso::export_chart_dialog {

inline constexpr int kDialogId = dialog_id::kExportChart;
inline constexpr int kPng = 1150;
inline constexpr int kSvg = 1151;
inline constexpr int kPdf = 1152;
inline constexpr int kWidth = 1153;
inline constexpr int kHeight = 1154;
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

// The sizes a picture may have, in pixels, each way.
inline constexpr int kSmallestSize = 100;
inline constexpr int kLargestSize = 10000;
inline constexpr std::string_view kSizeProblem = PURSO_TEXT("ExportChartDialog", "The size is invalid.");
inline constexpr std::string_view kSizeSuggestion =
    PURSO_TEXT("ExportChartDialog", "Enter a number of pixels from 100 to 10000.");

// The controls, positions in the resource's units.
namespace table {
using enum ControlKind;
using namespace control_style;
inline constexpr ControlResource kControls[] = {
    {kGroupBox, kNoControlId, PURSO_TEXT("ExportChartDialog", "Picture"), 7, 4, 112, 50},
    {kRadioButton, kPng, PURSO_TEXT("ExportChartDialog", "&PNG image"), 14, 14, 98, 10, kGroup | kChecked},
    {kRadioButton, kSvg, PURSO_TEXT("ExportChartDialog", "&SVG drawing"), 14, 26, 98, 10},
    {kRadioButton, kPdf, PURSO_TEXT("ExportChartDialog", "P&DF page"), 14, 38, 98, 10},
    {kLabel, kNoControlId, PURSO_TEXT("ExportChartDialog", "Width (pixels)"), 7, 62, 60, 8},
    {kEdit, kWidth, "", 70, 60, 49, 12},
    {kLabel, kNoControlId, PURSO_TEXT("ExportChartDialog", "Height (pixels)"), 7, 78, 60, 8},
    {kEdit, kHeight, "", 70, 76, 49, 12},
    {kPushButton, kOk, PURSO_TEXT("ExportChartDialog", "&Export..."), 126, 7, 54, 14, kDefault},
    {kPushButton, kCancel, PURSO_TEXT("ExportChartDialog", "Cancel"), 126, 25, 54, 14},
};
}  // namespace table

inline constexpr DialogResource kResource{kDialogId,
                                          PURSO_TEXT("ExportChartDialog", "Export Chart"),
                                          187,
                                          96,
                                          "MS Sans Serif",
                                          8,
                                          table::kControls,
                                          LayoutUnits::kDialogUnits,
                                          {},
                                          "ExportChartDialog"};

}  // namespace purso::export_chart_dialog
