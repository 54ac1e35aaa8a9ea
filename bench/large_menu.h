#pragma once
// The large benchmark menu shared by the benchmarks: a version-7 menu with a 720 x 491 background
// and 100 buttons with three 140 x 36 pictures each, all compressed, packed as "bench.mnu" into a
// container behind a two-byte executable.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "common/colour.h"
#include "menudata/menu_file.h"
#include "writer/menu_defaults.h"
#include "writer/menu_writer.h"

namespace orvane::bench {

// Smooth gradients with a little noise: compresses about as well as rendered menu artwork.
inline Picture Artwork(int32_t width, int32_t height, uint32_t seed) {
  Picture p;
  p.Width = width;
  p.Height = height;
  p.Pixels.resize(static_cast<size_t>(width) * height);
  std::mt19937 noise(seed);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t blue = (x * 255 / width + seed) & 0xFF;
      const uint32_t green = (y * 255 / height) & 0xFF;
      const uint32_t red = ((x + y) / 4 + (noise() % 8 == 0 ? noise() % 3 : 0)) & 0xFF;
      p.Pixels[static_cast<size_t>(y) * width + x] = PixelOfRgb(red, green, blue);
    }
  return p;
}

inline MenuFile LargeMenu() {
  MenuFile menu;
  menu.Settings = pack::DefaultSettings();
  menu.Settings.MenuTitle = "Benchmark Disc";
  menu.Settings.DescriptionFont.Name = "Arial";
  menu.Pictures.push_back(PictureAt(0, 0, 0, Artwork(720, 491, 1)));
  for (int n = 1; n <= 100; ++n) {
    ButtonRecord button = pack::DefaultButton();
    button.Target = "docs\\item" + std::to_string(n) + ".pdf";
    button.Description = "Opens item " + std::to_string(n);
    button.Caption = "Item " + std::to_string(n);
    menu.Buttons.push_back(button);
    for (uint8_t state = 0; state < 3; ++state)
      menu.Pictures.push_back(PictureAt(static_cast<uint8_t>(n), state, 0,
                                        Artwork(140, 36, static_cast<uint32_t>(n * 3 + state))));
  }
  pack::UpdateCounts(menu);
  return menu;
}

constexpr char kLargeMenuName[] = "bench.mnu";

inline pack::Bytes LargeMenuExecutable(const MenuFile& menu) {
  return pack::AppendContainer({'M', 'Z'}, {{kLargeMenuName, pack::WriteMenuFile(menu)}});
}

// Bytes of all decoded pixels of the menu.
inline size_t DecodedPixelBytes(const MenuFile& menu) {
  size_t bytes = 0;
  for (const PictureValue& p : menu.Pictures) bytes += p.Image.Pixels.size() * 4;
  return bytes;
}

}  // namespace orvane::bench
