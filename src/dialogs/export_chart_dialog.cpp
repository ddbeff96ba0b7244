#include "dialogs/export_chart_dialog.h"

#include <optional>
#include <string>

#include "data/translation.h"
#include "platform/shown_text.h"
#include "resources/export_chart_dialog_resource.h"
#include "text/date_text.h"

namespace purso {
namespace {

namespace ids = export_chart_dialog;

struct FormatButton {
  int id;
  PictureFormat format;
};
constexpr FormatButton kFormats[] = {
    {ids::kPng, PictureFormat::kPng}, {ids::kSvg, PictureFormat::kSvg}, {ids::kPdf, PictureFormat::kPdf}};

std::string Shown(std::string_view text) { return ShownText(ids::kResource, text); }

// A size typed as a whole number of pixels, spaces around it allowed.
std::optional<int> ReadSize(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return ReadWholeNumberIn(text, ids::kSmallestSize, ids::kLargestSize);
}

}  // namespace

CExportChartDialog::CExportChartDialog(ChartExportChoice choice) : CEditingDialog(ids::kResource), choice_(choice) {}

void CExportChartDialog::OnInit() {
  CControlModel& controls = Controls();
  for (const FormatButton& button : kFormats) {
    if (button.format == choice_.format) controls.SetChecked(button.id, true);
  }
  controls.SetText(ids::kWidth, std::to_string(choice_.width));
  controls.SetText(ids::kHeight, std::to_string(choice_.height));
  controls.SetFocus(ids::kWidth);
}

void CExportChartDialog::OnCommand(int controlId) {
  if (controlId == ids::kOk) return OnOk();
  CEditingDialog::OnCommand(controlId);
}

void CExportChartDialog::OnOk() {
  const std::optional<int> width = ReadSize(Controls().GetText(ids::kWidth));
  if (!width) return Refuse(Shown(ids::kSizeProblem), Shown(ids::kSizeSuggestion), ids::kWidth);
  const std::optional<int> height = ReadSize(Controls().GetText(ids::kHeight));
  if (!height) return Refuse(Shown(ids::kSizeProblem), Shown(ids::kSizeSuggestion), ids::kHeight);
  for (const FormatButton& button : kFormats) {
    if (Controls().IsChecked(button.id)) choice_.format = button.format;
  }
  choice_.width = *width;
  choice_.height = *height;
  EndDialog(kCommandOk);
}

}  // namespace purso
