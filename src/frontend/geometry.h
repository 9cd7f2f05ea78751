#pragma once

#include <cmath>

#include "common/form.h"

namespace aquamere {

// The layouts were drawn at 96 dots an inch, 15 twips a pixel; a screen of
// another density scales every position, size and font with it.
inline constexpr int layout_dpi = 96;
inline constexpr int twips_per_pixel = 15;

struct PixelRect {
  int left = 0, top = 0, width = 0, height = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// Rounded to the nearest pixel.
constexpr int to_pixels(int twips, int dpi = layout_dpi) {
  const long scaled = static_cast<long>(twips) * dpi;
  constexpr long per_pixel = static_cast<long>(twips_per_pixel) * layout_dpi;
  return static_cast<int>((scaled + per_pixel / 2) / per_pixel);
}

constexpr PixelRect to_pixels(const Rect& r, int dpi = layout_dpi) {
  return {to_pixels(r.left, dpi), to_pixels(r.top, dpi), to_pixels(r.width, dpi), to_pixels(r.height, dpi)};
}

// A font's height in pixels on a screen of that density, rounded.
inline int point_pixels(double points, int dpi = layout_dpi) {
  return static_cast<int>(std::lround(points * dpi / 72.0));
}

}  // namespace aquamere
