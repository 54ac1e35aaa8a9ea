#pragma once
// The outline of a shaped menu window, decoded from the menu's shape text. The text holds the
// outline's width and height as four digits each, then items until its end: a row mark "Y" and
// four digits (rows counted from 1), or a run of eight digits x1 x2 that cuts the pixels x1 to
// x2 - 1 out of the current row.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/menu_view.h"

namespace orvane {

struct ShapeCut {
  int32_t Row = 0;  // pixel row, counted from 0 (row mark - 1)
  int32_t X1 = 0;   // first pixel cut
  int32_t X2 = 0;   // first pixel kept after the cut
};

struct ShapeDescription {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<ShapeCut> Cuts;
  // False when the items stopped at a field that is not four decimal digits or is cut short;
  // the cuts before it stand.
  bool Complete = true;
};

// More runs than any picture of 9999 x 9999 pixels needs in practice; a text beyond that is cut
// off there (Complete false) rather than growing without bound.
constexpr size_t kMaxShapeCuts = 1u << 20;

// std::nullopt when the width or height is not four decimal digits.
std::optional<ShapeDescription> ParseShapeText(const std::string& text);

// The rectangles that stay of the width x height rectangle once the cuts are removed, row bands
// merged (consecutive rows with the same spans form one rectangle), top to bottom, left to right.
WindowOutline OutlineFromShape(const ShapeDescription& shape);

WindowOutline RectangleOutline(int32_t width, int32_t height);

// The outline described by a shape text; std::nullopt when its size cannot be read.
std::optional<WindowOutline> BuildShapeRegion(const std::string& text);

}  // namespace orvane
