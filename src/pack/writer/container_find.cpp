#include "writer/container_find.h"

#include <algorithm>
#include <cstring>

namespace orvane::pack {

ContainerEnd FindContainerEnd(const Bytes& executable) {
  const int64_t size = static_cast<int64_t>(executable.size());
  return orvane::FindContainerEnd(size, [&](int64_t at, void* out, size_t count) {
    if (at < 0 || at > size || static_cast<int64_t>(count) > size - at) return false;
    std::memcpy(out, executable.data() + at, count);
    return true;
  });
}

std::optional<size_t> FindContainerStart(const Bytes& executable) {
  return FindContainerStart(executable, FindContainerEnd(executable));
}

std::optional<size_t> FindContainerStart(const Bytes& executable, const ContainerEnd& end) {
  const int64_t trailer = end.Trailer;
  if (trailer < 4) return std::nullopt;
  int32_t stored = 0;
  for (int i = 3; i >= 0; --i)
    stored = static_cast<int32_t>(static_cast<uint32_t>(stored) << 8 |
                                  executable[static_cast<size_t>(trailer) + i]);
  // The trailer holds the header position + 1; a header needs room for its magic before the
  // trailer, and position 0 would leave no executable in front of it.
  const int64_t header = static_cast<int64_t>(stored) - 1;
  if (header <= 0 || header + 4 > trailer) return std::nullopt;
  if (std::memcmp(&executable[static_cast<size_t>(header)], "FPAK", 4) != 0) return std::nullopt;
  return static_cast<size_t>(header);
}

bool RemoveSignature(Bytes& executable) {
  const ContainerEnd end = FindContainerEnd(executable);
  if (end.CertificateTable < 0) return false;
  const auto clear = [&executable](int64_t at, size_t count) {
    std::fill_n(executable.begin() + static_cast<std::ptrdiff_t>(at), count, uint8_t{0});
  };
  clear(end.SecurityEntry, 8);
  clear(end.CheckSumField, 4);
  executable.resize(static_cast<size_t>(end.CertificateTable));
  return true;
}

}  // namespace orvane::pack
