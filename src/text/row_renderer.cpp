#include "text/row_renderer.h"

#include <array>
#include <cstddef>
#include <string>
#include <utility>

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

struct ColumnLayout {
  int start = 0;
  int end = 0;
  char alignment = 'L';
  char colour = 'B';
};

}  // namespace

void DrawListRow(ICanvas& canvas, std::string_view row, int left, int top, int right, RowState state) {
  const bool selected = state == RowState::kSelected;
  const Rgb background = selected ? kListNavy : kListWhite;
  const Rgb normal = selected ? kListWhite : kListNavy;
  canvas.Rectangle(PixelRect{left, top, right, top + kListRowHeight}, background, background);

  const CRowText text(row);
  // Text before the first layout (a malformed row) is drawn as if it were
  // a normal left-aligned column at 0.
  ColumnLayout layout;
  std::string segment;

  const auto drawSegment = [&] {
    // An empty segment would draw nothing visible.
    if (segment.empty()) return;
    const Rgb colour = layout.colour == 'B' ? normal : kListRed;
    const int x = layout.alignment == 'L' ? layout.start + 2
                                           : layout.end - canvas.TextWidth(segment, kListFont) + 2;
    canvas.Text(left + x, top, segment, kListFont, colour, background);
  };

  // A layout string opens a column and draws the one before it; the
  // terminator's layout thus draws the last column. "|" hides a sort key
  // (6 characters), "@" a record id (10). The index runs onto the text's
  // terminating zero, which adds nothing to the segment.
  std::size_t i = 0;
  while (i <= text.Length()) {
    if (text.At(i) == '%') {
      if (i != 0) drawSegment();
      layout.start = text.Position(i + 1);
      layout.end = text.Position(i + 5);
      layout.alignment = text.At(i + 9);
      layout.colour = text.At(i + 10);
      segment.clear();
      i += kLayoutLength;
    }
    if (text.At(i) == '|') i += 6;
    if (text.At(i) == '@') {
      i += 9;
    } else if (text.At(i) != '\0') {
      segment += text.At(i);
    }
    ++i;
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

namespace {

// A canvas that keeps the texts drawn on it and draws nothing.
class CTextCollector final : public ICanvas {
 public:
  void Rectangle(const PixelRect&, Rgb, Rgb) override {}
  void Line(int, int, int, int, Rgb) override {}
  void Text(int, int, std::string_view text, const FontSpec&, Rgb, Rgb) override {
    if (text.find_first_not_of(' ') == std::string_view::npos) return;
    if (!texts_.empty()) texts_ += ", ";
    texts_ += text;
  }
  int TextWidth(std::string_view, const FontSpec&) override { return 0; }
  int TextHeight(const FontSpec&) override { return kListRowHeight; }

  std::string Texts() && { return std::move(texts_); }

 private:
  std::string texts_;
};

}  // namespace

std::string ListRowText(std::string_view row) {
  if (row.find('%') == std::string_view::npos) return std::string(row);
  CTextCollector collector;
  DrawListRow(collector, row, 0, 0, 0, RowState::kNormal);
  return std::move(collector).Texts();
}

}  // namespace purso
