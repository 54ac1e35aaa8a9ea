#include <zlib.h>

#include <stdexcept>

#include "writer/menu_writer.h"

namespace orvane::pack {

// Level 9 through compress2: the same pixels always give the same bytes, so fixtures and packed
// players are reproducible.
Bytes CompressPixels(const Picture& picture) {
  const uint64_t raw = static_cast<uint64_t>(picture.Pixels.size()) * 4;
  if (raw > static_cast<uint64_t>(INT32_MAX))
    throw std::invalid_argument("picture larger than 2 GiB of pixels");

  Bytes pixels;
  pixels.reserve(static_cast<size_t>(raw));
  for (uint32_t pixel : picture.Pixels)
    for (int shift = 0; shift < 32; shift += 8)
      pixels.push_back(static_cast<uint8_t>(pixel >> shift));

  uLongf packedSize = compressBound(static_cast<uLong>(raw));
  Bytes block(4 + packedSize);
  const auto inflated = static_cast<uint32_t>(raw);
  for (int i = 0; i < 4; ++i) block[i] = static_cast<uint8_t>(inflated >> (8 * i));
  const int status =
      compress2(block.data() + 4, &packedSize, pixels.data(), static_cast<uLong>(raw), 9);
  if (status != Z_OK) throw std::runtime_error("zlib could not compress a picture");
  block.resize(4 + packedSize);
  return block;
}

}  // namespace orvane::pack
