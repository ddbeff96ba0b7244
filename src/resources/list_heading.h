// Headings over the columns of a column list, laid out in pixels: each
// stands where the row renderer draws its column's text, inside the list's
// one-pixel frame, a left-aligned heading from the column's start plus 2,
// a right-aligned one ending at the column's end plus 2.
#pragma once

#include <cstdint>
#include <string_view>

#include "resources/dialog_resource.h"

namespace purso {

// A column of the rows, start and end in pixels from the row's left edge,
// as its layout string gives them ("%140!220!RR%").
struct ListColumn {
  int start;
  int end;
};

enum class HeadingAlign : std::uint8_t { kLeft, kRight };

// Where a heading goes: the list's left edge, the heading's top and height.
struct HeadingPlace {
  int listX;
  int y;
  int height;
};

constexpr ControlResource ListHeading(int id, std::string_view caption, HeadingPlace place, ListColumn column,
                                      HeadingAlign align, std::uint32_t style = control_style::kNone) {
  constexpr int kFrame = 1;
  const bool right = align == HeadingAlign::kRight;
  return {ControlKind::kLabel,
          id,
          caption,
          place.listX + kFrame + column.start + (right ? 0 : 2),
          place.y,
          column.end - column.start + 2,
          place.height,
          style | (right ? control_style::kRight : control_style::kNone)};
}

}  // namespace purso
