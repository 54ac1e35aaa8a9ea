#include "app/placement.h"

#include <algorithm>

namespace orvane {

namespace {
struct Corner {
  int64_t Left;
  int64_t Top;
};

Corner Uncorrected(int32_t code, int64_t sw, int64_t sh, int64_t w, int64_t h) {
  // C++ integer division truncates toward zero, as the placement table wants.
  const int64_t centredLeft = (sw - w) / 2;
  const int64_t centredTop = (sh - h) / 2;
  const int64_t quarterLeft = ((sw / 2) - w) / 2;
  const int64_t quarterTop = ((sh / 2) - h) / 2;
  switch (code) {
    case 1: return {0, 0};
    case 2: return {sw - w, 0};
    case 3: return {0, sh - h};
    case 4: return {sw - w, sh - h};
    case 5: return {quarterLeft, quarterTop};
    case 6: return {sw / 2 + quarterLeft, quarterTop};
    case 7: return {quarterLeft, sh / 2 + quarterTop};
    case 8: return {sw / 2 + quarterLeft, sh / 2 + quarterTop};
    case 9: return {(sw - w) / 3, quarterTop};
    case 10: return {static_cast<int64_t>(static_cast<double>(sw - w) / 1.66), quarterTop};
    default: return {centredLeft, centredTop};
  }
}
}  // namespace

Bounds ComputePlacement(int32_t code, const ScreenSize& screen, int32_t width, int32_t height) {
  const int64_t sw = screen.Width;
  const int64_t sh = screen.Height;
  Corner c = Uncorrected(code, sw, sh, width, height);
  c.Left = std::min(std::max<int64_t>(c.Left, 0), sw - width);
  c.Top = std::min(std::max<int64_t>(c.Top, 0), sh - height);
  return Bounds{static_cast<int32_t>(c.Left), static_cast<int32_t>(c.Top), width, height};
}

}  // namespace orvane
