// The renderer of column list rows: draws one row of a column list on a canvas.
//
// The row's layout strings place each column's text; hidden sort keys and
// record ids are not drawn. A selected row is white on navy; a column whose
// colour letter is not "B" is red whether the row is selected or not. Rows
// are 13 pixels high, in the 8-point "MS Sans Serif" font.
//
// On screen the colours pass through ListRowColours: a light palette keeps
// them, a dark one draws rows in its list colours; red always stands out
// from the row's background by kTextContrast. ListRowText is what a row
// shows, as plain text, for screen readers.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/colour_map.h"

namespace purso {

inline constexpr int kListRowHeight = 13;
inline constexpr FontSpec kListFont{"MS Sans Serif", 8.0};

inline constexpr Rgb kListNavy{0, 0, 127};
inline constexpr Rgb kListWhite{255, 255, 255};
inline constexpr Rgb kListRed{255, 0, 0};

enum class RowState { kNormal, kSelected };

// One drawn column of a row: where its layout places it (pixels from the
// row's left edge), how it is aligned and coloured, and the text it shows
// (hidden sort keys and record ids left out).
struct ListRowColumn {
  int start = 0;
  int end = 0;
  char alignment = 'L';
  char colour = 'B';
  std::string text;

  friend bool operator==(const ListRowColumn&, const ListRowColumn&) = default;
};

// The columns of a row that draw something, in the order of the row, read
// exactly as the renderer reads them.
std::vector<ListRowColumn> ListRowColumns(std::string_view row);

// The x (from the row's left edge) at which a column's text of the given
// width starts.
int ColumnTextLeft(const ListRowColumn& column, int textWidth);

// Draws the row whose top-left corner is (left, top) and which reaches to
// right; column positions count from left.
void DrawListRow(ICanvas& canvas, std::string_view row, int left, int top, int right, RowState state);

// The colours a row in that state is shown in with the palette.
CColourMap ListRowColours(const DesktopPalette& palette, RowState state);

// The texts the row shows, in the order of its columns, parted by ", " (for
// type-ahead and screen readers); a plain row, without a layout, as it is.
std::string ListRowText(std::string_view row);

}  // namespace purso
