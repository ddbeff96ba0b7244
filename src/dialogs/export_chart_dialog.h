// CExportChartDialog: the Export Chart dialog (175), which asks how the cash
// flow chart is to be written: as a PNG image, an SVG drawing or a PDF page,
// and at what size in pixels.
//
// It opens on the choice it is given. OK refuses a width or height that is
// not a whole number from 100 to 10000, with the focus on that field, and
// otherwise ends with 1, Choice() then being what the user chose. Cancel,
// Escape and the close box end with 2. The dialog writes nothing: its
// opener asks for the file and writes the picture.
#pragma once

#include <cstdint>

#include "dialogs/editing_dialog.h"

namespace purso {

enum class PictureFormat : std::uint8_t { kPng, kSvg, kPdf };

struct ChartExportChoice {
  PictureFormat format = PictureFormat::kPng;
  int width = 0;  // pixels
  int height = 0;
};

class CExportChartDialog final : public CEditingDialog {
 public:
  explicit CExportChartDialog(ChartExportChoice choice);

  void OnInit() override;
  void OnCommand(int controlId) override;

  const ChartExportChoice& Choice() const { return choice_; }

 private:
  void OnOk();

  ChartExportChoice choice_;
};

}  // namespace purso
