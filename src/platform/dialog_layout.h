// How the controls of a dialog that holds a list follow a larger size.
//
// Such a dialog may be made larger than its resource, never smaller, and
// its lists take the extra room: each grows by the whole extra width, and
// the lists share the extra height, one above the other. Everything else
// keeps its size:
//   - what stands beside the lists (their buttons) keeps to the right edge,
//     as do the push buttons in the right half under or between them;
//   - what stands under a list moves down with it, and so do the buttons
//     beside a list in its lowest third (Help and Done), while those near
//     its top (Add, Remove) stay;
//   - the rest, above all the input rows and headings over the lists'
//     columns, stays where it is, since the columns of a list's rows do not
//     move when the list grows.
// Positions are pixels of the dialog's client area.
#pragma once

#include <span>
#include <vector>

#include "platform/canvas.h"
#include "resources/dialog_resource.h"

namespace purso {

constexpr bool IsList(const ControlResource& control) {
  return control.kind == ControlKind::kList || control.kind == ControlKind::kColumnList;
}

// Whether the dialog holds a list, and so may be resized.
constexpr bool IsResizable(const DialogResource& resource) {
  for (const ControlResource& control : resource.controls) {
    if (IsList(control)) return true;
  }
  return false;
}

// The boxes of the controls (in the resource's order, at the resource's
// size) when the dialog is wider by extraWidth and higher by extraHeight
// pixels (each 0 or more). Precondition: boxes holds one box per control.
std::vector<PixelRect> GrownLayout(std::span<const ControlResource> controls, std::span<const PixelRect> boxes,
                                   int extraWidth, int extraHeight);

}  // namespace purso
