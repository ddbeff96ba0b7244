#include "text/row_renderer.h"

#include <array>
#include <cstddef>
#include <string>

#include "text/list_row.h"

namespace purso {
namespace {

// The row as the list hands it over: at most kMaxRowLength characters, up
// to its first zero byte. Every read past the text sees a zero, so a layout
// cut short near the end reads as zeros instead of running off the buffer.
class CRowText {
 public:
  explicit CRowText(std::string_view row) {
    while (length_ < row.size() && length_ < kMaxRowLength && row[length_] != '\0') {
      bytes_[length_] = row[length_];
      ++length_;
    }
  }

  std::size_t Length() const { return length_; }
  char At(std::size_t i) const { return i < length_ ? bytes_[i] : '\0'; }

  // The number of the leading decimal digits among the three characters at
  // i; 0 when the first is not a digit.
  int Position(std::size_t i) const {
    int value = 0;
    for (std::size_t k = i; k < i + 3; ++k) {
      const char c = At(k);
      if (c < '0' || c > '9') break;
      value = value * 10 + (c - '0');
    }
    return value;
  }

 private:
  std::array<char, kMaxRowLength> bytes_{};
  std::size_t length_ = 0;
};

}  // namespace

std::vector<ListRowColumn> ListRowColumns(std::string_view row) {
  std::vector<ListRowColumn> columns;
  const CRowText text(row);
  // Text before the first layout (a malformed row) is read as if it were a
  // normal left-aligned column at 0.
  ListRowColumn column;
  const auto finish = [&] {
    // An empty segment would draw nothing visible.
    if (!column.text.empty()) columns.push_back(column);
  };

  // A layout string opens a column and closes the one before it; the
  // terminator's layout thus closes the last column. "|" hides a sort key
  // (6 characters), "@" a record id (10). The index runs onto the text's
  // terminating zero, which adds nothing to the segment.
  std::size_t i = 0;
  while (i <= text.Length()) {
    if (text.At(i) == '%') {
      if (i != 0) finish();
      column.start = text.Position(i + 1);
      column.end = text.Position(i + 5);
      column.alignment = text.At(i + 9);
      column.colour = text.At(i + 10);
      column.text.clear();
      i += kLayoutLength;
    }
    if (text.At(i) == '|') i += 6;
    if (text.At(i) == '@') {
      i += 9;
    } else if (text.At(i) != '\0') {
      column.text += text.At(i);
    }
    ++i;
  }
  return columns;
}

std::string ListRowText(std::string_view row) {
  if (row.find('%') == std::string_view::npos) return std::string(row);
  std::string text;
  for (const ListRowColumn& column : ListRowColumns(row)) {
    if (column.text.find_first_not_of(' ') == std::string::npos) continue;
    if (!text.empty()) text += ", ";
    text += column.text;
  }
  return text;
}

int ColumnTextLeft(const ListRowColumn& column, int textWidth) {
  return column.alignment == 'L' ? column.start + 2 : column.end - textWidth + 2;
}

void DrawListRow(ICanvas& canvas, std::string_view row, int left, int top, int right, RowState state) {
  const bool selected = state == RowState::kSelected;
  const Rgb background = selected ? kListNavy : kListWhite;
  const Rgb normal = selected ? kListWhite : kListNavy;
  canvas.Rectangle(PixelRect{left, top, right, top + kListRowHeight}, background, background);
  for (const ListRowColumn& column : ListRowColumns(row)) {
    const Rgb colour = column.colour == 'B' ? normal : kListRed;
    const int x = ColumnTextLeft(column, canvas.TextWidth(column.text, kListFont));
    canvas.Text(left + x, top, column.text, kListFont, colour, background);
  }
}

CColourMap ListRowColours(const DesktopPalette& palette, RowState state) {
  const bool selected = state == RowState::kSelected;
  CColourMap colours;
  Rgb background = selected ? kListNavy : kListWhite;
  if (IsDark(palette)) {
    background = selected ? palette.highlight : palette.base;
    const Rgb text = selected ? palette.highlightedText : palette.text;
    colours.Set(selected ? kListNavy : kListWhite, background).Set(selected ? kListWhite : kListNavy, text);
  }
  return colours.Set(kListRed, WithContrast(kListRed, background, kTextContrast));
}

}  // namespace purso
