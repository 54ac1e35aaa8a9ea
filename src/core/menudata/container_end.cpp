#include "menudata/container_end.h"

#include <algorithm>

#include "menudata/little_endian.h"

namespace orvane {

namespace {

constexpr size_t kTrailerSize = 4;
constexpr int64_t kDosHeaderSize = 64;
constexpr int64_t kNewHeaderField = 0x3C;  // e_lfanew: where the "PE\0\0" signature stands
constexpr int64_t kSignatureAndFileHeader = 24;
constexpr int64_t kOptionalHeaderSizeField = 20;  // in the file header, after the signature
constexpr int64_t kCheckSumOffset = 64;           // in the optional header, both kinds
constexpr uint16_t kPe32Magic = 0x10B;
constexpr uint16_t kPe32PlusMagic = 0x20B;
constexpr int64_t kSecurityIndex = 4;
constexpr int64_t kDirectoryEntrySize = 8;
// Signature, file header and the optional header up to the end of the security entry of a
// PE32+ file, the larger kind: everything this reader looks at.
constexpr size_t kHeaderBlock = 24 + 112 + (kSecurityIndex + 1) * kDirectoryEntrySize;

ContainerEnd Unsigned(int64_t size) {
  ContainerEnd end;
  if (size >= static_cast<int64_t>(kTrailerSize)) end.Trailer = size - kTrailerSize;
  return end;
}

}  // namespace

ContainerEnd FindContainerEnd(int64_t size, const ReadAt& readAt) {
  const ContainerEnd plain = Unsigned(size);
  uint8_t dos[kDosHeaderSize];
  if (size < kDosHeaderSize || !readAt(0, dos, sizeof dos) || dos[0] != 'M' || dos[1] != 'Z')
    return plain;
  const int64_t pe = LittleEndian32(dos + kNewHeaderField);
  if (pe >= size) return plain;
  // The headers may end before the largest block would; read what the file holds.
  uint8_t block[kHeaderBlock] = {};
  const int64_t available = std::min(size - pe, static_cast<int64_t>(kHeaderBlock));
  if (!readAt(pe, block, static_cast<size_t>(available))) return plain;
  if (available < kSignatureAndFileHeader + 2 || block[0] != 'P' || block[1] != 'E' ||
      block[2] != 0 || block[3] != 0)
    return plain;

  const int64_t optionalSize = LittleEndian16(block + kOptionalHeaderSizeField);
  const uint8_t* optional = block + kSignatureAndFileHeader;
  const uint16_t magic = LittleEndian16(optional);
  if (magic != kPe32Magic && magic != kPe32PlusMagic) return plain;
  // The data directory's offset in the optional header.
  const int64_t directories = magic == kPe32Magic ? 96 : 112;
  const int64_t entry = directories + kSecurityIndex * kDirectoryEntrySize;
  if (optionalSize < entry + kDirectoryEntrySize ||
      kSignatureAndFileHeader + entry + kDirectoryEntrySize > available)
    return plain;
  const uint32_t entryCount = LittleEndian32(optional + directories - 4);
  if (entryCount <= kSecurityIndex) return plain;

  // The security entry holds a file position, not an address in memory.
  const int64_t table = LittleEndian32(optional + entry);
  const int64_t tableSize = LittleEndian32(optional + entry + 4);
  if (table == 0 || tableSize == 0 || table + tableSize != size) return plain;

  ContainerEnd end;
  end.Trailer = table >= static_cast<int64_t>(kTrailerSize) ? table - kTrailerSize : -1;
  end.CertificateTable = table;
  end.SecurityEntry = pe + kSignatureAndFileHeader + entry;
  end.CheckSumField = pe + kSignatureAndFileHeader + kCheckSumOffset;
  return end;
}

}  // namespace orvane
