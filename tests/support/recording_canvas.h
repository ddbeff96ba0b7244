// CRecordingCanvas: a canvas that draws nothing and records every operation.
//
// Tests of anything that paints (list rows, the account view, the chart)
// draw on it and assert on what was recorded: rectangles with outline and
// fill, lines, and texts with position, font, colours and box size. Each
// operation carries its place in the drawing order, so a test can check
// that a background came before the text on it.
//
// Font metrics are fixed so that positions are exact numbers. Every
// character is the same width; a text's box is that width times its
// number of bytes by the font's height:
//
//   "MS Sans Serif" 8 pt     6 px per character, 13 px high
//   "Verdana"       8.8 pt   7 px per character, 14 px high
//   "Verdana"       12.7 pt 10 px per character, 20 px high
//   any other font           6 px per character, 13 px high
//
// SetMetrics replaces or adds the metrics of one face and size.
#pragma once

#include <cstddef>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"

namespace purso {

// Readable failure messages for the canvas value types.
void PrintTo(const Rgb& colour, std::ostream* out);
void PrintTo(const PixelRect& rect, std::ostream* out);

namespace test {

struct FontMetrics {
  int charWidth = 6;
  int height = 13;
};

class CRecordingCanvas final : public ICanvas {
 public:
  struct RectangleOp {
    std::size_t order = 0;  // place among all operations, from 0
    PixelRect rect;
    Rgb outline;
    Rgb fill;
  };

  struct LineOp {
    std::size_t order = 0;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Rgb colour;
  };

  struct TextOp {
    std::size_t order = 0;
    int x = 0;
    int y = 0;
    std::string text;
    std::string face;
    double points = 0.0;
    Rgb colour;
    Rgb background;
    int width = 0;   // of the box, by the metrics in force when drawn
    int height = 0;

    int Right() const { return x + width; }
    int Bottom() const { return y + height; }
    FontSpec Font() const { return FontSpec{face, points}; }
  };

  CRecordingCanvas() = default;

  void Rectangle(const PixelRect& rect, Rgb outline, Rgb fill) override;
  void Line(int x1, int y1, int x2, int y2, Rgb colour) override;
  void Text(int x, int y, std::string_view text, const FontSpec& font, Rgb colour, Rgb background) override;
  int TextWidth(std::string_view text, const FontSpec& font) override;
  int TextHeight(const FontSpec& font) override;

  void SetMetrics(std::string_view face, double points, FontMetrics metrics);
  FontMetrics Metrics(const FontSpec& font) const;

  const std::vector<RectangleOp>& Rectangles() const { return rectangles_; }
  const std::vector<LineOp>& Lines() const { return lines_; }
  const std::vector<TextOp>& Texts() const { return texts_; }
  // The drawn strings, in drawing order.
  std::vector<std::string> TextStrings() const;
  std::size_t OperationCount() const { return next_; }

  // The first text drawn with exactly this content; nullptr when none.
  const TextOp* FindText(std::string_view text) const;
  // Every text drawn with exactly this content, in drawing order.
  std::vector<const TextOp*> FindTexts(std::string_view text) const;
  // Every text whose box has its top-left corner at (x, y).
  std::vector<const TextOp*> TextsAt(int x, int y) const;
  // Every text whose top is at y, left to right.
  std::vector<const TextOp*> TextsOnRow(int y) const;
  // Every text that contains part.
  std::vector<const TextOp*> TextsContaining(std::string_view part) const;

  // Every operation, one a line, for failure messages.
  std::string Describe() const;
  // Forgets the recorded operations; the metrics stay.
  void Clear();

 private:
  struct FontEntry {
    std::string face;
    double points;
    FontMetrics metrics;
  };

  std::vector<RectangleOp> rectangles_;
  std::vector<LineOp> lines_;
  std::vector<TextOp> texts_;
  std::size_t next_ = 0;
  std::vector<FontEntry> fonts_ = {
      {"MS Sans Serif", 8.0, {6, 13}},
      {"Verdana", 8.8, {7, 14}},
      {"Verdana", 12.7, {10, 20}},
  };
};

std::ostream& operator<<(std::ostream& out, const CRecordingCanvas::TextOp& op);

}  // namespace test
}  // namespace purso
