#include <stdexcept>
#include <string>

#include "menudata/value_tags.h"
#include "writer/menu_writer.h"

namespace orvane::pack {

void ValueWriter::RawByte(uint8_t value) { bytes_.push_back(value); }

void ValueWriter::RawInt16(int16_t value) {
  const auto bits = static_cast<uint16_t>(value);
  bytes_.push_back(static_cast<uint8_t>(bits & 0xFF));
  bytes_.push_back(static_cast<uint8_t>(bits >> 8));
}

void ValueWriter::RawInt32(int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<uint8_t>(bits >> shift));
}

void ValueWriter::RawBytes(const void* data, size_t size) {
  const auto* begin = static_cast<const uint8_t*>(data);
  bytes_.insert(bytes_.end(), begin, begin + size);
}

void ValueWriter::RawText(const std::string& text) { RawBytes(text.data(), text.size()); }

void ValueWriter::WriteByteValue(uint8_t value) {
  RawByte(kByteTag);
  RawInt32(1);
  RawByte(value);
}

// The length field says 2 although four bytes follow: that is how the files have always been.
void ValueWriter::WriteShortValue(int32_t value) {
  RawByte(kShortTag);
  RawInt32(2);
  RawInt32(value);
}

void ValueWriter::WriteLongValue(int32_t value) {
  RawByte(kLongTag);
  RawInt32(4);
  RawInt32(value);
}

void ValueWriter::WriteTextValue(const std::string& text) {
  if (text.size() > static_cast<size_t>(INT32_MAX))
    throw std::invalid_argument("text value longer than 2 GiB");
  RawByte(kTextTag);
  RawInt32(static_cast<int32_t>(text.size()));
  RawText(text);
}

void ValueWriter::WritePictureValue(const PictureValue& picture, uint8_t version) {
  const Picture& image = picture.Image;
  if (image.Width <= 0 || image.Height <= 0)
    throw std::invalid_argument("picture of " + std::to_string(image.Width) + " x " +
                                std::to_string(image.Height) +
                                " pixels: both sides must be 1 or more");
  const uint64_t count = static_cast<uint64_t>(image.Width) * static_cast<uint64_t>(image.Height);
  if (count != image.Pixels.size())
    throw std::invalid_argument("picture holds " + std::to_string(image.Pixels.size()) +
                                " pixels but its size says " + std::to_string(count));
  if (count * 4 > static_cast<uint64_t>(INT32_MAX))
    throw std::invalid_argument("picture larger than 2 GiB of pixels");

  RawByte(kPictureTag);
  RawByte(picture.Unused);
  RawByte(picture.Slot.Button);
  RawByte(picture.Slot.State);
  RawInt32(picture.Slot.Frame);
  RawInt32(image.Width);
  RawInt32(image.Height);
  if (IsLaterLayout(version)) {
    const Bytes block = CompressPixels(image);
    if (block.size() > static_cast<size_t>(INT32_MAX))
      throw std::invalid_argument("compressed picture larger than 2 GiB");
    RawInt32(static_cast<int32_t>(block.size()));
    RawBytes(block.data(), block.size());
  } else {
    bytes_.reserve(bytes_.size() + image.Pixels.size() * 4);
    for (uint32_t pixel : image.Pixels) RawInt32(static_cast<int32_t>(pixel));
  }
}

}  // namespace orvane::pack
