#pragma once
// The softly shaded background of the About window: a bluish white at the top running to a warm
// light grey at the bottom, drawn as slanted one-pixel lines so that neighbouring rows blend.
// Computed here, without a window system, so that every pixel is checked by the unit tests.
#include <cstdint>

#include "common/qbcolor.h"
#include "menudata/picture.h"

namespace orvane {

constexpr int32_t kAboutGradientWidth = 422;
constexpr int32_t kAboutGradientHeight = 234;
// Larger pictures are refused: the background is a fixed, small area.
constexpr int32_t kAboutGradientMaxSide = 4096;

struct GradientColour {
  int32_t Red = 0;
  int32_t Green = 0;
  int32_t Blue = 0;
};

// Colour of the line drawn at y (0..height inclusive): each channel is a blend of the top and
// bottom colour, kept as a single-precision value; red is then rounded (a half to the even
// neighbour), green and blue are truncated.
GradientColour AboutGradientLineColour(int32_t y, int32_t height);

// The pen colour of that line in the Windows colour layout, red + 256 green + 65536 blue.
ColourValue AboutGradientPenColour(int32_t y, int32_t height);

// The background picture, white before any line is drawn. Line y runs from (0, y) to
// (width + 1, y + 1) with the end point left out, so it covers the left half of row y and the
// right half of row y + 1; the right half of the top row stays white. An empty picture when a
// side is below 1 or above kAboutGradientMaxSide.
Picture DrawAboutGradient(int32_t width = kAboutGradientWidth,
                          int32_t height = kAboutGradientHeight);

}  // namespace orvane
