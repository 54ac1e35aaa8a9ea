#include "window_region.h"

#include <vector>

namespace orvane {

HRGN CreateOutlineRegion(const WindowOutline& outline) {
  if (outline.Kept.empty()) return CreateRectRgn(0, 0, 0, 0);
  // One call for all rectangles: combining them one by one costs time in the square of their
  // number, and a detailed outline has thousands.
  std::vector<char> buffer(sizeof(RGNDATAHEADER) + outline.Kept.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(outline.Kept.size());
  data->rdh.nRgnSize = static_cast<DWORD>(outline.Kept.size() * sizeof(RECT));
  RECT bound{0, 0, 0, 0};
  auto* rects = reinterpret_cast<RECT*>(data->Buffer);
  for (size_t i = 0; i < outline.Kept.size(); ++i) {
    const Bounds& b = outline.Kept[i];
    rects[i] = RECT{b.Left, b.Top, b.Left + b.Width, b.Top + b.Height};
    if (i == 0) {
      bound = rects[i];
    } else {
      UnionRect(&bound, &bound, &rects[i]);
    }
  }
  data->rdh.rcBound = bound;
  HRGN region = ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
  if (region) return region;
  // Fallback for a system that refuses the block: the same region, one rectangle at a time.
  region = CreateRectRgn(0, 0, 0, 0);
  for (const Bounds& b : outline.Kept) {
    HRGN part = CreateRectRgn(b.Left, b.Top, b.Left + b.Width, b.Top + b.Height);
    CombineRgn(region, region, part, RGN_OR);
    DeleteObject(part);
  }
  return region;
}

}  // namespace orvane
