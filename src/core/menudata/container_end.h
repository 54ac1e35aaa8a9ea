#pragma once
// Where the packed-file container ends in an executable. Its trailer is the file's last four
// bytes, unless the file is signed: a signing tool puts its certificate table after everything
// else, and the trailer then stands just in front of that table. The player and the authoring
// tool both find the container this way.
#include <cstddef>
#include <cstdint>
#include <functional>

namespace orvane {

// Reads count bytes at position into out; false unless all of them arrived.
using ReadAt = std::function<bool(int64_t position, void* out, size_t count)>;

struct ContainerEnd {
  // Position of the four-byte trailer; -1 when the file has no room for one.
  int64_t Trailer = -1;
  // Signed files only (else -1): where the certificate table starts (it runs to the end of the
  // file), and the file positions of the header fields that describe it: the 8-byte security
  // entry of the data directory and the 4-byte image checksum.
  int64_t CertificateTable = -1;
  int64_t SecurityEntry = -1;
  int64_t CheckSumField = -1;
};

// Reads at most two small blocks of the headers. A file whose headers are damaged or whose
// security entry does not describe a table that ends exactly at the end of the file counts as
// unsigned; nothing a file holds makes this read outside [0, size).
ContainerEnd FindContainerEnd(int64_t size, const ReadAt& readAt);

}  // namespace orvane
