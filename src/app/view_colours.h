// The colours of the account view and its chart in the desktop's theme.
//
// With a light palette the view is drawn in its own colours, as it always
// was, with one change: the reds (and any blue that would need it) are
// darkened until they stand out from the light grey panels by at least
// kTextContrast, the predicted bars' darker shades by kStrongContrast, so
// that the two bars in front of each other stay apart. With a dark palette
// the panels take a shade near the window's, the texts and lines the
// window's text colour, the frames' edges the palette's own; red and blue,
// from lighter shades, are lightened to the same contrasts against the
// panels, the predicted bars' the paler. Yellow, which marks the balance
// date, stays as it is.
#pragma once

#include "platform/colour_map.h"

namespace purso {

// The contrast the predicted bars' dark red and dark blue keep.
inline constexpr double kStrongContrast = 7.0;

CColourMap ViewColours(const DesktopPalette& palette);

}  // namespace purso
