// CColourMap: the colours of the drawing code as the desktop's theme shows them.
//
// The account view, the chart and the list rows are drawn in fixed colours
// (Rgb). On screen they pass through a colour map made from the desktop's
// palette: a light palette shows them much as they are drawn, a dark one
// swaps the light backgrounds and dark texts for its own. The colours that
// carry meaning (red for money out, blue for money in) are moved only as far
// as they must be to stand out from their background by a contrast ratio.
//
// Contrast is the WCAG 2 ratio of relative luminances, from 1 (equal) to 21
// (black on white); 4.5 is the least it asks of text.
#pragma once

#include <utility>
#include <vector>

#include "platform/canvas.h"

namespace purso {

inline constexpr double kTextContrast = 4.5;

// The colours of a desktop palette the drawing needs, by role.
struct DesktopPalette {
  Rgb window;           // the background of windows and panels
  Rgb windowText;       // text on it
  Rgb base;             // the background of lists and fields
  Rgb text;             // text on it
  Rgb light;            // the lit edge of a raised or sunken frame
  Rgb dark;             // its shaded edge
  Rgb highlight;        // a selected row's background
  Rgb highlightedText;  // its text
};

// Whether the palette writes light text on dark backgrounds.
bool IsDark(const DesktopPalette& palette);

// The WCAG 2 relative luminance, 0 (black) to 1 (white).
double RelativeLuminance(Rgb colour);
// The contrast ratio of two colours, 1 to 21, whichever is lighter.
double ContrastRatio(Rgb a, Rgb b);
// The colour moved toward black on a light background, or toward white on a
// dark one, just far enough to reach the contrast ratio minimum against
// background; the colour itself when it reaches it already. Mixing keeps
// its hue.
Rgb WithContrast(Rgb colour, Rgb background, double minimum);
// The mixture of a and b, share (0..1) of b.
Rgb Mix(Rgb a, Rgb b, double share);

class CColourMap {
 public:
  // Shows designed as shown; the last setting of a colour holds.
  CColourMap& Set(Rgb designed, Rgb shown);
  // The colour shown for a designed one; a colour never set is shown as designed.
  Rgb operator()(Rgb designed) const;

 private:
  std::vector<std::pair<Rgb, Rgb>> colours_;
};

}  // namespace purso
