#pragma once
// The picture decoder: turns the pixel payload of one picture value into a Picture. Version-6
// payloads are raw pixels; later ones are a zlib block that is inflated in one pass straight into
// the picture's own pixel buffer. One instance is kept per reader so that its buffers and its
// inflate state are reused for every picture of every menu.
#include <cstdint>
#include <memory>
#include <vector>

#include "menudata/buffered_file.h"
#include "menudata/picture.h"

namespace orvane {

class BmpArray {
 public:
  BmpArray();
  ~BmpArray();
  BmpArray(const BmpArray&) = delete;
  BmpArray& operator=(const BmpArray&) = delete;

  // Width, height, then width x height x 4 bytes of pixels. False on any fault; the picture is
  // then empty. A payload whose sizes are plausible is read past even when refused, as is one
  // that would decode to more than maxBytes.
  bool ReadRawPixels(BufferedFile& in, Picture& picture, int64_t maxBytes);
  // Width, height, block length C, then C bytes: the inflated length U, which must be width x
  // height x 4, and a zlib stream whose first U inflated bytes are the pixels; whatever the
  // stream or the block holds after them is ignored. The reader always ends at the end of the
  // block when C is within the file.
  bool ReadPackedPixels(BufferedFile& in, Picture& picture, int64_t maxBytes);
  // Reads past a payload of either layout without decoding it, unless its length cannot be
  // trusted.
  void SkipPixels(BufferedFile& in, bool packed);

 private:
  struct Inflater;
  std::unique_ptr<Inflater> inflater_;
  std::vector<uint8_t> block_;  // the compressed bytes of the picture being read
};

// Both sides 1 to kMaxPictureSide and no more than kMaxPicturePixels in all.
bool PictureSizeAccepted(int32_t width, int32_t height);

}  // namespace orvane
