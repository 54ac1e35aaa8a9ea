#pragma once
// One fuzz input as a menu's shape text. The outline is built as the loader builds it; for small
// outlines every pixel is also checked against a plain pixel mask that applies the same cuts, so
// a rectangle that overlaps another, leaves the outline or misses a kept pixel is caught.
// Returns an empty text when every rule held, else what broke.
#include <algorithm>
#include <string>
#include <vector>

#include "app/window_shape.h"

namespace orvane::fuzzing {

// Outlines up to this many pixels are compared pixel by pixel.
constexpr int64_t kMaskedPixels = 1 << 14;

inline std::string CheckShapeText(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<ShapeDescription> shape = ParseShapeText(text);
  const std::optional<WindowOutline> outline = BuildShapeRegion(text);
  if (shape.has_value() != outline.has_value()) return "the parser and the builder disagree";
  if (!shape) return {};
  if (shape->Width < 0 || shape->Width > 9999 || shape->Height < 0 || shape->Height > 9999)
    return "a size that four digits cannot hold";
  if (shape->Cuts.size() > kMaxShapeCuts) return "more cuts than the limit";

  const int32_t width = shape->Width;
  const int32_t height = shape->Height;
  for (const Bounds& kept : outline->Kept) {
    if (kept.Width <= 0 || kept.Height <= 0) return "an empty rectangle";
    if (kept.Left < 0 || kept.Top < 0 || kept.Left + kept.Width > width ||
        kept.Top + kept.Height > height)
      return "a rectangle outside the outline's size";
  }
  if (int64_t{width} * height > kMaskedPixels) return {};

  std::vector<uint8_t> expected(static_cast<size_t>(width) * height, 1);
  for (const ShapeCut& cut : shape->Cuts) {
    if (cut.Row < 0 || cut.Row >= height) continue;
    for (int32_t x = std::max(cut.X1, 0); x < std::min(cut.X2, width); ++x)
      expected[static_cast<size_t>(cut.Row) * width + x] = 0;
  }
  std::vector<uint8_t> covered(expected.size(), 0);
  for (const Bounds& kept : outline->Kept)
    for (int32_t y = kept.Top; y < kept.Top + kept.Height; ++y)
      for (int32_t x = kept.Left; x < kept.Left + kept.Width; ++x)
        if (++covered[static_cast<size_t>(y) * width + x] > 1) return "overlapping rectangles";
  if (covered != expected) return "the rectangles differ from the cuts";
  return {};
}

}  // namespace orvane::fuzzing
