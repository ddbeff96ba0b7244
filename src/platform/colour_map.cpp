#include "platform/colour_map.h"

#include <algorithm>
#include <cmath>

namespace purso {
namespace {

double Linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::uint8_t MixChannel(std::uint8_t a, std::uint8_t b, double share) {
  return static_cast<std::uint8_t>(std::lround(a + (b - a) * share));
}

}  // namespace

bool IsDark(const DesktopPalette& palette) {
  return RelativeLuminance(palette.window) < RelativeLuminance(palette.windowText);
}

double RelativeLuminance(Rgb colour) {
  return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

double ContrastRatio(Rgb a, Rgb b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb Mix(Rgb a, Rgb b, double share) {
  return Rgb{MixChannel(a.red, b.red, share), MixChannel(a.green, b.green, share), MixChannel(a.blue, b.blue, share)};
}

Rgb WithContrast(Rgb colour, Rgb background, double minimum) {
  if (ContrastRatio(colour, background) >= minimum) return colour;
  // Toward whichever end lies farther from the background in luminance.
  const Rgb end = RelativeLuminance(background) > 0.18 ? Rgb{0, 0, 0} : Rgb{255, 255, 255};
  // The least share of the end that reaches the ratio, to a 1/256.
  int low = 0;
  int high = 256;
  while (low < high) {
    const int middle = (low + high) / 2;
    if (ContrastRatio(Mix(colour, end, middle / 256.0), background) >= minimum) {
      high = middle;
    } else {
      low = middle + 1;
    }
  }
  return Mix(colour, end, low / 256.0);
}

CColourMap& CColourMap::Set(Rgb designed, Rgb shown) {
  const auto found =
      std::find_if(colours_.begin(), colours_.end(), [&](const auto& entry) { return entry.first == designed; });
  if (found != colours_.end()) {
    found->second = shown;
  } else {
    colours_.emplace_back(designed, shown);
  }
  return *this;
}

Rgb CColourMap::operator()(Rgb designed) const {
  for (const auto& [from, to] : colours_) {
    if (from == designed) return to;
  }
  return designed;
}

}  // namespace purso
