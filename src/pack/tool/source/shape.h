#pragma once
// The window outline of a shaped menu as the shape text stores it: width and height as four
// digits each, then rows of cut-out runs. Pixel rows here count from 0 (the text's row marks count
// from 1); a run cuts the pixels X1 to X2 - 1.
#include <cstdint>
#include <string>
#include <vector>

#include "tool/source/png_io.h"

namespace orvane::pack {

// Four decimal digits per number.
constexpr int32_t kMaxShapeNumber = 9999;

struct ShapeRun {
  int32_t Y = 0;
  int32_t X1 = 0;
  int32_t X2 = 0;
  bool operator==(const ShapeRun& o) const { return Y == o.Y && X1 == o.X1 && X2 == o.X2; }
};

// Throws std::invalid_argument with the reason when a number does not fit four digits or a run
// lies outside the outline.
std::string FormatShapeText(int32_t width, int32_t height, std::vector<ShapeRun> runs);

// Runs of the pixels to cut: those with alpha below 128 or with exactly the colour cut (0xRRGGBB).
std::vector<ShapeRun> ShapeRunsFromMask(const RgbaImage& mask, uint32_t cutRgb);

struct ParsedShape {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<ShapeRun> Runs;
  std::vector<std::string> Problems;  // empty when the text is well formed
};

ParsedShape ParseShapeText(const std::string& text);

}  // namespace orvane::pack
