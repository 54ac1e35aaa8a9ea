#pragma once
// PNG pictures in and out of the tool. Menu pixels carry a fourth byte that the player copies along
// without meaning; a source says what goes there: a constant (0 unless told otherwise) or the
// PNG's alpha channel.
#include <cstdint>
#include <string>
#include <vector>

#include "menudata/picture.h"
#include "menudata/read_limits.h"

namespace orvane::pack {

// Pictures beyond the player's reading limits (kMaxPictureSide a side, kMaxPicturePixels in all)
// are refused here, so that no menu the tool writes is one the player turns down.

struct RgbaImage {
  int32_t Width = 0;
  int32_t Height = 0;
  std::vector<uint8_t> Rgba;  // 4 bytes per pixel, top row first
};

struct FourthByte {
  bool FromAlpha = false;
  uint8_t Constant = 0;
};

// Throws ToolError naming the path when the file is missing, not a PNG or too large.
RgbaImage LoadPng(const std::string& path);
Picture PictureFromRgba(const RgbaImage& image, FourthByte fourth);
Picture LoadPicturePng(const std::string& path, FourthByte fourth);

// Writes RGB, or RGBA with the fourth byte as alpha, atomically.
void SavePicturePng(const std::string& path, const Picture& picture, bool fourthByteAsAlpha);

}  // namespace orvane::pack
