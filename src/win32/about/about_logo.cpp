#include "about_logo.h"

#include "common/colour.h"

// Private copy of the decoder, JPEG only, with every function static so that it cannot clash with
// another stb_image in the same program.
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_NO_THREAD_LOCALS
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#endif
#include "stb/stb_image.h"
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace orvane {

Picture DecodeAboutLogo(const void* data, size_t size) {
  Picture picture;
  if (!data || size == 0 || size > kAboutLogoMaxBytes) return picture;
  const auto* bytes = static_cast<const stbi_uc*>(data);
  const int length = static_cast<int>(size);
  int width = 0, height = 0, components = 0;
  if (!stbi_info_from_memory(bytes, length, &width, &height, &components)) return picture;
  if (width < 1 || height < 1 || width > kAboutLogoMaxSide || height > kAboutLogoMaxSide)
    return picture;
  stbi_uc* rgb = stbi_load_from_memory(bytes, length, &width, &height, &components, 3);
  if (!rgb) return picture;
  picture.Width = width;
  picture.Height = height;
  picture.Pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  for (size_t i = 0; i < picture.Pixels.size(); ++i) {
    const stbi_uc* p = rgb + i * 3;
    picture.Pixels[i] = PixelOfRgb(p[0], p[1], p[2]);
  }
  stbi_image_free(rgb);
  return picture;
}

Picture LoadAboutLogo(HINSTANCE instance) {
  // RT_RCDATA in its wide form, whatever the character set of the build.
  HRSRC found = FindResourceW(instance, kAboutLogoResource, MAKEINTRESOURCEW(10));
  if (!found) return {};
  const DWORD size = SizeofResource(instance, found);
  HGLOBAL loaded = LoadResource(instance, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  return DecodeAboutLogo(data, size);
}

}  // namespace orvane
