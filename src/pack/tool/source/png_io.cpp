#include "tool/source/png_io.h"

#include <limits>

#include "common/colour.h"
#include "tool/file_io.h"
#include "tool/tool_error.h"

// The one translation unit that holds the stb implementations.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include "stb/stb_image.h"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include "stb/stb_image_write.h"

namespace orvane::pack {

RgbaImage LoadPng(const std::string& path) {
  const std::vector<uint8_t> data = ReadWholeFile(path);
  if (data.size() > static_cast<size_t>(std::numeric_limits<int>::max()))
    throw ToolError(path, "", "is too large");
  int width = 0, height = 0, channels = 0;
  if (!stbi_info_from_memory(data.data(), static_cast<int>(data.size()), &width, &height,
                             &channels))
    throw ToolError(path, "", std::string("is not a readable PNG: ") + stbi_failure_reason());
  if (width <= 0 || height <= 0 || width > kMaxPictureSide || height > kMaxPictureSide ||
      int64_t{width} * height > kMaxPicturePixels)
    throw ToolError(path, "",
                    "picture size " + std::to_string(width) + "x" + std::to_string(height) +
                        " is beyond what the player reads (" + std::to_string(kMaxPictureSide) +
                        " pixels a side, " + std::to_string(kMaxPicturePixels) + " pixels in all)");
  stbi_uc* pixels = stbi_load_from_memory(data.data(), static_cast<int>(data.size()), &width,
                                          &height, &channels, 4);
  if (!pixels)
    throw ToolError(path, "", std::string("cannot be decoded: ") + stbi_failure_reason());
  RgbaImage image;
  image.Width = width;
  image.Height = height;
  image.Rgba.assign(pixels, pixels + static_cast<size_t>(width) * height * 4);
  stbi_image_free(pixels);
  return image;
}

Picture PictureFromRgba(const RgbaImage& image, FourthByte fourth) {
  Picture picture;
  picture.Width = image.Width;
  picture.Height = image.Height;
  const size_t count = static_cast<size_t>(image.Width) * image.Height;
  picture.Pixels.resize(count);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* p = &image.Rgba[i * 4];
    const uint32_t top = fourth.FromAlpha ? p[3] : fourth.Constant;
    picture.Pixels[i] = PixelOfRgb(p[0], p[1], p[2]) | (top << 24);
  }
  return picture;
}

Picture LoadPicturePng(const std::string& path, FourthByte fourth) {
  return PictureFromRgba(LoadPng(path), fourth);
}

namespace {

void AppendToVector(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<uint8_t>*>(context);
  const auto* bytes = static_cast<const uint8_t*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

void SavePicturePng(const std::string& path, const Picture& picture, bool fourthByteAsAlpha) {
  if (picture.Width <= 0 || picture.Height <= 0 ||
      picture.Pixels.size() != static_cast<size_t>(picture.Width) * picture.Height)
    throw ToolError(path, "", "picture has no pixels to write");
  const int channels = fourthByteAsAlpha ? 4 : 3;
  std::vector<uint8_t> raw(picture.Pixels.size() * channels);
  for (size_t i = 0; i < picture.Pixels.size(); ++i) {
    const uint32_t v = picture.Pixels[i];
    uint8_t* p = &raw[i * channels];
    const RgbChannels c = ChannelsOfPixel(v);
    p[0] = c.Red;
    p[1] = c.Green;
    p[2] = c.Blue;
    if (fourthByteAsAlpha) p[3] = static_cast<uint8_t>(v >> 24);
  }
  std::vector<uint8_t> png;
  if (!stbi_write_png_to_func(AppendToVector, &png, picture.Width, picture.Height, channels,
                              raw.data(), picture.Width * channels))
    throw ToolError(path, "", "PNG encoding failed");
  WriteFileAtomically(path, png);
}

}  // namespace orvane::pack
