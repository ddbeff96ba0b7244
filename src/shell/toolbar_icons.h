// The toolbar's icons, drawn in code: a few flat shapes per command, so the
// program ships no artwork of unclear origin. They are drawn at the size and
// in the palette they are shown with: sharp at any screen scale, with light
// outlines on a dark toolbar.
#pragma once

#include <QIcon>

namespace purso {

// The icon of a toolbar command; a null icon for a command without one.
QIcon ToolbarIcon(int command);

}  // namespace purso
