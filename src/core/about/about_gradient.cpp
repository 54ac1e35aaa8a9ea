#include "about/about_gradient.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

// The blend is computed in double and stored in a float before it becomes a whole number: the
// float store decides the cases where the double lands a hair below an integer.
float Blend(double bottom, double top, double t) {
  return static_cast<float>(bottom * t + top * (1.0 - t));
}

int32_t RoundHalfToEven(float value) {
  const double lower = std::floor(static_cast<double>(value));
  const double fraction = static_cast<double>(value) - lower;
  auto whole = static_cast<int32_t>(lower);
  if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0)) ++whole;
  return whole;
}

int32_t Truncate(float value) { return static_cast<int32_t>(value); }

// Picture pixels hold blue in the low byte, red in bits 16-23.
uint32_t PixelOf(const GradientColour& c) {
  return (static_cast<uint32_t>(c.Red) << 16) | (static_cast<uint32_t>(c.Green) << 8) |
         static_cast<uint32_t>(c.Blue);
}

}  // namespace

GradientColour AboutGradientLineColour(int32_t y, int32_t height) {
  const double t = height > 0 ? static_cast<double>(y) / height : 0.0;
  GradientColour c;
  c.Red = RoundHalfToEven(Blend(244, 252, t));
  c.Green = Truncate(Blend(243, 252, t));
  c.Blue = Truncate(Blend(238, 254, t));
  return c;
}

ColourValue AboutGradientPenColour(int32_t y, int32_t height) {
  const GradientColour c = AboutGradientLineColour(y, height);
  return ComposeColour(c.Red, c.Green, c.Blue);
}

Picture DrawAboutGradient(int32_t width, int32_t height) {
  Picture picture;
  if (width < 1 || height < 1 || width > kAboutGradientMaxSide || height > kAboutGradientMaxSide)
    return picture;
  picture.Width = width;
  picture.Height = height;
  picture.Pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0x00FFFFFFu);

  // A line from (0, y) to (width + 1, y + 1) steps down where it crosses the middle of its run:
  // the pixel at x lies on the lower row when 2x > width + 1. With an odd run (the window's 423)
  // no pixel sits exactly on the middle.
  const int32_t run = width + 1;
  const int32_t firstLower = std::min(run / 2 + 1, width);
  const auto rowStart = [&picture, width](int32_t y) {
    return picture.Pixels.begin() + static_cast<std::ptrdiff_t>(y) * width;
  };
  for (int32_t y = 0; y < height; ++y) {
    const uint32_t pixel = PixelOf(AboutGradientLineColour(y, height));
    std::fill(rowStart(y), rowStart(y) + firstLower, pixel);
    if (y + 1 < height) std::fill(rowStart(y + 1) + firstLower, rowStart(y + 2), pixel);
  }
  return picture;
}

}  // namespace orvane
