// The toolbar's icons, drawn in code: a few flat shapes per command, so the
// program ships no artwork of unclear origin and the icons stay sharp at any
// screen scale.
#pragma once

#include <QIcon>

namespace purso {

// The icon of a toolbar command; a null icon for a command without one.
QIcon ToolbarIcon(int command);

}  // namespace purso
