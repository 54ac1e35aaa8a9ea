#include "app/window_shape.h"

#include <algorithm>
#include <map>
#include <utility>

namespace orvane {

namespace {
// Reads count decimal digits at the 0-based index; false when the text ends first or a character
// is not a digit.
bool ReadDigits(const std::string& text, size_t index, size_t count, int32_t& value) {
  if (index + count > text.size()) return false;
  int32_t result = 0;
  for (size_t i = index; i < index + count; ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return false;
    result = result * 10 + (c - '0');
  }
  value = result;
  return true;
}

using Spans = std::vector<std::pair<int32_t, int32_t>>;  // [left, right)

Spans KeptSpans(int32_t width, std::vector<std::pair<int32_t, int32_t>>& cuts) {
  std::sort(cuts.begin(), cuts.end());
  Spans kept;
  int32_t x = 0;
  for (const auto& cut : cuts) {
    const int32_t from = std::max(cut.first, 0);
    const int32_t to = std::min(cut.second, width);
    if (from >= to) continue;
    if (from > x) kept.emplace_back(x, from);
    x = std::max(x, to);
  }
  if (x < width) kept.emplace_back(x, width);
  return kept;
}
}  // namespace

std::optional<ShapeDescription> ParseShapeText(const std::string& text) {
  ShapeDescription shape;
  if (!ReadDigits(text, 0, 4, shape.Width) || !ReadDigits(text, 4, 4, shape.Height))
    return std::nullopt;
  int32_t row = 1;
  // p is the 1-based position of the next item; the loop runs while p is less than the length.
  size_t p = 9;
  while (p < text.size()) {
    if (shape.Cuts.size() >= kMaxShapeCuts) {
      shape.Complete = false;
      break;
    }
    if (text[p - 1] == 'Y') {
      if (!ReadDigits(text, p, 4, row)) {
        shape.Complete = false;
        break;
      }
      p += 5;
    }
    ShapeCut cut;
    if (!ReadDigits(text, p - 1, 4, cut.X1) || !ReadDigits(text, p + 3, 4, cut.X2)) {
      shape.Complete = false;
      break;
    }
    cut.Row = row - 1;
    shape.Cuts.push_back(cut);
    p += 8;
  }
  return shape;
}

WindowOutline OutlineFromShape(const ShapeDescription& shape) {
  WindowOutline outline;
  // Cuts on rows outside the outline are never looked up. No rows, or rows with no width, keep
  // nothing (KeptSpans of a width of 0 or less is empty); an empty or reversed run cuts nothing.
  std::map<int32_t, std::vector<std::pair<int32_t, int32_t>>> cutsByRow;
  for (const ShapeCut& cut : shape.Cuts) cutsByRow[cut.Row].emplace_back(cut.X1, cut.X2);
  Spans previous;
  std::vector<size_t> open;  // indices into outline.Kept of the band that the previous row grows
  for (int32_t y = 0; y < shape.Height; ++y) {
    Spans spans = KeptSpans(shape.Width, cutsByRow[y]);
    if (y > 0 && spans == previous) {
      for (size_t index : open) ++outline.Kept[index].Height;
      continue;
    }
    open.clear();
    for (const auto& span : spans) {
      open.push_back(outline.Kept.size());
      outline.Kept.push_back(Bounds{span.first, y, span.second - span.first, 1});
    }
    previous = std::move(spans);
  }
  return outline;
}

WindowOutline RectangleOutline(int32_t width, int32_t height) {
  WindowOutline outline;
  if (width > 0 && height > 0) outline.Kept.push_back(Bounds{0, 0, width, height});
  return outline;
}

std::optional<WindowOutline> BuildShapeRegion(const std::string& text) {
  const std::optional<ShapeDescription> shape = ParseShapeText(text);
  if (!shape) return std::nullopt;
  return OutlineFromShape(*shape);
}

}  // namespace orvane
