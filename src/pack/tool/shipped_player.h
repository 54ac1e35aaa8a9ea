#pragma once
// The player that ships with the tool, for pack without a player argument, and what a player
// file is built for.
#include <cstdint>
#include <optional>
#include <string>

#include "tool/menu_read.h"

namespace orvane::pack {

// Where the shipped player is looked for, in order: beside the tool (the Windows zip), in
// ../share/orvane below the tool's folder (the Debian package, wherever it is unpacked), and the
// build tree's player that this tool was configured with. The first file that exists wins.
std::vector<std::string> ShippedPlayerPlaces();
// Throws a ToolError listing the places when none holds a player.
std::string FindShippedPlayer();

constexpr uint16_t kMachineI386 = 0x014C;
// The machine type of a Windows program's header; nothing when the file has no such header.
std::optional<uint16_t> PeMachine(const Bytes& executable);

// Nothing for a 32-bit x86 Windows program; otherwise what the file is, e.g.
// "x86_64: runs only on 64-bit Windows".
std::optional<std::string> PlayerMachineWarning(const Bytes& executable);

}  // namespace orvane::pack
