// The desktop's palette for the drawing code: the colours a QPalette gives
// the roles the view, the chart and the list rows are drawn in.
#pragma once

#include <QPalette>

#include "platform/colour_map.h"

namespace purso {

DesktopPalette DesktopPaletteOf(const QPalette& palette);

}  // namespace purso
