#pragma once
// Writes everything the player reads: typed values, menu files in both layouts, picture values
// raw or zlib-compressed, and the packed-file container appended to an executable.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "menudata/menu_file.h"

namespace orvane::pack {

using Bytes = std::vector<uint8_t>;

// Low-level building blocks, also used by tests to compose damaged files.
class ValueWriter {
 public:
  void RawByte(uint8_t value);
  void RawInt16(int16_t value);
  void RawInt32(int32_t value);
  void RawBytes(const void* data, size_t size);
  void RawText(const std::string& text);

  void WriteByteValue(uint8_t value);            // tag 1, length field 1, one byte
  void WriteShortValue(int32_t value);           // tag 2, length field 2, four bytes
  void WriteLongValue(int32_t value);            // tag 3, length field 4, four bytes
  void WriteTextValue(const std::string& text);  // tag 4, length, bytes
  // Tag 5 with its slot, then the picture: raw pixels for version 6, else the zlib block.
  void WritePictureValue(const PictureValue& picture, uint8_t version);

  const Bytes& bytes() const { return bytes_; }
  Bytes Take() { return std::move(bytes_); }

 private:
  Bytes bytes_;
};

// The block of a compressed picture: the inflated length followed by a zlib stream.
Bytes CompressPixels(const Picture& picture);

// Sets the header's button and picture counts from the records and pictures held.
void UpdateCounts(MenuFile& menu);
// The layout and picture coding follow menu.Header.Version; counts are written as they stand in
// the header, so callers can also write inconsistent files on purpose.
Bytes WriteMenuFile(const MenuFile& menu);

struct PackedFile {
  std::string Name;
  Bytes Data;
};

struct ContainerOptions {
  std::array<uint8_t, 3> Version{{1, 0, 0}};
  std::string Text;  // the header's text value, kept by the player and not used
  uint8_t Byte = 0;  // the header's byte value, likewise
  // The whole file is padded to a multiple of this, so that a signing tool appends its
  // certificate table right after the trailer, with no padding of its own in between.
  size_t FileAlignment = 1;
};

// A copy of the executable with a container of the given files appended (first file = default
// menu). Throws std::invalid_argument for what the container cannot hold (more than 100 files, a
// name over 256 characters or an empty name, offsets beyond 2 GiB).
Bytes AppendContainer(const Bytes& executable, const std::vector<PackedFile>& files,
                      const ContainerOptions& options = {});

}  // namespace orvane::pack
