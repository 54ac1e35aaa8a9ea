#pragma once
// The two orders in which colours travel: Windows colour values hold red in the low byte
// (0x00BBGGRR), picture pixels and "#RRGGBB" texts hold blue there (0x00RRGGBB).
#include <cstdint>
#include <cstdio>
#include <string>

namespace orvane {

using ColourValue = uint32_t;

// Red, green and blue values as stored in a menu; only the low byte of each counts.
constexpr ColourValue ComposeColour(int32_t red, int32_t green, int32_t blue) {
  return (static_cast<uint32_t>(red) & 0xFFu) | ((static_cast<uint32_t>(green) & 0xFFu) << 8) |
         ((static_cast<uint32_t>(blue) & 0xFFu) << 16);
}

// The same three values as a pixel, 0x00RRGGBB.
constexpr uint32_t PixelOfRgb(int32_t red, int32_t green, int32_t blue) {
  return ComposeColour(blue, green, red);
}

// The red, green and blue bytes of a 0x00RRGGBB pixel (or "#RRGGBB" value).
struct RgbChannels {
  uint8_t Red, Green, Blue;
};
constexpr RgbChannels ChannelsOfPixel(uint32_t rgb) {
  return {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
          static_cast<uint8_t>(rgb)};
}

// 0x00BBGGRR to 0x00RRGGBB and back; the top byte is dropped.
constexpr uint32_t SwapRedBlue(uint32_t colour) {
  return (colour & 0xFFu) << 16 | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

// "#RRGGBB" of a 0x00RRGGBB value.
inline std::string HexRgb(uint32_t rgb) {
  const RgbChannels c = ChannelsOfPixel(rgb);
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", unsigned{c.Red}, unsigned{c.Green},
                unsigned{c.Blue});
  return text;
}

}  // namespace orvane
