#include "support/recording_canvas.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace purso {

void PrintTo(const Rgb& colour, std::ostream* out) {
  *out << "rgb(" << int{colour.red} << ", " << int{colour.green} << ", " << int{colour.blue} << ")";
}

void PrintTo(const PixelRect& rect, std::ostream* out) {
  *out << "[" << rect.left << ", " << rect.top << " .. " << rect.right << ", " << rect.bottom << ")";
}

namespace test {
namespace {

// Point sizes are given with one decimal; compare them as such.
bool SamePoints(double a, double b) { return std::fabs(a - b) < 0.05; }

std::string Show(const Rgb& colour) {
  std::ostringstream out;
  PrintTo(colour, &out);
  return out.str();
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const CRecordingCanvas::TextOp& op) {
  return out << "#" << op.order << " text \"" << op.text << "\" at (" << op.x << ", " << op.y << ") width "
             << op.width << " in " << op.face << " " << op.points << " colour " << Show(op.colour) << " on "
             << Show(op.background);
}

void CRecordingCanvas::Rectangle(const PixelRect& rect, Rgb outline, Rgb fill) {
  rectangles_.push_back(RectangleOp{next_++, rect, outline, fill});
}

void CRecordingCanvas::Line(int x1, int y1, int x2, int y2, Rgb colour) {
  lines_.push_back(LineOp{next_++, x1, y1, x2, y2, colour});
}

void CRecordingCanvas::Text(int x, int y, std::string_view text, const FontSpec& font, Rgb colour,
                            Rgb background) {
  const FontMetrics metrics = Metrics(font);
  texts_.push_back(TextOp{next_++, x, y, std::string(text), std::string(font.face), font.points, colour,
                          background, TextWidth(text, font), metrics.height});
}

int CRecordingCanvas::TextWidth(std::string_view text, const FontSpec& font) {
  return Metrics(font).charWidth * static_cast<int>(text.size());
}

int CRecordingCanvas::TextHeight(const FontSpec& font) { return Metrics(font).height; }

void CRecordingCanvas::SetMetrics(std::string_view face, double points, FontMetrics metrics) {
  for (FontEntry& entry : fonts_) {
    if (entry.face == face && SamePoints(entry.points, points)) {
      entry.metrics = metrics;
      return;
    }
  }
  fonts_.push_back(FontEntry{std::string(face), points, metrics});
}

FontMetrics CRecordingCanvas::Metrics(const FontSpec& font) const {
  for (const FontEntry& entry : fonts_) {
    if (entry.face == font.face && SamePoints(entry.points, font.points)) return entry.metrics;
  }
  return FontMetrics{};
}

std::vector<std::string> CRecordingCanvas::TextStrings() const {
  std::vector<std::string> strings;
  for (const TextOp& op : texts_) strings.push_back(op.text);
  return strings;
}

const CRecordingCanvas::TextOp* CRecordingCanvas::FindText(std::string_view text) const {
  for (const TextOp& op : texts_) {
    if (op.text == text) return &op;
  }
  return nullptr;
}

std::vector<const CRecordingCanvas::TextOp*> CRecordingCanvas::FindTexts(std::string_view text) const {
  std::vector<const TextOp*> found;
  for (const TextOp& op : texts_) {
    if (op.text == text) found.push_back(&op);
  }
  return found;
}

std::vector<const CRecordingCanvas::TextOp*> CRecordingCanvas::TextsAt(int x, int y) const {
  std::vector<const TextOp*> found;
  for (const TextOp& op : texts_) {
    if (op.x == x && op.y == y) found.push_back(&op);
  }
  return found;
}

std::vector<const CRecordingCanvas::TextOp*> CRecordingCanvas::TextsOnRow(int y) const {
  std::vector<const TextOp*> found;
  for (const TextOp& op : texts_) {
    if (op.y == y) found.push_back(&op);
  }
  std::stable_sort(found.begin(), found.end(), [](const TextOp* a, const TextOp* b) { return a->x < b->x; });
  return found;
}

std::vector<const CRecordingCanvas::TextOp*> CRecordingCanvas::TextsContaining(std::string_view part) const {
  std::vector<const TextOp*> found;
  for (const TextOp& op : texts_) {
    if (op.text.find(part) != std::string::npos) found.push_back(&op);
  }
  return found;
}

std::string CRecordingCanvas::Describe() const {
  // Merge the three kinds back into drawing order.
  std::vector<std::string> lines(next_);
  for (const RectangleOp& op : rectangles_) {
    std::ostringstream out;
    out << "#" << op.order << " rectangle ";
    PrintTo(op.rect, &out);
    out << " outline " << Show(op.outline) << " fill " << Show(op.fill);
    lines[op.order] = out.str();
  }
  for (const LineOp& op : lines_) {
    std::ostringstream out;
    out << "#" << op.order << " line (" << op.x1 << ", " << op.y1 << ") to (" << op.x2 << ", " << op.y2
        << ") " << Show(op.colour);
    lines[op.order] = out.str();
  }
  for (const TextOp& op : texts_) {
    std::ostringstream out;
    out << op;
    lines[op.order] = out.str();
  }
  std::string all;
  for (const std::string& line : lines) all += line + "\n";
  return all;
}

void CRecordingCanvas::Clear() {
  rectangles_.clear();
  lines_.clear();
  texts_.clear();
  next_ = 0;
}

}  // namespace test
}  // namespace purso
