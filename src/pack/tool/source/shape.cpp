#include "tool/source/shape.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include "common/colour.h"

namespace orvane::pack {

namespace {

std::string FourDigits(int32_t value, const char* what) {
  if (value < 0 || value > kMaxShapeNumber)
    throw std::invalid_argument(std::string(what) + " " + std::to_string(value) +
                                " does not fit the four digits of the shape text");
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%04d", static_cast<int>(value));
  return buffer;
}

// -1 when the four characters at pos are not all decimal digits (or run past the end).
int32_t ReadFourDigits(const std::string& text, size_t pos) {
  if (pos + 4 > text.size()) return -1;
  int32_t value = 0;
  for (size_t i = pos; i < pos + 4; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

std::string FormatShapeText(int32_t width, int32_t height, std::vector<ShapeRun> runs) {
  std::string text = FourDigits(width, "width") + FourDigits(height, "height");
  std::sort(runs.begin(), runs.end(), [](const ShapeRun& a, const ShapeRun& b) {
    return a.Y != b.Y ? a.Y < b.Y : a.X1 < b.X1;
  });
  int32_t row = -1;
  for (const ShapeRun& run : runs) {
    if (run.Y < 0 || run.Y >= height)
      throw std::invalid_argument("run on row " + std::to_string(run.Y) + " outside the height " +
                                  std::to_string(height));
    if (run.X1 < 0 || run.X1 >= run.X2 || run.X2 > width)
      throw std::invalid_argument("run " + std::to_string(run.X1) + " to " +
                                  std::to_string(run.X2) + " on row " + std::to_string(run.Y) +
                                  " is empty or outside the width " + std::to_string(width));
    // Every row that has runs gets its mark, the first one too: the text then reads the same
    // whatever row the reader starts on.
    if (run.Y != row) {
      text += "Y" + FourDigits(run.Y + 1, "row");
      row = run.Y;
    }
    text += FourDigits(run.X1, "run start") + FourDigits(run.X2, "run end");
  }
  return text;
}

std::vector<ShapeRun> ShapeRunsFromMask(const RgbaImage& mask, uint32_t cutRgb) {
  std::vector<ShapeRun> runs;
  const RgbChannels cutColour = ChannelsOfPixel(cutRgb);
  for (int32_t y = 0; y < mask.Height; ++y) {
    int32_t start = -1;
    for (int32_t x = 0; x <= mask.Width; ++x) {
      bool cut = false;
      if (x < mask.Width) {
        const uint8_t* p = &mask.Rgba[(static_cast<size_t>(y) * mask.Width + x) * 4];
        cut = p[3] < 128 ||
              (p[0] == cutColour.Red && p[1] == cutColour.Green && p[2] == cutColour.Blue);
      }
      if (cut && start < 0) start = x;
      if (!cut && start >= 0) {
        runs.push_back({y, start, x});
        start = -1;
      }
    }
  }
  return runs;
}

ParsedShape ParseShapeText(const std::string& text) {
  ParsedShape shape;
  shape.Width = ReadFourDigits(text, 0);
  shape.Height = ReadFourDigits(text, 4);
  if (shape.Width < 0 || shape.Height < 0) {
    shape.Problems.push_back("does not start with a width and a height of four digits each");
    return shape;
  }
  int32_t row = 1;
  size_t pos = 8;
  while (pos < text.size()) {
    const size_t itemStart = pos + 1;  // counted from 1, as an author reads it
    if (text[pos] == 'Y') {
      row = ReadFourDigits(text, pos + 1);
      if (row < 0) {
        shape.Problems.push_back("row mark at character " + std::to_string(itemStart) +
                                 " is not Y and four digits");
        return shape;
      }
      pos += 5;
      if (pos >= text.size()) {
        shape.Problems.push_back("row mark at character " + std::to_string(itemStart) +
                                 " is not followed by a run");
        return shape;
      }
      if (row < 1 || row > shape.Height)
        shape.Problems.push_back("row " + std::to_string(row) + " at character " +
                                 std::to_string(itemStart) + " is outside 1 to the height " +
                                 std::to_string(shape.Height));
    }
    const int32_t x1 = ReadFourDigits(text, pos), x2 = ReadFourDigits(text, pos + 4);
    if (x1 < 0 || x2 < 0) {
      shape.Problems.push_back("run at character " + std::to_string(pos + 1) +
                               " is not eight digits");
      return shape;
    }
    if (x1 >= x2 || x2 > shape.Width)
      shape.Problems.push_back("run " + std::to_string(x1) + " to " + std::to_string(x2) +
                               " at character " + std::to_string(pos + 1) +
                               " is empty or outside the width " + std::to_string(shape.Width));
    shape.Runs.push_back({row - 1, x1, x2});
    pos += 8;
  }
  return shape;
}

}  // namespace orvane::pack
