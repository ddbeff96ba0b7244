// Two desktop palettes for the tests of what the theme changes: Qt's own
// light one (Fusion) and a dark one of the kind desktops ship.
#pragma once

#include "platform/colour_map.h"

namespace purso::test {

inline constexpr DesktopPalette kLightPalette{
    .window = {239, 239, 239},
    .windowText = {0, 0, 0},
    .base = {255, 255, 255},
    .text = {0, 0, 0},
    .light = {255, 255, 255},
    .dark = {160, 160, 160},
    .highlight = {48, 140, 198},
    .highlightedText = {255, 255, 255},
};

inline constexpr DesktopPalette kDarkPalette{
    .window = {42, 46, 50},
    .windowText = {252, 252, 252},
    .base = {27, 30, 32},
    .text = {252, 252, 252},
    .light = {64, 70, 76},
    .dark = {25, 27, 29},
    .highlight = {61, 174, 233},
    .highlightedText = {252, 252, 252},
};

}  // namespace purso::test
