#pragma once
// Reading menus and packed players back, with the player's own readers, so that what the tool
// lists, dumps and checks is what the player will see.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "menudata/menu_file.h"
#include "writer/menu_writer.h"

namespace orvane::pack {

struct ReadMenu {
  bool HeaderAccepted = false;        // kind 1 and version 6 or later
  bool ReadError = false;             // the player would report "Error loading binary menu data."
  std::vector<std::string> Messages;  // what the player's readers would have shown
  MenuFile Menu;
  size_t Length = 0;                  // bytes of the menu file (a packed file's extent)
};

ReadMenu ReadMenuBytes(const uint8_t* data, size_t size);
inline ReadMenu ReadMenuBytes(const Bytes& data) { return ReadMenuBytes(data.data(), data.size()); }

struct PackedEntry {
  std::string Name;     // as the player holds it: trimmed and lower-cased
  size_t Offset = 0;    // absolute position of the packed file
};

struct PackedPlayer {
  size_t ContainerStart = 0;
  size_t Trailer = 0;                    // where the trailer stands; packed files end before it
  std::optional<size_t> CertificateTable;  // set for a signed player
  std::vector<PackedEntry> Entries;      // directory order; the first is the default menu
  bool DirectoryError = false;
  std::vector<std::string> Messages;
};

// Nothing when the executable carries no container at all.
std::optional<PackedPlayer> ReadPackedPlayer(const Bytes& executable);

// The packed file of an entry. The container stores no lengths: a packed file ends where the
// next one (or the container header, or the trailer) begins.
ReadMenu ReadPackedMenu(const Bytes& executable, const PackedPlayer& player,
                        const PackedEntry& entry);

}  // namespace orvane::pack
