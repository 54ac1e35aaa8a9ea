#include "menudata/bmp_array.h"

#include <zlib.h>

#include <optional>

#include "menudata/read_limits.h"

namespace orvane {

namespace {

// Pixels are stored little-endian; on such a host the bytes are the values already.
void PixelsFromLittleEndian(std::vector<uint32_t>& pixels) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  for (uint32_t& p : pixels) p = __builtin_bswap32(p);
#else
  (void)pixels;
#endif
}

// The bytes of a raw payload of these sides; none when a side is below 1 or the rest of the file
// cannot hold them (compared in pixels: the byte count of two large sides does not fit in 64 bits).
std::optional<int64_t> RawPayloadBytes(int32_t width, int32_t height, const BufferedFile& in) {
  if (width < 1 || height < 1 || int64_t{width} * height > in.Remaining() / 4) return std::nullopt;
  return int64_t{width} * height * 4;
}

}  // namespace

struct BmpArray::Inflater {
  z_stream stream{};
  bool ready = false;
  ~Inflater() {
    if (ready) inflateEnd(&stream);
  }
  // Fills out from the start of the zlib stream and stops there: a stream that holds more, and
  // bytes after the stream, are left unread. Never writes past outSize. False when the stream
  // is damaged or ends before out is full.
  bool Inflate(const uint8_t* in, size_t inSize, uint8_t* out, size_t outSize) {
    if (!ready) {
      if (inflateInit(&stream) != Z_OK) return false;
      ready = true;
    } else if (inflateReset(&stream) != Z_OK) {
      return false;
    }
    stream.next_in = const_cast<Bytef*>(in);
    stream.avail_in = static_cast<uInt>(inSize);
    stream.next_out = out;
    stream.avail_out = static_cast<uInt>(outSize);
    const int status = inflate(&stream, Z_FINISH);
    // Z_BUF_ERROR: out is full and the stream goes on.
    const bool sound = status == Z_STREAM_END || status == Z_OK || status == Z_BUF_ERROR;
    return sound && stream.avail_out == 0;
  }
};

BmpArray::BmpArray() : inflater_(std::make_unique<Inflater>()) {}
BmpArray::~BmpArray() = default;

bool PictureSizeAccepted(int32_t width, int32_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         int64_t{width} * height <= kMaxPicturePixels;
}

bool BmpArray::ReadRawPixels(BufferedFile& in, Picture& picture, int64_t maxBytes) {
  picture.Clear();
  int32_t width{}, height{};
  if (!in.ReadI32(width) || !in.ReadI32(height)) return false;
  const std::optional<int64_t> bytes = RawPayloadBytes(width, height, in);
  if (!bytes) return false;
  if (!PictureSizeAccepted(width, height) || *bytes > maxBytes) {
    in.Skip(*bytes);
    return false;
  }
  picture.Pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  if (!in.Read(picture.Pixels.data(), static_cast<size_t>(*bytes))) {
    picture.Clear();
    return false;
  }
  PixelsFromLittleEndian(picture.Pixels);
  picture.Width = width;
  picture.Height = height;
  return true;
}

bool BmpArray::ReadPackedPixels(BufferedFile& in, Picture& picture, int64_t maxBytes) {
  picture.Clear();
  int32_t width{}, height{}, blockLength{};
  if (!in.ReadI32(width) || !in.ReadI32(height) || !in.ReadI32(blockLength)) return false;
  if (blockLength <= 0 || blockLength > in.Remaining()) return false;
  const int64_t blockEnd = in.Position() + blockLength;
  const auto refuse = [&] {
    in.Seek(blockEnd);  // stay in step with the values after this one
    return false;
  };
  // Four bytes of inflated length and at least a zlib header and checksum.
  if (blockLength <= 4) return refuse();
  if (!PictureSizeAccepted(width, height) || int64_t{width} * height * 4 > maxBytes)
    return refuse();

  int32_t inflatedLength{};
  in.ReadI32(inflatedLength);
  const int64_t expected = int64_t{width} * height * 4;
  const int64_t packedLength = blockLength - 4;
  if (inflatedLength != expected || expected > packedLength * kMaxInflateRatio) return refuse();

  block_.resize(static_cast<size_t>(packedLength));
  if (!in.Read(block_.data(), block_.size())) return false;
  picture.Pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  if (!inflater_->Inflate(block_.data(), block_.size(),
                          reinterpret_cast<uint8_t*>(picture.Pixels.data()),
                          static_cast<size_t>(expected))) {
    picture.Clear();
    return false;
  }
  PixelsFromLittleEndian(picture.Pixels);
  picture.Width = width;
  picture.Height = height;
  return true;
}

void BmpArray::SkipPixels(BufferedFile& in, bool packed) {
  int32_t width{}, height{}, blockLength{};
  if (!in.ReadI32(width) || !in.ReadI32(height)) return;
  // Skip refuses a negative length and one past the end.
  if (packed) {
    if (in.ReadI32(blockLength)) in.Skip(blockLength);
    return;
  }
  if (const std::optional<int64_t> bytes = RawPayloadBytes(width, height, in)) in.Skip(*bytes);
}

}  // namespace orvane
