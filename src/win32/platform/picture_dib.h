#pragma once
// The core's pictures as Windows device-independent bitmaps: 32 bits a pixel with blue in the
// lowest byte, top row first, which is exactly how a Picture stores its pixels.
#include <windows.h>

#include <cstdint>

namespace orvane {

inline BITMAPINFO PictureBitmapInfo(int32_t width, int32_t height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // negative: top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace orvane
