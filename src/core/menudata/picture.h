#pragma once
// One decoded menu picture: 32-bit pixels, top row first, each row left to right. A pixel holds
// blue in bits 0-7, green in 8-15, red in 16-23 and a fourth byte (24-31) kept as stored.
#include <cstdint>
#include <vector>

namespace orvane {

struct Picture {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint32_t> Pixels;  // Width * Height values

  uint32_t At(int32_t x, int32_t y) const { return Pixels[static_cast<size_t>(y) * Width + x]; }
  bool Empty() const { return Pixels.empty(); }
  // No picture; the pixel memory is kept for the next one.
  void Clear() {
    Width = Height = 0;
    Pixels.clear();
  }
};

}  // namespace orvane
