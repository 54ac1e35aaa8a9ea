#pragma once
// Where an executable's appended container starts, so that re-packing a packed player replaces
// its container instead of stacking a second one behind it, and the signature that a re-packed
// player can no longer keep.
#include <cstdint>
#include <optional>

#include "menudata/container_end.h"
#include "writer/menu_writer.h"

namespace orvane::pack {

// Where the trailer stands (and, for a signed player, its certificate table), by the player's
// own rule.
ContainerEnd FindContainerEnd(const Bytes& executable);

// The position of the "FPAK" header that the trailer points at, or nothing when the executable
// carries no container (trailer out of range, or no magic where it points).
std::optional<size_t> FindContainerStart(const Bytes& executable);
// The same, with the end already found for this executable.
std::optional<size_t> FindContainerStart(const Bytes& executable, const ContainerEnd& end);

// Cuts a signed executable's certificate table off and clears the header fields that described
// it (the security entry, and the checksum that no longer fits). False when it was not signed.
bool RemoveSignature(Bytes& executable);

}  // namespace orvane::pack
