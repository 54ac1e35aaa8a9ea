#include "writer/container_find.h"

#include <cstring>

namespace orvane::pack {

std::optional<size_t> FindContainerStart(const Bytes& executable) {
  const size_t size = executable.size();
  if (size < 8) return std::nullopt;
  int32_t stored = 0;
  for (int i = 3; i >= 0; --i) stored = static_cast<int32_t>(static_cast<uint32_t>(stored) << 8 | executable[size - 4 + i]);
  // The trailer holds the header position + 1; a header needs room for its magic before the
  // trailer, and position 0 would leave no executable in front of it.
  const int64_t header = static_cast<int64_t>(stored) - 1;
  if (header <= 0 || header + 4 > static_cast<int64_t>(size) - 4) return std::nullopt;
  if (std::memcmp(&executable[static_cast<size_t>(header)], "FPAK", 4) != 0) return std::nullopt;
  return static_cast<size_t>(header);
}

}  // namespace orvane::pack
