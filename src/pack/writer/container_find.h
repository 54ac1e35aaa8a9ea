#pragma once
// Where an executable's appended container starts, so that re-packing a packed player replaces
// its container instead of stacking a second one behind it.
#include <cstdint>
#include <optional>

#include "writer/menu_writer.h"

namespace orvane::pack {

// The position of the "FPAK" header that the last four bytes point at, or nothing when the
// executable carries no container (trailer out of range, or no magic where it points).
std::optional<size_t> FindContainerStart(const Bytes& executable);

}  // namespace orvane::pack
